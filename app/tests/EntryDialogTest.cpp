#include "app/EntryDialog.h"
#include "resources/resource.h"
#include "support/win32/WinApp.h"
#include "testkit/Entries.h"
#include "testkit/TempFolder.h"
#include "testkit/win32/ModalScript.h"
#include "testkit/win32/TestApp.h"

#include <gtest/gtest.h>

using kolvane::DiscEntry;
using kolvane::EntryDialog;
using zul::Windows::Dialog;

namespace {

DiscEntry SampleEntry() {
    return kvtest::Entry("Die \xC4rzte", "Ger\xE4usch", "2003", "7A3B2C10",
                         "Unrockbar\r\nDein Vampyr\r\nDie Nacht", "Doppel-CD\r\n\r\nsigniert");
}

HWND EditOf(Dialog& dialog, int field) {
    return ::GetDlgItem(dialog.Handle(), EntryDialog::FieldEditIds[field]);
}

bool IsReadOnly(HWND edit) {
    return (::GetWindowLongPtrA(edit, GWL_STYLE) & ES_READONLY) != 0;
}

} // namespace

// Typed into in add and change mode and confirmed is e2e/flow-german-dialogs.sh.

// An edit ends its text at a NUL byte, which a field may hold: OK hands back
// such a field as it was unless its edit was changed. Tracks typed past the
// system's default limit of some 32,000 characters arrive whole.
TEST(EntryDialog, AFieldTheEditCannotShowWholeComesBackWholeUnlessChanged) {
    kvtest::TestApp app;
    kvtest::ModalScript script(app);
    DiscEntry original = SampleEntry();
    original.Artist = std::string("Die\0Band", 8);
    original.Notes = std::string("eins\r\n\0zwei", 11);
    std::string longTracks;
    while (longTracks.size() < 40000)
        longTracks += "Track " + std::to_string(longTracks.size()) + "\r\n";
    for (const bool change : {false, true}) {
        EntryDialog dialog(EntryDialog::ChangeMode);
        dialog.SetEntry(original);
        script.Then([&](Dialog& d) {
            EXPECT_EQ(kvtest::TextOf(EditOf(d, 0)), "Die");
            if (change) {
                ::SetWindowTextA(EditOf(d, 0), "Die Band");
                ::SendMessageA(EditOf(d, 4), EM_SETSEL, 0, -1);
                ::SendMessageA(EditOf(d, 4), EM_REPLACESEL, FALSE,
                               reinterpret_cast<LPARAM>(longTracks.c_str()));
            }
            kvtest::Press(d, IDOK);
        });
        EXPECT_EQ(app.RunModal(dialog), IDOK);
        DiscEntry expected = original;
        if (change) {
            expected.Artist = "Die Band";
            expected.Tracks = longTracks;
        }
        for (int field = 0; field < DiscEntry::FieldCount; ++field)
            EXPECT_EQ(dialog.Entry().Field(field), expected.Field(field)) << field << change;
    }
}

// Not even text a program put into an edit is copied back.
TEST(EntryDialog, ShowModeIsReadOnlyWithOnlyTheCloseButtonAndHandsNothingBack) {
    kvtest::TestApp app;
    kvtest::ModalScript script(app);
    EntryDialog dialog(EntryDialog::ShowMode);
    dialog.SetEntry(SampleEntry());
    script.Then([&](Dialog& d) {
        EXPECT_EQ(d.GetText(), "Eintrag anzeigen");
        HWND close = ::GetDlgItem(d.Handle(), IDOK);
        EXPECT_EQ(::GetFocus(), close);
        EXPECT_EQ(kvtest::TextOf(close), "Schlie\xDF"
                                         "en");
        EXPECT_TRUE(::IsWindowVisible(close));
        EXPECT_FALSE(d.Item(IDCANCEL).IsVisible());
        EXPECT_FALSE(d.Item(EntryDialog::PlaylistButtonId).IsVisible());
        EXPECT_TRUE(d.Item(IDC_HELP_BUTTON).IsVisible());
        const DiscEntry shown = SampleEntry();
        for (int field = 0; field < DiscEntry::FieldCount; ++field) {
            HWND edit = EditOf(d, field);
            EXPECT_TRUE(IsReadOnly(edit)) << field;
            EXPECT_EQ(kvtest::TextOf(edit), shown.Field(field)) << field;
        }
        ::SetWindowTextA(EditOf(d, 0), "ge\xE4ndert");
        d.Item(IDOK).Post(BM_CLICK);
    });
    EXPECT_EQ(app.RunModal(dialog), IDOK);
    EXPECT_EQ(dialog.Entry().CompareAll(SampleEntry()), 0);
}

TEST(EntryDialog, PlaylistLinesAreAddedToTheTracksOnANewLine) {
    kvtest::TempFolder folder;
    const std::string playlist = folder.File("Liste.m3u");
    kvtest::WriteText(playlist, "#EXTM3U\r\n#EXTINF:1,A - Eins\r\n#EXTINF:2,Zwei\r\n");
    const struct {
        const char* tracks;
        int playlistAnswer; // in the playlist window
        const char* expected;
    } cases[] = {
        {"", IDOK, "Eins\r\nZwei"},
        {"Intro", IDOK, "Intro\r\nEins\r\nZwei"},
        {"Intro", IDCANCEL, "Intro"},
    };
    for (const auto& c : cases) {
        kvtest::TestApp app;
        kvtest::ModalScript script(app);
        EntryDialog dialog(EntryDialog::ChangeMode);
        dialog.SetEntry(kvtest::Entry("", "", "", "", c.tracks));
        script.Then([&](Dialog& d) {
            kvtest::Press(d, EntryDialog::PlaylistButtonId);
            EXPECT_EQ(kvtest::TextOf(EditOf(d, 4)), c.expected) << c.playlistAnswer;
            kvtest::Press(d, IDOK);
        });
        script.ChooseFile(playlist).Then([&](Dialog& window) {
            EXPECT_EQ(::GetWindow(window.Handle(), GW_OWNER), dialog.Handle());
            kvtest::Press(window, c.playlistAnswer);
        });
        EXPECT_EQ(app.RunModal(dialog), IDOK);
        EXPECT_EQ(dialog.Entry().Tracks, c.expected) << c.playlistAnswer;
    }
}
