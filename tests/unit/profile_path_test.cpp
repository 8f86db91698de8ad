// garland.ini sits beside the executable, wherever that is installed.
#include <gtest/gtest.h>

#include <string>

#include "settings/profile_path.h"

TEST(ProfilePath, ReplacesTheExecutableName) {
    char out[260];
    ASSERT_TRUE(
        festoon::ProfilePathFromModule("C:\\Program Files\\Festoon\\festoon.exe", out, sizeof out));
    EXPECT_STREQ(out, "C:\\Program Files\\Festoon\\garland.ini");
    ASSERT_TRUE(festoon::ProfilePathFromModule("C:\\festoon.exe", out, sizeof out));
    EXPECT_STREQ(out, "C:\\garland.ini");
}

TEST(ProfilePath, LongFolderThatFitsWorks) {
    // 200 characters of folder: far beyond the 80 that old code allowed.
    std::string dir = "C:\\" + std::string(196, 'd') + "\\";
    char out[260];
    ASSERT_TRUE(festoon::ProfilePathFromModule((dir + "festoon.exe").c_str(), out, sizeof out));
    EXPECT_EQ(std::string(out), dir + "garland.ini");
}

TEST(ProfilePath, RefusesWhatDoesNotFit) {
    char out[16];
    out[0] = 'x';
    EXPECT_FALSE(festoon::ProfilePathFromModule("C:\\Festoon\\festoon.exe", out, sizeof out));
    EXPECT_STREQ(out, "");
    // Exactly fits: "C:\" + "garland.ini" + terminator = 15 bytes.
    EXPECT_TRUE(festoon::ProfilePathFromModule("C:\\x.exe", out, 15));
    EXPECT_FALSE(festoon::ProfilePathFromModule("C:\\x.exe", out, 14));
    EXPECT_FALSE(festoon::ProfilePathFromModule("festoon.exe", out, sizeof out));
    EXPECT_FALSE(festoon::ProfilePathFromModule(nullptr, out, sizeof out));
}
