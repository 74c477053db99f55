#pragma once

#include "core/DiscEntry.h"
#include "resources/resource.h"
#include "support/win32/AppDialog.h"

#include <windows.h>

#include <string>

namespace kolvane {

// One disc entry with all six fields, for adding, changing or only viewing.
// The dialog works on a copy: the caller sets the entry, runs the dialog
// through WinApp::RunModal and, after OK in add or change mode, reads the
// entry back and decides what to do with it.
class EntryDialog : public zul::Windows::AppDialog {
public:
    enum Mode : int { AddMode = 0, ChangeMode = 1, ShowMode = 2 };

    explicit EntryDialog(int mode, HWND parent = nullptr);

    int GetMode() const { return mode_; }
    void SetEntry(const DiscEntry& entry) { entry_ = entry; }
    const DiscEntry& Entry() const { return entry_; }

    // The edit of each entry field, in field order (artist, title, year,
    // disc id, tracks, notes).
    static constexpr int FieldEditIds[DiscEntry::FieldCount] = {
        IDC_ENTRY_ARTIST,  IDC_ENTRY_TITLE,  IDC_ENTRY_YEAR,
        IDC_ENTRY_DISC_ID, IDC_TRACKS_EDIT, IDC_NOTES_EDIT};
    static constexpr int PlaylistButtonId = IDC_ENTRY_M3U;

protected:
    bool OnInitDialog() override;
    void OnOK() override;

private:
    // "...": track names from a playlist, added to the tracks.
    void OnPlaylistButton();

    int mode_;
    DiscEntry entry_;
    // What each edit showed when the dialog opened. An edit cannot hold every
    // text a field can (a NUL byte ends it): a field whose edit still shows
    // that keeps its own bytes.
    std::string shown_[DiscEntry::FieldCount];
};

} // namespace kolvane
