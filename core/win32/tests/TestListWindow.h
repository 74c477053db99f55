#pragma once

#include "core/win32/RecordListDialog.h"
#include "resources/resource.h"
#include "support/win32/WinApp.h"
#include "testkit/Entries.h"
#include "testkit/win32/Input.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

namespace kvtest {

// The store of every TestListWindow: the test application's, below the test
// program's own registry key.
inline zul::SettingsStore& ListSettings() {
    return *zul::Windows::WinApp::Current()->Settings();
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

protected:
    void SetUpWindow() override {
        RecordListDialog::SetUpWindow();
        RefreshAll(); // as the program's windows do once they are set up
    }

private:
    int rows_;
};

// A test with one open list window, its settings section cleared before.
class ListWindowTest : public testing::Test {
protected:
    void SetUp() override {
        ListSettings().DeleteSection(TestListWindow::Section);
        window.Open();
        list = window.View().List().Handle();
    }

    TestListWindow window;
    HWND list = nullptr;
};

} // namespace kvtest
