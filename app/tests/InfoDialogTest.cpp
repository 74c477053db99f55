// The info dialog's texts as its window shows them, read from the version
// resource of this test program (it carries Kolvane.exe's resources), of a
// copy whose library list was changed, and of a file without a resource.
#include "app/InfoDialog.h"
#include "resources/resource.h"
#include "support/win32/ProgramPath.h"
#include "support/win32/VersionInfo.h"
#include "support/win32/WinApp.h"
#include "testkit/TempFolder.h"
#include "testkit/win32/Input.h"
#include "testkit/win32/ModalScript.h"
#include "testkit/win32/TestApp.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <string>
#include <vector>

using kolvane::InfoDialog;
using zul::Windows::Dialog;

namespace {

struct Shown {
    std::string title, product, copyright, libraries;
    bool closeHasFocus = false;
};

// Opens the dialog for the file, reads its texts and closes it with key.
Shown ShowInfo(const std::string& file, UINT key = VK_RETURN) {
    kvtest::TestApp app;
    kvtest::ModalScript script(app);
    Shown shown;
    script.Then([&](Dialog& d) {
        shown.title = d.GetText();
        shown.product = d.ItemText(InfoDialog::ProductLineId);
        shown.copyright = d.ItemText(InfoDialog::CopyrightId);
        shown.libraries = d.ItemText(InfoDialog::LibrariesId);
        shown.closeHasFocus = ::GetFocus() == ::GetDlgItem(d.Handle(), IDOK);
        kvtest::PostKey(d, key);
    });
    InfoDialog dialog(nullptr, file);
    const INT_PTR result = app.RunModal(dialog);
    EXPECT_EQ(result, key == VK_ESCAPE ? IDCANCEL : IDOK);
    EXPECT_TRUE(script.Finished());
    return shown;
}

std::u16string Utf16(const std::string& ascii) {
    return std::u16string(ascii.begin(), ascii.end());
}

// A copy of this program whose "LinkedLIBs" value is replaced by one of the
// same length, so that the rest of the resource stays as it is.
void WriteCopyWithLibraries(const std::string& path, const std::string& libraries) {
    HRSRC found = ::FindResourceA(nullptr, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(16));
    ASSERT_NE(found, nullptr);
    const auto* data = static_cast<const char*>(::LockResource(::LoadResource(nullptr, found)));
    std::string block(data, ::SizeofResource(nullptr, found));
    const std::u16string from = Utf16("zullib v2.02;");
    const std::u16string to = Utf16(libraries);
    ASSERT_EQ(from.size(), to.size());
    const std::string fromBytes(reinterpret_cast<const char*>(from.data()), 2 * from.size());
    const std::size_t at = block.find(fromBytes);
    ASSERT_NE(at, std::string::npos);
    block.replace(at, fromBytes.size(), reinterpret_cast<const char*>(to.data()), 2 * to.size());

    ASSERT_TRUE(::CopyFileA(zul::Windows::ProgramPath().c_str(), path.c_str(), FALSE));
    HANDLE update = ::BeginUpdateResourceA(path.c_str(), FALSE);
    ASSERT_NE(update, nullptr);
    ASSERT_TRUE(::UpdateResourceA(update, MAKEINTRESOURCEA(16), MAKEINTRESOURCEA(1),
                                  MAKELANGID(LANG_GERMAN, SUBLANG_GERMAN), block.data(),
                                  static_cast<DWORD>(block.size())));
    ASSERT_TRUE(::EndUpdateResourceA(update, FALSE));
}

} // namespace

TEST(InfoDialog, ShowsTheProductLineCopyrightAndLibrariesOfTheProgramsOwnResource) {
    zul::Windows::VersionInfo version;
    ASSERT_TRUE(version.Load(zul::Windows::ProgramPath()));
    const Shown shown = ShowInfo(std::string());
    EXPECT_EQ(shown.title, "Info");
    EXPECT_EQ(shown.product, "Kolvane-Verwaltung v2.10");
    EXPECT_EQ(shown.copyright, version.GetValue("LegalCopyright"));
    EXPECT_EQ(shown.copyright, "Copyright (C) 2026 Kolvane-Projekt");
    EXPECT_EQ(shown.libraries, "zullib v2.02");
    EXPECT_TRUE(shown.closeHasFocus);
    // Escape closes it as well.
    EXPECT_EQ(ShowInfo(std::string(), VK_ESCAPE).product, "Kolvane-Verwaltung v2.10");

    // The program itself, built beside this test program.
    const std::filesystem::path program =
        std::filesystem::path(zul::Windows::ProgramPath()).parent_path() / "Kolvane.exe";
    ASSERT_TRUE(std::filesystem::exists(program));
    const Shown kolvane = ShowInfo(program.string());
    EXPECT_EQ(kolvane.product, "Kolvane-Verwaltung v2.10");
    EXPECT_EQ(kolvane.copyright, "Copyright (C) 2026 Kolvane-Projekt");
    EXPECT_EQ(kolvane.libraries, "zullib v2.02");
}

TEST(InfoDialog, EachLinkedLibraryHasALineOfItsOwn) {
    kvtest::TempFolder folder;
    const std::string copy = folder.File("Kopie.exe");
    WriteCopyWithLibraries(copy, "zul v2; xy v3");
    const Shown shown = ShowInfo(copy);
    EXPECT_EQ(shown.libraries, "zul v2\nxy v3");
    EXPECT_EQ(shown.product, "Kolvane-Verwaltung v2.10");
}

TEST(InfoDialog, AFileWithoutVersionResourceLeavesTheTextsEmpty) {
    kvtest::TempFolder folder;
    const std::string file = folder.File("kein-programm.txt");
    kvtest::WriteText(file, "kein Programm");
    const Shown shown = ShowInfo(file);
    EXPECT_EQ(shown.title, "Info");
    EXPECT_EQ(shown.product, "");
    EXPECT_EQ(shown.copyright, "");
    EXPECT_EQ(shown.libraries, "");
    EXPECT_TRUE(shown.closeHasFocus);
}
