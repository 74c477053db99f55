#pragma once

#include "core/DiscEntry.h"
#include "core/win32/RecordListDialog.h"
#include "exchange/ImportKind.h"
#include "resources/resource.h"
#include "support/win32/Window.h"

#include <windows.h>

#include <functional>
#include <string>

namespace kolvane {

// The window in which the user picks the entries of a foreign file to take
// over: a record list window of its own (list, side pane, sort, search,
// settings section ImportWindowSection) that asks for its file as it opens,
// reads it with the reader of its kind and, on "&Importieren", hands back
// copies of the selected entries in the order the list shows them.
//
// A file dialog that is cancelled, a file that cannot be read and a file
// without entries end the run with IDCANCEL before the window is shown.
class ImportWindow : public RecordListDialog {
public:
    static constexpr int ImportButtonId = IDOK;
    static constexpr int CancelButtonId = IDCANCEL;
    static constexpr int HelpButtonId = IDC_HELP_BUTTON;

    // Shows an entry read-only, owned by parent (the entry dialog in show
    // mode, which the program passes in).
    using ShowEntryFunction = std::function<void(const DiscEntry& entry, HWND parent)>;

    ImportWindow(ImportKind kind, HWND owner, ShowEntryFunction showEntry = {});

    ImportKind Kind() const { return kind_; }
    // The entries chosen with "&Importieren", in display order; empty before.
    const DiscCollection& ChosenEntries() const { return chosenEntries_; }

    void UpdateTitle() override;
    void LoadSettings() override;
    void SaveSettings() override;
    int LoadFile(const std::string& path) override;
    void MeasureLayout() override;
    void Layout(int width, int height) override;

    // Shows the one selected entry; nothing while more or none are selected.
    void OnShowEntry();

    INT_PTR ExecuteModal(HWND owner, const zul::Windows::ModalHook& started) override;

protected:
    bool OnInitDialog() override;
    bool OnNotify(int id, NMHDR& header, LRESULT& result) override;
    bool OnContextMenu(HWND window, POINT screen) override;
    void OnOK() override;

private:
    ImportKind kind_;
    ShowEntryFunction showEntry_;
    DiscCollection chosenEntries_;
    zul::Windows::Window importButton_;
    zul::Windows::Window cancelButton_;
    zul::Windows::Window helpButton_;
};

} // namespace kolvane
