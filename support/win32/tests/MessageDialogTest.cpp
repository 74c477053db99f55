#include "support/win32/tests/TestResources.h"
#include "support/win32/Controls.h"
#include "support/win32/MessageDialog.h"
#include "support/win32/WinApp.h"
#include "testkit/win32/ModalScript.h"
#include "testkit/win32/TestApp.h"

#include <gtest/gtest.h>

#include <string>

using namespace zul::Windows;

TEST(MessageDialog, WarningHasItsCaptionAndTheExclamationIcon) {
    kvtest::TestApp app;
    kvtest::ModalScript script(app);
    script.Then([](Dialog& dialog) {
        auto& box = dynamic_cast<MessageDialog&>(dialog);
        EXPECT_EQ(box.GetText(), "WARNUNG");
        EXPECT_EQ(box.Kind(), MessageKind::Warning);
        EXPECT_TRUE(box.HasHelp());
        // The text keeps its line feeds as single characters.
        EXPECT_NE(box.Text().find("vorhanden.\n\nDer Export"), std::string::npos);
        bool exclamation = false;
        for (HWND child : kvtest::ChildWindows(box.Handle())) {
            const HICON icon = Static(child).GetIcon();
            exclamation |= icon == ::LoadIconA(nullptr, IDI_EXCLAMATION);
            if (icon == nullptr)
                EXPECT_EQ(Window(child).GetFont(), box.GetFont()) << "text in the box's font";
        }
        EXPECT_TRUE(exclamation);
        kvtest::Press(dialog, IDOK);
    });
    EXPECT_EQ(app.ShowWarning(IDS_TEST_WARN_501), IDOK);
    EXPECT_EQ(app.LastMessageId(), IDS_TEST_WARN_501);
}

TEST(MessageDialog, StringWithoutEntryShowsAnEmptyBox) {
    kvtest::TestApp app;
    kvtest::ModalScript script(app);
    script.ExpectMessage("", IDOK);
    EXPECT_EQ(app.ShowError(2599), IDOK);
    EXPECT_EQ(app.LastMessageId(), 2599);
}
