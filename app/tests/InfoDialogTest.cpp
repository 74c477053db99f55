// The info dialog's texts as its window shows them, and the version reader
// under it: read from the version resource of this test program (it carries
// Kolvane.exe's resources) and from a file without a resource.
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
using zul::Windows::Dialog;
using zul::Windows::VersionInfo;

namespace {

struct Shown {
    std::string title, product, copyright, libraries;
    bool closeHasFocus = false;
};

// Opens the dialog for the file, reads its texts and closes it with Enter.
Shown ShowInfo(const std::string& file) {
    kvtest::TestApp app;
    kvtest::ModalScript script(app);
    Shown shown;
    script.Then([&](Dialog& d) {
        shown.title = d.GetText();
        shown.product = d.ItemText(InfoDialog::ProductLineId);
        shown.copyright = d.ItemText(InfoDialog::CopyrightId);
        shown.libraries = d.ItemText(InfoDialog::LibrariesId);
        shown.closeHasFocus = ::GetFocus() == ::GetDlgItem(d.Handle(), IDOK);
        kvtest::PostKey(d, VK_RETURN);
    });
    InfoDialog dialog(nullptr, file);
    EXPECT_EQ(app.RunModal(dialog), IDOK);
    EXPECT_TRUE(script.Finished());
    return shown;
}

} // namespace

TEST(InfoDialog, ShowsTheProductLineCopyrightAndLibrariesOfTheProgramsOwnResource) {
    const Shown shown = ShowInfo(std::string());
    EXPECT_EQ(shown.title, "Info");
    EXPECT_EQ(shown.product, "Kolvane-Verwaltung v2.10");
    EXPECT_EQ(shown.copyright, "Copyright (C) 2026 Kolvane-Projekt");
    EXPECT_EQ(shown.libraries, "zullib v2.02");
    EXPECT_TRUE(shown.closeHasFocus);

    VersionInfo info;
    ASSERT_TRUE(info.Load(zul::Windows::ProgramPath(), 0));
    EXPECT_EQ(info.StringPrefix(), "\\StringFileInfo\\040704B0\\");
    const auto fixed = info.GetFixedVersion();
    ASSERT_TRUE(fixed.has_value());
    EXPECT_EQ(*fixed, (std::array<unsigned, 4>{2, 10, 0, 0}));
    EXPECT_EQ(info.GetVersionText(), "v2.10");
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
    const Shown shown = ShowInfo(file);
    EXPECT_EQ(shown.title, "Info");
    EXPECT_EQ(shown.product + shown.copyright + shown.libraries, "");
    EXPECT_TRUE(shown.closeHasFocus);

    VersionInfo info;
    ASSERT_TRUE(info.Load(zul::Windows::ProgramPath()));
    EXPECT_FALSE(info.Load(file)); // discards what was loaded before
    EXPECT_FALSE(info.IsLoaded());
    EXPECT_FALSE(info.GetFixedVersion().has_value());
    EXPECT_EQ(info.GetVersionText(), "");
    EXPECT_EQ(info.GetValue("ProductName"), "");
    std::vector<std::string> libs{"stale"};
    EXPECT_EQ(info.GetLinkedLibs(libs), 0);
    EXPECT_TRUE(libs.empty());
    EXPECT_FALSE(info.Load(file + ".missing"));
}
