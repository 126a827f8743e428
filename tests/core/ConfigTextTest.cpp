// Number lists, flags by position and the time-grid conversion.
#include "core/ConfigText.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace {
TEST(ConfigText, NumberListsFillOnlyThePresentFields) {
    struct Case {
        const char* text;
        int count;
        int read;
        std::array<int, 4> values;  // start: 7,7,7,7
    };
    const Case cases[] = {
        {"1,2,3,4", 4, 4, {1, 2, 3, 4}},
        {"1,2", 4, 2, {1, 2, 7, 7}},
        {"", 4, 0, {7, 7, 7, 7}},
        {"1,2,", 4, 2, {1, 2, 7, 7}},    // trailing comma: no empty field
        {"1,,3", 4, 3, {1, 0, 3, 7}},    // empty inner field reads 0
        {"-3,x,7", 4, 3, {-3, 0, 7, 7}},
        {"5,6,7,8,9", 4, 4, {5, 6, 7, 8}},
        {"5,6,7,8", 2, 2, {5, 6, 7, 7}},
        {"12 34,5", 4, 2, {12, 5, 7, 7}},  // rest of a field up to the comma is skipped
    };
    for (const Case& c : cases) {
        std::array<int, 4> v{7, 7, 7, 7};
        EXPECT_EQ(ParseNumberList(c.text, v.data(), c.count), c.read) << c.text;
        EXPECT_EQ(v, c.values) << c.text;
    }
}

TEST(ConfigText, FlagIsOnOnlyForOneAtItsPosition) {
    struct Case {
        const char* text;
        size_t pos;
        bool on;
    };
    const Case cases[] = {
        {"1", 0, true},     {"0", 0, false},     {"", 0, false},     {"2", 0, false},
        {"10", 0, true},    {"1,0", 2, false},   {"0,1", 2, true},   {"1", 2, false},
        {"1,", 2, false},   {"0,0,0,1", 6, true}, {"0,0,0", 6, false},
    };
    for (const Case& c : cases) EXPECT_EQ(FlagAt(c.text, c.pos), c.on) << c.text << "@" << c.pos;
}

TEST(ConfigText, GridTimesConvertBothWays) {
    const std::pair<int, int> cases[] = {{0, 0}, {1200, 720}, {1330, 810}, {2359, 1439}, {5, 5}};
    for (const auto& [stored, minutes] : cases) {
        EXPECT_EQ(GridTimeToMinutes(stored), minutes) << stored;
        EXPECT_EQ(MinutesToGridTime(minutes), stored) << minutes;
    }
}

TEST(ConfigText, CopyTruncatedAlwaysTerminates) {
    char buf[4] = {'#', '#', '#', '#'};
    CopyTruncated(buf, sizeof buf, "abcdef");
    EXPECT_STREQ(buf, "abc");
    CopyTruncated(buf, sizeof buf, "");
    EXPECT_STREQ(buf, "");
}
}  // namespace
