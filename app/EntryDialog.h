#pragma once

#include "core/DiscEntry.h"
#include "support/win32/AppDialog.h"

#include <windows.h>

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
    static constexpr int FieldEditIds[DiscEntry::FieldCount] = {1026, 1028, 1031, 1029, 1025, 1027};
    static constexpr int PlaylistButtonId = 1207;

protected:
    bool OnInitDialog() override;
    void OnOK() override;

private:
    int mode_;
    DiscEntry entry_;
};

} // namespace kolvane
