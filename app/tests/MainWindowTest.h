#pragma once

// The main window of a test, shown with the list focused; its settings and the
// import window's cleared before and after.
#include "app/MainDialog.h"
#include "core/DiscEntry.h"
#include "exchange/SettingsSections.h"
#include "support/win32/WinApp.h"
#include "testkit/Entries.h"
#include "testkit/win32/Input.h"
#include "testkit/win32/ModalScript.h"
#include "resources/resource.h"

#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

class MainWindowTest : public testing::Test {
protected:
    void SetUp() override {
        ClearSettings();
        store = zul::Windows::WinApp::Current()->Settings();
        ASSERT_NE(store, nullptr);
    }
    void TearDown() override {
        if (main.Handle() != nullptr)
            ::DestroyWindow(main.Handle());
        ClearSettings();
    }
    // Shown with these entries as if loaded: the collection not modified.
    void Show(const kolvane::DiscCollection& entries = {}) {
        ASSERT_TRUE(main.Create(nullptr));
        ::ShowWindow(main.Handle(), SW_SHOWNORMAL);
        ::SetForegroundWindow(main.Handle());
        Load(entries);
        ::SetFocus(List());
        kvtest::Drain(main);
    }
    void Load(const kolvane::DiscCollection& entries) {
        main.View().AppendAll(entries, false);
        main.View().SetModified(false);
        main.RefreshAll();
    }
    HWND List() const { return ::GetDlgItem(main.Handle(), kolvane::MainDialog::ListId); }
    // The current application's store: a test may have one of its own.
    static void ClearSettings() {
        for (const char* section : {kolvane::MainWindowSection, kolvane::ImportWindowSection})
            zul::Windows::WinApp::Current()->Settings()->DeleteSection(section);
    }

    zul::SettingsStore* store = nullptr; // the test's application's, in the test's own key
    kolvane::MainDialog main;
};
