// The configuration store on the real registry and ORDIVO.INI: round trips, values written
// by other tools, the read-only INI fallback. The length rules are tested natively.
#include "app/Startup.h"
#include "core/RegAccess.h"
#include "core/RegistryStore.h"
#include "support/TempDir.h"
#include "support/WinKit.h"

namespace {
constexpr Hive User = Hive::CurrentUser;

class ConfigWinTest : public ::testing::Test {
protected:
    void SetUp() override { SetConfigStore(&store); }
    void TearDown() override {
        InstallRegistryStore();  // as the test main left it, for the tests that follow
        RegDeleteKeyA(HKEY_CURRENT_USER, path.c_str());
    }

    std::string Read(const char* name, const char* def, size_t size) {
        std::vector<char> buf(size, '#');
        return RegReadString(User, path.c_str(), name, def, buf.data(), size);
    }

    RegistryStore store;
    const std::string path = "Software\\kdw\\OrdivoTest" + std::to_string(GetCurrentProcessId());
};

TEST_F(ConfigWinTest, RoundTripThroughTheRegistry) {
    EXPECT_EQ(Read("Text", "none", 40), "none");  // key missing
    ASSERT_EQ(RegWriteString(User, path.c_str(), "Text", "Gr\xFC\xDF" "e, \x80"), 0);
    ASSERT_EQ(RegWriteInt(User, path.c_str(), "Number", -1330), 0);
    EXPECT_EQ(Read("Text", "none", 40), "Gr\xFC\xDF" "e, \x80");  // Windows-1252 kept
    EXPECT_EQ(RegReadInt(User, path.c_str(), "Number", 0), -1330);
    EXPECT_EQ(Read("Missing", "none", 40), "none");  // key present, value missing, no INI
    // Stored as REG_SZ with its terminating zero.
    DWORD type = 0, size = 0;
    EXPECT_EQ(RegGetValueA(HKEY_CURRENT_USER, path.c_str(), "Number", RRF_RT_ANY, &type, nullptr, &size), ERROR_SUCCESS);
    EXPECT_EQ(std::make_pair(type, size), std::make_pair(DWORD(REG_SZ), DWORD(6)));
}

// Values written by other tools: without terminating zero, or not a string.
TEST_F(ConfigWinTest, ValuesWrittenByOtherTools) {
    kit::SetUserValue(path, "NoZero", REG_SZ, "abc", 3);
    kit::SetUserValue(path, "NoZeroFull", REG_SZ, "abcd", 4);
    const DWORD number = 7;
    kit::SetUserValue(path, "Dword", REG_DWORD, &number, sizeof number);
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
    SchreibBytes(iniPath, ini);

    ASSERT_EQ(RegWriteString(User, path.c_str(), "Long", "dd.MM.yyyy"), 0);
    EXPECT_EQ(Read("FromIni", "default", 40), "ini text");
    EXPECT_EQ(Read("Long", "default", 9), "ini shor");  // too long: INI, cut to the buffer

    // Writing a value that so far came from the INI goes to the registry only.
    ASSERT_EQ(RegWriteString(User, path.c_str(), "FromIni", "registry"), 0);
    EXPECT_EQ(Read("FromIni", "default", 40), "registry");
    EXPECT_EQ(LiesBytes(iniPath), ini);
    EXPECT_TRUE(DeleteFileA(iniPath.c_str()));
}
}  // namespace
