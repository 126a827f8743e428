// The configuration store on the real registry and ORDIVO.INI: round trips, the
// too-long and missing paths, the read-only INI fallback and the regional values.
#include "core/RegAccess.h"
#include "core/RegistryStore.h"
#include "settings/Settings.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {
constexpr Hive User = Hive::CurrentUser;

std::string TestKeyPath() {
    return "Software\\kdw\\OrdivoTest" + std::to_string(GetCurrentProcessId());
}

// Remembers one registry value (or its absence) and puts it back on destruction.
class SavedValue {
public:
    SavedValue(const char* path, const char* name) : path_(path), name_(name) {
        HKEY key;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, path, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
            return;
        DWORD size = 0;
        if (RegQueryValueExA(key, name, nullptr, &type_, nullptr, &size) == ERROR_SUCCESS) {
            data_.resize(size);
            existed_ = RegQueryValueExA(key, name, nullptr, &type_, data_.data(), &size) ==
                       ERROR_SUCCESS;
        }
        RegCloseKey(key);
    }
    ~SavedValue() {
        HKEY key;
        if (RegCreateKeyExA(HKEY_CURRENT_USER, path_.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                            nullptr, &key, nullptr) != ERROR_SUCCESS)
            return;
        if (existed_)
            RegSetValueExA(key, name_.c_str(), 0, type_, data_.data(),
                           static_cast<DWORD>(data_.size()));
        else
            RegDeleteValueA(key, name_.c_str());
        RegCloseKey(key);
    }
    SavedValue(const SavedValue&) = delete;
    SavedValue& operator=(const SavedValue&) = delete;

private:
    std::string path_, name_;
    DWORD type_ = 0;
    std::vector<BYTE> data_;
    bool existed_ = false;
};

void SetRaw(const std::string& path, const char* name, DWORD type, const void* data, DWORD size) {
    HKEY key;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                              nullptr, &key, nullptr),
              ERROR_SUCCESS);
    EXPECT_EQ(RegSetValueExA(key, name, 0, type, static_cast<const BYTE*>(data), size),
              ERROR_SUCCESS);
    RegCloseKey(key);
}

void DeleteRaw(const char* path, const char* name) {
    HKEY key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, path, 0, KEY_SET_VALUE, &key) != ERROR_SUCCESS) return;
    RegDeleteValueA(key, name);
    RegCloseKey(key);
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

class ConfigWinTest : public ::testing::Test {
protected:
    void SetUp() override { SetConfigStore(&store); }
    void TearDown() override {
        SetConfigStore(nullptr);
        RegDeleteKeyA(HKEY_CURRENT_USER, path.c_str());
    }

    std::string Read(const char* name, const char* def, size_t size) {
        std::vector<char> buf(size, '#');
        return RegReadString(User, path.c_str(), name, def, buf.data(), size);
    }

    RegistryStore store;
    const std::string path = TestKeyPath();
};

TEST_F(ConfigWinTest, RoundTripThroughTheRegistry) {
    EXPECT_EQ(Read("Text", "none", 40), "none");  // key missing
    ASSERT_EQ(RegWriteString(User, path.c_str(), "Text", "Gr\xFC\xDF" "e, \x80"), 0);
    ASSERT_EQ(RegWriteInt(User, path.c_str(), "Number", -1330), 0);
    EXPECT_EQ(Read("Text", "none", 40), "Gr\xFC\xDF" "e, \x80");  // Windows-1252 kept
    EXPECT_EQ(RegReadInt(User, path.c_str(), "Number", 0), -1330);
    EXPECT_EQ(Read("Missing", "none", 40), "none");  // key present, value missing, no INI

    // Stored as REG_SZ with its terminating zero.
    HKEY key;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_QUERY_VALUE, &key),
              ERROR_SUCCESS);
    DWORD type = 0, size = 0;
    EXPECT_EQ(RegQueryValueExA(key, "Number", nullptr, &type, nullptr, &size), ERROR_SUCCESS);
    RegCloseKey(key);
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(size, 6u);
}

TEST_F(ConfigWinTest, BufferLengthRulesOnTheRegistry) {
    ASSERT_EQ(RegWriteString(User, path.c_str(), "Short", "d.M.yyyy"), 0);
    ASSERT_EQ(RegWriteString(User, path.c_str(), "Long", "dd.MM.yyyy"), 0);
    EXPECT_EQ(Read("Short", "default", 9), "d.M.yyyy");
    EXPECT_EQ(Read("Long", "default", 9), "default");

    // Values written by other tools: without terminating zero, or not a string.
    SetRaw(path, "NoZero", REG_SZ, "abc", 3);
    SetRaw(path, "NoZeroFull", REG_SZ, "abcd", 4);
    const DWORD number = 7;
    SetRaw(path, "Dword", REG_DWORD, &number, sizeof number);
    EXPECT_EQ(Read("NoZero", "default", 9), "abc");
    EXPECT_EQ(Read("NoZeroFull", "dflt", 4), "dfl");  // no room left for the zero
    EXPECT_EQ(Read("Dword", "default", 9), "default");
}

TEST_F(ConfigWinTest, IniFallbackIsReadButNeverWritten) {
    char windowsDir[MAX_PATH];
    ASSERT_GT(GetWindowsDirectoryA(windowsDir, sizeof windowsDir), 0u);
    const std::string iniPath = std::string(windowsDir) + "\\ORDIVO.INI";
    ASSERT_EQ(GetFileAttributesA(iniPath.c_str()), INVALID_FILE_ATTRIBUTES)
        << "a leftover ORDIVO.INI would falsify this test";
    const std::string ini = "[Ordivo]\r\nFromIni=ini text\r\nLong=ini short\r\nOnlyIni=5\r\n";
    {
        std::ofstream out(iniPath, std::ios::binary);
        out << ini;
    }

    EXPECT_EQ(Read("FromIni", "default", 40), "default");  // key missing: INI not consulted
    ASSERT_EQ(RegWriteString(User, path.c_str(), "Long", "dd.MM.yyyy"), 0);
    EXPECT_EQ(Read("FromIni", "default", 40), "ini text");
    EXPECT_EQ(Read("Long", "default", 9), "ini shor");  // too long: INI, cut to the buffer
    EXPECT_EQ(RegReadInt(User, path.c_str(), "OnlyIni", 1), 5);
    EXPECT_EQ(Read("Absent", "default", 40), "default");

    // Writing a value that so far came from the INI goes to the registry only.
    ASSERT_EQ(RegWriteString(User, path.c_str(), "FromIni", "registry"), 0);
    EXPECT_EQ(Read("FromIni", "default", 40), "registry");
    EXPECT_EQ(ReadFile(iniPath), ini);

    EXPECT_TRUE(DeleteFileA(iniPath.c_str()));
}

TEST_F(ConfigWinTest, RegionalValuesFromControlPanel) {
    const char* intl = RegPath::International;
    SavedValue locale(intl, "Locale"), sDate(intl, "sDate"), sShortDate(intl, "sShortDate");

    SetRaw(intl, "Locale", REG_SZ, "00000409", 9);
    DeleteRaw(intl, "sDate");
    DeleteRaw(intl, "sShortDate");
    RegionalSettings r = ReadRegional();
    EXPECT_EQ(r.Locale, 409);
    EXPECT_EQ(r.DatumTrenner, '/');
    EXPECT_STREQ(r.ShortDate, "MM.dd.yy");
    EXPECT_FALSE(r.TagZuerst());

    // The German prefix: a ten-character pattern is too long and gives the default.
    SetRaw(intl, "Locale", REG_SZ, "00000407", 9);
    SetRaw(intl, "sDate", REG_SZ, ".", 2);
    SetRaw(intl, "sShortDate", REG_SZ, "dd.MM.yyyy", 11);
    r = ReadRegional();
    EXPECT_EQ(r.Locale, 407);
    EXPECT_EQ(r.DatumTrenner, '.');
    EXPECT_STREQ(r.ShortDate, "dd.MM.yy");
    EXPECT_TRUE(r.TagZuerst());

    SetRaw(intl, "sShortDate", REG_SZ, "d.M.yyyy", 9);
    EXPECT_STREQ(ReadRegional().ShortDate, "d.M.yyyy");
}
}  // namespace
