// The info dialog and the version reader under it; the test program carries
// Kolvane.exe's version resource.
#include "app/InfoDialog.h"
#include "resources/resource.h"
#include "support/win32/ProgramPath.h"
#include "support/win32/VersionInfo.h"
#include "testkit/TempFolder.h"
#include "testkit/win32/Input.h"
#include "testkit/win32/ModalScript.h"
#include "testkit/win32/TestApp.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <array>

using kolvane::InfoDialog;
using zul::Windows::VersionInfo;

namespace {

// Opens the dialog for the file and closes it with Enter: its title, product
// line, copyright and libraries, and "focus" if the close button has it.
std::string ShowInfo(const std::string& file) {
    kvtest::TestApp app;
    kvtest::ModalScript script(app);
    std::string shown;
    script.Then([&](zul::Windows::Dialog& d) {
        shown = d.GetText() + "|" + d.ItemText(InfoDialog::ProductLineId) + "|" +
                d.ItemText(InfoDialog::CopyrightId) + "|" + d.ItemText(InfoDialog::LibrariesId) +
                (::GetFocus() == ::GetDlgItem(d.Handle(), IDOK) ? "|focus" : "");
        kvtest::PostKey(d, VK_RETURN);
    });
    InfoDialog dialog(nullptr, file);
    EXPECT_EQ(app.RunModal(dialog), IDOK);
    return shown;
}

} // namespace

TEST(InfoDialog, ShowsTheProductLineCopyrightAndLibrariesOfTheProgramsOwnResource) {
    EXPECT_EQ(ShowInfo(std::string()), "Info|Kolvane-Verwaltung v2.10|"
                                       "Copyright (C) 2026 Kolvane-Projekt|zullib v2.02|focus");

    VersionInfo info;
    ASSERT_TRUE(info.Load(zul::Windows::ProgramPath(), 0));
    EXPECT_EQ(info.StringPrefix(), "\\StringFileInfo\\040704B0\\");
    const auto fixed = info.GetFixedVersion();
    ASSERT_TRUE(fixed.has_value());
    EXPECT_EQ(*fixed, (std::array<unsigned, 4>{2, 10, 0, 0}));
    EXPECT_EQ(info.GetValue("FileDescription"), "Kolvane-Verwaltung");
    EXPECT_EQ(info.GetValue("NoSuchValue"), "");
    // An index past the one translation uses that one.
    VersionInfo third;
    ASSERT_TRUE(third.Load(zul::Windows::ProgramPath(), 3));
    EXPECT_EQ(third.StringPrefix(), "\\StringFileInfo\\040704B0\\");
    info.Clear();
    EXPECT_FALSE(info.IsLoaded());
    EXPECT_EQ(info.GetProductLine(), " ");
}

TEST(InfoDialog, AFileWithoutVersionResourceLeavesTheTextsEmpty) {
    kvtest::TempFolder folder;
    const std::string file = folder.File("kein-programm.txt");
    kvtest::WriteText(file, "kein Programm");
    EXPECT_EQ(ShowInfo(file), "Info||||focus");

    VersionInfo info;
    ASSERT_TRUE(info.Load(zul::Windows::ProgramPath()));
    EXPECT_FALSE(info.Load(file)); // discards what was loaded before
    EXPECT_FALSE(info.IsLoaded());
    EXPECT_FALSE(info.GetFixedVersion().has_value());
    std::vector<std::string> libs{"stale"};
    EXPECT_EQ(info.GetLinkedLibs(libs), 0);
    EXPECT_TRUE(libs.empty());
    EXPECT_FALSE(info.Load(file + ".missing"));
}
