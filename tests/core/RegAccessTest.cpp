// RegReadString/RegReadInt/RegWriteString/RegWriteInt over the in-memory store: the
// key-missing, value-missing and too-long paths, number conversion and write results.
#include "core/MemoryConfigStore.h"
#include "core/RegAccess.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace {
constexpr Hive User = Hive::CurrentUser;
constexpr const char* Path = "Software\\kdw\\Ordivo\\View";

class RegAccessTest : public ::testing::Test {
protected:
    void SetUp() override { SetConfigStore(&store); }
    void TearDown() override { SetConfigStore(nullptr); }

    std::string Read(const char* name, const char* def, size_t size) {
        std::string buf(size + 4, '#');  // guard bytes after the buffer
        RegReadString(User, Path, name, def, buf.data(), size);
        EXPECT_EQ(buf.substr(size), "####") << "wrote past the buffer";
        return buf.c_str();
    }

    MemoryConfigStore store;
};

TEST_F(RegAccessTest, MissingKeyGivesDefaultWithoutConsultingIniAndNamesIgnoreCase) {
    store.PutFallback("Mode", "2");
    EXPECT_EQ(Read("Mode", "1", 12), "1");
    EXPECT_EQ(Read("Mode", "default text", 5), "defa");  // truncated, terminated
    char c = 'x';  // a zero-size buffer is left alone
    EXPECT_EQ(RegReadString(User, Path, "Mode", "1", &c, 0), &c);
    EXPECT_EQ(c, 'x');
    store.Put("software\\KDW\\ordivo\\view", "MODE", "2");
    EXPECT_EQ(Read("mode", "1", 12), "2");
}

TEST_F(RegAccessTest, ValueLengthAgainstBufferAndIniFallback) {
    struct Case {
        const char* stored;  // nullptr: value missing
        const char* ini;     // nullptr: no INI entry
        size_t size;
        const char* expected;
    };
    const Case cases[] = {
        {"d.M.yyyy", nullptr, 9, "d.M.yyyy"},         // 8 characters fit a 9-byte buffer
        {"dd.MM.yyyy", nullptr, 9, "default"},   // 10 do not: default
        {"dd.MM.yyyy", "d.M.yy", 9, "d.M.yy"},        // ... or the INI value
        {"dd.MM.yyy", nullptr, 9, "default"},    // 9 characters + zero: one too many
        {nullptr, nullptr, 9, "default"},        // missing: default
        {nullptr, "M/d/yy", 9, "M/d/yy"},             // missing: INI
        {nullptr, "a very long ini text", 9, "a very l"},  // INI text truncated
        {"", "ini", 9, ""},                           // an empty value is a value
    };
    for (const Case& c : cases) {
        store = MemoryConfigStore{};
        store.CreateForWrite(User, Path);
        if (c.stored) store.Put(Path, "sShortDate", c.stored);
        if (c.ini) store.PutFallback("sShortDate", c.ini);
        std::string buf(c.size, '#');
        RegReadString(User, Path, "sShortDate", "default", buf.data(), c.size);
        EXPECT_STREQ(buf.c_str(), c.expected) << (c.stored ? c.stored : "(missing)");
    }
}

TEST_F(RegAccessTest, ReadIntConvertsDecimalPrefix) {
    struct Case {
        const char* stored;
        int expected;
    };
    const Case cases[] = {
        {"00000409", 409}, {"-12x", -12}, {"+7", 7},        {"abc", 0},
        {"", 0},           {" 42", 42},   {"1,0", 1},       {"99999999999", INT_MAX},
        {"-2147483648", INT_MIN},         {"123456789012", -5},  // 12 characters: default
    };
    for (const Case& c : cases) {
        store.Put(Path, "Value", c.stored);
        EXPECT_EQ(RegReadInt(User, Path, "Value", -5), c.expected) << c.stored;
    }
    // The default goes through the same 12-character text.
    EXPECT_EQ(RegReadInt(User, Path, "Missing", INT_MIN), INT_MIN);
}

TEST_F(RegAccessTest, WriteResultsAndStoredText) {
    EXPECT_EQ(RegWriteString(User, Path, "Colors", "1,2"), 0);
    EXPECT_EQ(RegWriteInt(User, Path, "StartPM", -1330), 0);
    EXPECT_EQ(store.Get(Path, "Colors"), "1,2");
    EXPECT_EQ(store.Get(Path, "StartPM"), "-1330");
    // Creating the key made it and its parents readable.
    EXPECT_NE(store.OpenForQuery(User, "Software\\kdw"), nullptr);

    store.createFails = true;
    EXPECT_EQ(RegWriteString(User, Path, "Colors", "3"), 1);
    store.createFails = false;
    store.setError = 5;
    EXPECT_EQ(RegWriteInt(User, Path, "Colors", 4), 5);
    EXPECT_EQ(store.Get(Path, "Colors"), "1,2");  // failed writes change nothing
}
}  // namespace
