// The record list window: splitters, status line, painting, settings.
#include "core/win32/tests/TestListWindow.h"

#include "testkit/win32/Input.h"
#include "testkit/win32/WindowImage.h"

using namespace kvtest;
using zul::Windows::Window;

namespace {

class RecordListDialogTest : public testing::Test {
protected:
    void SetUp() override {
        store = &ListSettings();
        ASSERT_NE(store, nullptr);
        store->DeleteSection(TestListWindow::Section);
    }
    void TearDown() override { store->DeleteSection(TestListWindow::Section); }

    static POINT BaseUnits(HWND dialog) {
        RECT r{0, 0, 4, 8};
        ::MapDialogRect(dialog, &r);
        return {r.right, r.bottom};
    }
    static RECT RectOf(HWND window) { return Window(window).RectInParent(); }
    static void Scroll(HWND window, UINT message, HWND bar, int code, int position) {
        ::PostMessageA(window, message, MAKEWPARAM(code, position), reinterpret_cast<LPARAM>(bar));
        Drain();
    }
    static RECT Client(HWND window) { return Window(window).ClientRect(); }

    zul::SettingsStore* store = nullptr;
};

} // namespace

// Drawn as an outline the panes move at the end of a drag; live, with it.
TEST_F(RecordListDialogTest, DragsMoveThePanesAtTheEndOrLiveAndTheDefaultSizeComesBack) {
    for (const bool outline : {true, false}) {
        SCOPED_TRACE(outline);
        if (outline) {
            ASSERT_TRUE(store->OpenSection(TestListWindow::Section));
            store->PutBool("DragDraw", false);
            store->CloseSection();
        } else {
            store->DeleteSection(TestListWindow::Section);
        }
        TestListWindow window;
        window.Open();
        EXPECT_EQ(window.SplitterV().Outline(), outline ? 1 : 0);
        EXPECT_EQ(window.SplitterH().Outline(), outline ? 1 : 0);
        HWND w = window.Handle();
        const int pane = window.PaneWidth();
        const int target = Client(w).right - pane - 30;
        const int start = window.SplitterV().Position();
        HWND bar = window.SplitterV().Handle();
        Scroll(w, WM_HSCROLL, bar, SB_THUMBTRACK, target);
        EXPECT_EQ(window.PaneWidth(), outline ? pane : pane + 30);
        EXPECT_EQ(RectOf(::GetDlgItem(w, IDC_TRACKS_EDIT)).left,
                  (outline ? start : target) + window.SplitterV().HalfThickness());
        Scroll(w, WM_HSCROLL, bar, SB_THUMBPOSITION, target);
        EXPECT_EQ(window.PaneWidth(), pane + 30);
        EXPECT_EQ(window.SplitterV().Position(), target);
        const int notes = window.NotesHeight();
        const int top = Client(w).bottom - notes - 10;
        Scroll(w, WM_VSCROLL, window.SplitterH().Handle(), SB_THUMBTRACK, top);
        EXPECT_EQ(window.NotesHeight(), outline ? notes : notes + 10);
        Scroll(w, WM_VSCROLL, window.SplitterH().Handle(), SB_THUMBPOSITION, top);
        EXPECT_EQ(window.NotesHeight(), notes + 10);
        Command(w, IDM_SIDE_PANE_DEFAULT);
        EXPECT_EQ(window.PaneWidth(), BaseUnits(w).x * 160 / 4);
    }
}

// The defaults, then a stored section read with its conversions and written
// back in the value kinds it came in.
TEST_F(RecordListDialogTest, DefaultsAndASettingsRoundTripWithConversions) {
    {
        TestListWindow window;
        window.Open();
        const POINT base = BaseUnits(window.Handle());
        HWND list = window.View().List().Handle();
        const int widths[] = {120, 150, 60, 70};
        for (int column = 0; column < 4; ++column)
            EXPECT_EQ(ListView_GetColumnWidth(list, column), widths[column]);
        EXPECT_TRUE(window.ShowsSidePane() && window.ShowsGrid());
        EXPECT_EQ(window.Document().WorkDir(), ".\\");
        EXPECT_EQ(window.View().DefaultSortColumn(), -1);
        EXPECT_EQ(window.View().DefaultSortAscending(), 1);
        EXPECT_EQ(window.NotesHeight(), base.y * 60 / 8);
        WINDOWPLACEMENT placement{sizeof(WINDOWPLACEMENT)};
        ::GetWindowPlacement(window.Handle(), &placement);
        const RECT stored{19, 32, 761, 478};
        EXPECT_TRUE(::EqualRect(&placement.rcNormalPosition, &stored));
    }

    ASSERT_TRUE(store->OpenSection(TestListWindow::Section));
    const int columns[4] = {80, 90, 40, 50};
    store->PutIntList("Columns", 4, columns);
    store->PutBool("AddInfo", false);
    store->PutBool("Grid", false);
    store->PutString("WorkDir", "C:\\Daten");
    store->PutInt("DefSortBy", 9);
    store->PutBool("DefSortUp", false);
    // Values that do not convert exactly, above the smallest notes height.
    const int metric[2] = {121, 81};
    store->PutIntList("InfoMetric", 2, metric);
    store->PutBool("DragDraw", false);
    store->CloseSection();
    {
        TestListWindow window;
        window.Open();
        const POINT base = BaseUnits(window.Handle());
        HWND list = window.View().List().Handle();
        EXPECT_EQ(ListView_GetColumnWidth(list, 1), 90);
        EXPECT_FALSE(window.ShowsSidePane());
        EXPECT_EQ(ListView_GetExtendedListViewStyle(list) & LVS_EX_GRIDLINES, 0u);
        EXPECT_EQ(window.Document().WorkDir(), "C:\\Daten\\");
        EXPECT_EQ(window.View().DefaultSortColumn(), 3); // clamped
        EXPECT_EQ(window.View().DefaultSortAscending(), 0);
        EXPECT_EQ(window.PaneWidth(), base.x * 121 / 4);
        EXPECT_EQ(window.NotesHeight(), base.y * 81 / 8);
        ListView_SetColumnWidth(list, 0, 111);
        ::SetWindowPos(window.Handle(), nullptr, 30, 40, 900, 600, SWP_NOZORDER);
        Command(window.Handle(), IDM_SIDE_PANE);
    } // closing writes the section

    HKEY key = nullptr;
    const std::string path = "Software\\" + zul::Windows::WinApp::Current()->RegistryBaseKey() +
                             "\\" + TestListWindow::Section;
    ASSERT_EQ(::RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &key), ERROR_SUCCESS);
    const struct {
        const char* name;
        DWORD type;
        DWORD size;
    } values[] = {
        {"Columns", REG_BINARY, 16},   {"AddInfo", REG_BINARY, 1},   {"Grid", REG_BINARY, 1},
        {"WorkDir", REG_SZ, 10},       {"DefSortBy", REG_BINARY, 4}, {"DefSortUp", REG_BINARY, 1},
        {"InfoMetric", REG_BINARY, 8}, {"DragDraw", REG_BINARY, 1},  {"Placement", REG_BINARY, 44}};
    for (const auto& value : values) {
        DWORD type = 0, size = 0;
        EXPECT_EQ(::RegQueryValueExA(key, value.name, nullptr, &type, nullptr, &size),
                  ERROR_SUCCESS)
            << value.name;
        EXPECT_EQ(type, value.type) << value.name;
        EXPECT_EQ(size, value.size) << value.name;
    }
    ::RegCloseKey(key);

    ASSERT_TRUE(store->OpenSection(TestListWindow::Section));
    int widths[4] = {};
    const int none[4] = {};
    store->GetIntList("Columns", 4, none, widths);
    EXPECT_EQ(widths[0], 111);
    EXPECT_TRUE(store->GetBool("AddInfo", false));
    EXPECT_EQ(store->GetString("WorkDir", ""), "C:\\Daten\\");
    EXPECT_EQ(store->GetInt("DefSortBy", -5), 3);
    // An unchanged pane is stored as it came.
    int stored[2] = {};
    store->GetIntList("InfoMetric", 2, none, stored);
    EXPECT_EQ(stored[0], 121);
    EXPECT_EQ(stored[1], 81);
    EXPECT_FALSE(store->GetBool("DragDraw", true));
    WINDOWPLACEMENT placement{};
    unsigned char nothing[44] = {};
    store->GetBinary("Placement", 44, nothing, reinterpret_cast<unsigned char*>(&placement));
    EXPECT_EQ(placement.rcNormalPosition.right - placement.rcNormalPosition.left, 900);
    store->CloseSection();
}

TEST_F(RecordListDialogTest, ABurstOfListChangesRefreshesOnce) {
    TestListWindow window;
    window.Open();
    std::vector<std::string> artists;
    for (int i = 0; i < 500; ++i)
        artists.push_back("Artist " + std::to_string(i));
    window.View().AppendAll(Entries(artists), false);
    HWND list = window.View().List().Handle();
    ::SetFocus(list);
    SelectRows(list, {0});
    const int before = window.refreshes;
    kvtest::PressKey(window, VK_END, kvtest::Shift);
    EXPECT_EQ(SelectedRows(list).size(), 500u);
    EXPECT_EQ(window.refreshes - before, 1);
    EXPECT_EQ(Window(::GetDlgItem(window.Handle(), IDC_STATUS_LINE)).GetText(),
              "500 Eintr\xE4ge, 500 ausgew\xE4hlt");
}

// The picture right after enlarging is the one a full repaint gives.
TEST_F(RecordListDialogTest, EnlargingPaintsWhatTheLayoutMoved) {
    TestListWindow window(1);
    window.Open();
    Drain(window);
    HWND w = window.Handle();
    const RECT outer = Window(w).WindowRect();
    ::SetWindowPos(w, nullptr, 0, 0, outer.right - outer.left + 200,
                   outer.bottom - outer.top + 150, SWP_NOMOVE | SWP_NOZORDER);
    Drain(window);
    const WindowImage resized(w);
    ::RedrawWindow(w, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    Drain(window);
    const WindowImage repainted(w);
    resized.Save("enlarged-as-shown.bmp");
    repainted.Save("enlarged-repainted.bmp");
    EXPECT_EQ(resized.Differences(repainted), 0);
}
