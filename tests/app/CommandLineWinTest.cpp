// The file name the command line gives: a leading "-" means none; one pair of quotes goes.
#include "app/ClsApplication.h"

#include <gtest/gtest.h>

TEST(CommandLine, FileNameFromTheLine) {
    const struct {
        const char* line;
        const char* file;
    } cases[] = {
        {"", ""},
        {"-x", ""},
        {"C:\\Termine\\privat.odv", "C:\\Termine\\privat.odv"},
        {"\"C:\\Meine Termine\\privat.odv\"", "C:\\Meine Termine\\privat.odv"},
        {"\"C:\\a.odv", "\"C:\\a.odv"},  // an unpaired quote stays
        {"\"\"", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(ClsApplication::FileFromCommandLine(c.line), c.file) << c.line;
}
