#include "app/EntryDialog.h"

#include "exchange/win32/M3uImportWindow.h"
#include "resources/HelpTopics.h"
#include "resources/resource.h"
#include "support/win32/Controls.h"
#include "support/win32/ResourceText.h"
#include "support/win32/WinApp.h"

namespace kolvane {

namespace {

static_assert(EntryDialog::FieldEditIds[0] == IDC_ENTRY_ARTIST &&
              EntryDialog::FieldEditIds[1] == IDC_ENTRY_TITLE &&
              EntryDialog::FieldEditIds[2] == IDC_ENTRY_YEAR &&
              EntryDialog::FieldEditIds[3] == IDC_ENTRY_DISC_ID &&
              EntryDialog::FieldEditIds[4] == IDC_TRACKS_EDIT &&
              EntryDialog::FieldEditIds[5] == IDC_NOTES_EDIT &&
              EntryDialog::PlaylistButtonId == IDC_ENTRY_M3U);

const char* HelpTopicOf(int mode) {
    switch (mode) {
    case EntryDialog::ChangeMode:
        return HelpTopicChangeEntry;
    case EntryDialog::ShowMode:
        return HelpTopicShowEntry;
    default:
        return HelpTopicAddEntry;
    }
}

UINT TitleOf(int mode) {
    switch (mode) {
    case EntryDialog::ChangeMode:
        return IDS_TITLE_CHANGE_ENTRY;
    case EntryDialog::ShowMode:
        return IDS_TITLE_SHOW_ENTRY;
    default:
        return IDS_TITLE_ADD_ENTRY;
    }
}

} // namespace

EntryDialog::EntryDialog(int mode, HWND parent)
    : AppDialog(0, IDR_ACCEL_DIALOG, IDD_ENTRY, parent), mode_(mode) {
    SetHelpTopic(HelpTopicOf(mode));
    AddCommand({PlaylistButtonId, [this] { OnPlaylistButton(); }});
}

bool EntryDialog::OnInitDialog() {
    AppDialog::OnInitDialog();
    SetText(zul::Windows::LoadResourceText(TitleOf(mode_)));
    for (int field = 0; field < DiscEntry::FieldCount; ++field) {
        zul::Windows::Edit edit(::GetDlgItem(window_, FieldEditIds[field]));
        // Typing and pasting would otherwise stop at the system's default
        // limit of some 32,000 characters; the fields have none.
        edit.SetLimit(0);
        edit.SetText(entry_.Field(field));
        shown_[field] = edit.GetText();
        if (mode_ == ShowMode) {
            edit.SetReadOnly(true);
        }
    }
    if (mode_ != ShowMode) {
        return true; // the artist edit, first in the tab order, gets the focus
    }
    Item(PlaylistButtonId).Show(SW_HIDE);
    Item(IDCANCEL).Show(SW_HIDE);
    const Window close = Item(IDOK);
    close.SetText(zul::Windows::LoadResourceText(IDS_CLOSE_BUTTON));
    ::SendMessageA(window_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(close.Handle()), TRUE);
    return false;
}

void EntryDialog::OnPlaylistButton() {
    if (mode_ == ShowMode)
        return;
    M3uImportWindow playlist(window_);
    if (zul::Windows::WinApp::Current()->RunModal(playlist) != IDOK)
        return;
    std::string tracks = ItemText(IDC_TRACKS_EDIT);
    if (!tracks.empty())
        tracks += "\r\n";
    tracks += playlist.ResultText();
    SetItemText(IDC_TRACKS_EDIT, tracks);
}

void EntryDialog::OnOK() {
    if (mode_ != ShowMode) {
        for (int field = 0; field < DiscEntry::FieldCount; ++field) {
            std::string text = ItemText(FieldEditIds[field]);
            if (text != shown_[field])
                entry_.Field(field) = std::move(text);
        }
    }
    AppDialog::OnOK();
}

} // namespace kolvane
