#include "support/win32/VersionInfo.h"

#include <gtest/gtest.h>
#include <windows.h>

namespace {

using zul::Windows::VersionInfo;

std::string ThisProgram() {
    char path[MAX_PATH * 4] = {};
    const DWORD length = ::GetModuleFileNameA(nullptr, path, sizeof(path));
    return std::string(path, length);
}

// The test program carries the same resources as Kolvane.exe.
TEST(VersionInfo, TheProgramsResourceGivesItsValuesAndProductLine) {
    VersionInfo info;
    ASSERT_TRUE(info.Load(ThisProgram(), 0));
    EXPECT_EQ(info.StringPrefix(), "\\StringFileInfo\\040704B0\\");
    const auto fixed = info.GetFixedVersion();
    ASSERT_TRUE(fixed.has_value());
    EXPECT_EQ(*fixed, (std::array<unsigned, 4>{2, 10, 0, 0}));
    EXPECT_EQ(info.GetVersionText(), "v2.10");
    EXPECT_EQ(info.GetProductLine(), "Kolvane-Verwaltung v2.10");
    EXPECT_EQ(info.GetValue("FileDescription"), "Kolvane-Verwaltung");
    EXPECT_FALSE(info.GetValue("LegalCopyright").empty());
    EXPECT_EQ(info.GetValue("NoSuchValue"), "");
    std::vector<std::string> libs{"stale"};
    EXPECT_EQ(info.GetLinkedLibs(libs), 1);
    EXPECT_EQ(libs, (std::vector<std::string>{"zullib v2.02"}));

    // An index past the one translation uses that one.
    VersionInfo third;
    ASSERT_TRUE(third.Load(ThisProgram(), 3));
    EXPECT_EQ(third.StringPrefix(), "\\StringFileInfo\\040704B0\\");
    EXPECT_EQ(third.GetValue("ProductName"), "Kolvane-Verwaltung");

    info.Clear();
    EXPECT_FALSE(info.IsLoaded());
    EXPECT_EQ(info.GetProductLine(), " ");
}

TEST(VersionInfo, AFileWithoutResourceLeavesTheReaderEmpty) {
    char folder[MAX_PATH] = {};
    ::GetTempPathA(sizeof(folder), folder);
    const std::string path = std::string(folder) + "kv-no-version.txt";
    HANDLE file = ::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    DWORD written = 0;
    ::WriteFile(file, "kein Programm", 13, &written, nullptr);
    ::CloseHandle(file);

    VersionInfo info;
    ASSERT_TRUE(info.Load(ThisProgram()));
    EXPECT_FALSE(info.Load(path)); // discards what was loaded before
    EXPECT_FALSE(info.IsLoaded());
    EXPECT_FALSE(info.GetFixedVersion().has_value());
    EXPECT_EQ(info.GetVersionText(), "");
    EXPECT_EQ(info.GetValue("ProductName"), "");
    std::vector<std::string> libs{"stale"};
    EXPECT_EQ(info.GetLinkedLibs(libs), 0);
    EXPECT_TRUE(libs.empty());
    EXPECT_FALSE(info.Load(path + ".missing"));
    ::DeleteFileA(path.c_str());
}

} // namespace
