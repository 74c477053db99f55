#include "app/CatalogApp.h"
#include "resources/HelpTopics.h"
#include "resources/resource.h"
#include "testkit/win32/ModalScript.h"
#include "testkit/win32/TestApp.h"

#include <gtest/gtest.h>

using namespace zul::Windows;

TEST(CatalogApp, StartUpRegistersTheMessageTopicsAndRunsTheMainWindowAsTheParentOfMessages) {
    kvtest::IsolatedApp<kolvane::CatalogApp> app;
    kvtest::ModalScript script(app);
    HWND mainWindow = nullptr;
    script.Then([&](Dialog& main) {
        mainWindow = main.Handle();
        EXPECT_EQ(main.TemplateId(), static_cast<UINT>(IDD_MAIN));
        EXPECT_EQ(app.MainWindow(), &main);
        EXPECT_EQ(app.GetHelpMode(), WinApp::HelpPages);
        EXPECT_NE(main.Send(WM_GETICON, ICON_BIG), 0);
        app.ShowError(IDS_ERR_010);
        ::PostMessageA(main.Handle(), WM_CLOSE, 0, 0); // nothing to save: it closes at once
    });
    script.Then([&](Dialog& box) {
        EXPECT_EQ(::GetWindow(box.Handle(), GW_OWNER), mainWindow);
        kvtest::Press(box, IDOK);
    });
    EXPECT_FALSE(app.InitInstance()); // the process ends after the main window
    EXPECT_EQ(app.MainWindow(), nullptr);
    EXPECT_EQ(app.AppName(), "Kolvane-Verwaltung");
    EXPECT_EQ(app.HelpTopicOf(IDS_ERR_000), "ref_meldungen.html#l_e000");
    EXPECT_EQ(app.HelpTopicOf(IDS_WARN_503), "ref_meldungen.html#l_w503");
    EXPECT_EQ(app.RegistryBaseKey().rfind(kvtest::TestRegistryBase(), 0), 0u);
}
