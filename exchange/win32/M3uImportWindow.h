#pragma once

#include "exchange/M3uTrackList.h"
#include "resources/resource.h"
#include "support/Progress.h"
#include "support/win32/AppDialog.h"
#include "support/win32/Controls.h"
#include "support/win32/ListView.h"

#include <windows.h>
#include <commctrl.h>

#include <string>

namespace kolvane {

// Track names from an extended M3U playlist: the window asks for the playlist
// as it opens, lists its items one per row, all selected, and hands back the
// texts of the rows the user keeps, with or without the artist before each
// title. It closes at once with Cancel when no playlist was read. Its check
// box, folder and placement are kept in M3uWindowSection.
class M3uImportWindow : public zul::Windows::AppDialog {
public:
    static constexpr int ListId = IDC_M3U_LIST;
    static constexpr int WithArtistsId = IDC_M3U_WITH_ARTISTS;
    static constexpr int StatusId = IDC_STATUS_LINE;
    // Posted to itself by a burst of row changes: one update for all of them.
    static constexpr UINT UpdateMessage = WM_APP + 0x102;

    explicit M3uImportWindow(HWND parent = nullptr);

    // After OK: the texts of the chosen rows in list order, joined by CR LF,
    // without a line break at the end.
    const std::string& ResultText() const { return resultText_; }
    // Name and extension of the playlist read; empty until a read succeeded.
    const std::string& FileName() const { return fileName_; }
    // The folder the playlist dialog starts in, ending in a backslash.
    const std::string& WorkDir() const { return workDir_; }
    const M3uTrackList& Tracks() const { return tracks_; }
    bool WithArtists() const { return IsItemChecked(WithArtistsId); }
    int StatusHeight() const { return statusHeight_; }
    int CheckRowHeight() const { return checkRowHeight_; }

    void MeasureLayout() override;
    void Layout(int width, int height) override;

protected:
    bool OnInitDialog() override;
    bool OnNotify(int id, NMHDR& header, LRESULT& result) override;
    bool OnContextMenu(HWND window, POINT screen) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    void OnOK() override;
    void OnDestroy() override;

private:
    void LoadSettings();
    void SaveSettings() const;
    // Asks for the playlist and reads it; true when it gave rows.
    bool OpenPlaylist();
    // One row per item, its text by the check box; a progress is told of
    // each row put in.
    void FillRows(zul::Progress* progress = nullptr);
    // The texts of the rows again, after the check box changed.
    void ShowTexts();
    // A progress, when given, is told of each row.
    void SelectAll(bool select, zul::Progress* progress = nullptr);
    // Column width, title, command states, status line, focus cues.
    void UpdateWindow();
    void FitColumn() const;
    void SupplyRowText(NMLVDISPINFOA& info) const;

    zul::Windows::ListView list_;
    zul::Windows::Static statusLine_;
    M3uTrackList tracks_;
    std::string workDir_;
    std::string fileName_;
    std::string statusFormat_;
    std::string resultText_;
    int checkRowHeight_ = 0;
    int statusHeight_ = 0;
    // While rows are filled or selected in bulk, their changes update nothing:
    // the bulk operation updates once at its end.
    bool changingInBulk_ = false;
    bool updatePending_ = false;
};

} // namespace kolvane
