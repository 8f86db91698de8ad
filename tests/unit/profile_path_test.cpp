// garland.ini and the MIDI files sit beside the executable, wherever that is
// installed and whatever script its folder is named in.
#include <gtest/gtest.h>

#include <string>

#include "settings/profile_path.h"

using festoon::FolderFilePath;
using festoon::kProfileFileName;

TEST(FolderFilePath, ReplacesTheExecutableName) {
    const struct {
        const wchar_t* module;
        const wchar_t* name;
        const wchar_t* expected;
    } cases[] = {
        {L"C:\\Program Files\\Festoon\\festoon.exe", kProfileFileName,
         L"C:\\Program Files\\Festoon\\garland.ini"},
        {L"C:\\festoon.exe", kProfileFileName, L"C:\\garland.ini"},
        {L"C:\\\u8282\u65e5\u5f69\u706f\\festoon.exe", kProfileFileName,
         L"C:\\\u8282\u65e5\u5f69\u706f\\garland.ini"},
        {L"D:\\Lights\\festoon.exe", L"xmastune.mid", L"D:\\Lights\\xmastune.mid"},
    };
    for (const auto& c : cases) {
        wchar_t out[260];
        ASSERT_TRUE(FolderFilePath(c.module, c.name, out, 260));
        EXPECT_EQ(std::wstring(out), c.expected);
    }
}

TEST(FolderFilePath, LongFolderThatFitsWorks) {
    // 200 characters of folder: far beyond the 80 that old code allowed.
    std::wstring dir = L"C:\\" + std::wstring(196, L'd') + L"\\";
    wchar_t out[260];
    ASSERT_TRUE(FolderFilePath((dir + L"festoon.exe").c_str(), kProfileFileName, out, 260));
    EXPECT_EQ(std::wstring(out), dir + L"garland.ini");
}

TEST(FolderFilePath, RefusesWhatDoesNotFit) {
    wchar_t out[16];
    out[0] = L'x';
    EXPECT_FALSE(FolderFilePath(L"C:\\Festoon\\festoon.exe", kProfileFileName, out, 16));
    EXPECT_EQ(out[0], L'\0');
    // Exactly fits: "C:\" + "garland.ini" + terminator = 15 characters.
    EXPECT_TRUE(FolderFilePath(L"C:\\x.exe", kProfileFileName, out, 15));
    EXPECT_FALSE(FolderFilePath(L"C:\\x.exe", kProfileFileName, out, 14));
    EXPECT_FALSE(FolderFilePath(L"festoon.exe", kProfileFileName, out, 16));
    EXPECT_FALSE(FolderFilePath(nullptr, kProfileFileName, out, 16));
    EXPECT_FALSE(FolderFilePath(L"C:\\x.exe", nullptr, out, 16));
}
