#pragma once

#include "core/win32/RecordListDialog.h"
#include "resources/resource.h"
#include "support/win32/RegistryKey.h"
#include "support/win32/RegistrySettingsStore.h"

#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kvtest {

// The settings of every TestListWindow of the run: the real registry store
// under a base key of this test program's own, removed with everything
// beneath it when the program ends.
class TestRegistrySettings : public zul::Windows::RegistrySettingsStore {
public:
    static constexpr char Base[] = "KvTests\\CoreWin32";
    TestRegistrySettings() : RegistrySettingsStore(Base) { RemoveBase(); }
    ~TestRegistrySettings() override {
        CloseSection();
        RemoveBase();
    }
    static void RemoveBase() {
        zul::Windows::RegistryKey software;
        if (software.Open(HKEY_CURRENT_USER, "Software") != ERROR_SUCCESS)
            return;
        software.DeleteSubKeyTree(Base);
        // The common parent only when no other test program has a key there.
        software.DeleteSubKey("KvTests");
    }
};

inline TestRegistrySettings& ListSettings() {
    static TestRegistrySettings store;
    return store;
}

// A record list window as the tests use it: dialog 101 with menu 136, the
// list commands' states switched in that menu, and, with button rows, the
// buttons 1 and 9 placed in the first and last column of row 0.
class TestListWindow : public kolvane::RecordListDialog {
public:
    static constexpr char Section[] = "KvTestList";

    explicit TestListWindow(int buttonRows = 0)
        : RecordListDialog(Section, IDD_MAIN, IDR_ACCEL_MAIN), rows_(buttonRows) {}
    ~TestListWindow() override { Close(); }

    // Creates the window (settings are read) and shows it.
    void Open() {
        ASSERT_TRUE(Create(nullptr));
        ::ShowWindow(Handle(), SW_SHOWNORMAL);
        ::UpdateWindow(Handle());
    }
    // Destroys the window, which writes its settings.
    void Close() {
        if (Handle() != nullptr)
            ::DestroyWindow(Handle());
    }

    void UpdateCommandStates() override {
        ++commandStateUpdates;
        RecordListDialog::UpdateCommandStates();
    }
    void RefreshAll() override {
        ++refreshes;
        RecordListDialog::RefreshAll();
    }
    void MeasureLayout() override {
        SetButtonRows(rows_);
        RecordListDialog::MeasureLayout();
    }
    void Layout(int width, int height) override {
        RecordListDialog::Layout(width, height);
        if (rows_ > 0 && Item(IDOK).Handle() != nullptr) {
            zul::Windows::Window close = Item(IDOK);
            zul::Windows::Window help = Item(IDC_HELP_BUTTON);
            PlaceButton(close, 0, 0);
            PlaceButton(help, -1, 0);
        }
    }

    int refreshes = 0;
    int commandStateUpdates = 0;

protected:
    zul::SettingsStore* Settings() const override { return &ListSettings(); }
    void SetUpWindow() override {
        RecordListDialog::SetUpWindow();
        RefreshAll(); // as the program's windows do once they are set up
    }

private:
    int rows_;
};

inline void Command(HWND window, int id) {
    ::SendMessageA(window, WM_COMMAND, MAKEWPARAM(id, 0), 0);
}

// Handles what is posted, such as the splitter bars' notifications.
inline void Pump() {
    MSG message;
    while (::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&message);
        ::DispatchMessageA(&message);
    }
}

// The text the real list shows in a cell: it asks the window for it.
inline std::string CellText(HWND list, int row, int column) {
    char buffer[512] = {};
    LVITEMA item{};
    item.iSubItem = column;
    item.pszText = buffer;
    item.cchTextMax = sizeof(buffer);
    const LRESULT length =
        ::SendMessageA(list, LVM_GETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item));
    return std::string(buffer, static_cast<size_t>(length));
}

// Column 0 of every row, top to bottom.
inline std::string ArtistColumn(HWND list) {
    std::string text;
    const int rows = ListView_GetItemCount(list);
    for (int row = 0; row < rows; ++row) {
        if (row > 0)
            text += ",";
        text += CellText(list, row, 0);
    }
    return text;
}

inline kolvane::DiscEntry Entry(const std::string& artist, const std::string& title = "",
                                const std::string& year = "", const std::string& id = "") {
    kolvane::DiscEntry e;
    e.Artist = artist;
    e.Title = title;
    e.Year = year;
    e.DiscId = id;
    return e;
}

inline kolvane::DiscCollection Entries(const std::vector<std::string>& artists) {
    kolvane::DiscCollection entries;
    for (const std::string& artist : artists)
        entries.push_back(Entry(artist));
    return entries;
}

// A left click on a column heading of the real header control.
inline void ClickHeader(HWND list, int column) {
    HWND header = ListView_GetHeader(list);
    RECT r{};
    Header_GetItemRect(header, column, &r);
    const LPARAM point = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    ::SendMessageA(header, WM_LBUTTONDOWN, MK_LBUTTON, point);
    ::SendMessageA(header, WM_LBUTTONUP, 0, point);
    Pump();
}

inline std::vector<int> SelectedRows(HWND list) {
    std::vector<int> rows;
    for (int row = ListView_GetNextItem(list, -1, LVNI_SELECTED); row >= 0;
         row = ListView_GetNextItem(list, row, LVNI_SELECTED))
        rows.push_back(row);
    return rows;
}

inline int FocusedRow(HWND list) {
    return ListView_GetNextItem(list, -1, LVNI_FOCUSED);
}

inline bool MenuEnabled(HWND window, UINT id) {
    return (::GetMenuState(::GetMenu(window), id, MF_BYCOMMAND) & (MF_GRAYED | MF_DISABLED)) == 0;
}

inline bool MenuChecked(HWND window, UINT id) {
    return (::GetMenuState(::GetMenu(window), id, MF_BYCOMMAND) & MF_CHECKED) != 0;
}

} // namespace kvtest
