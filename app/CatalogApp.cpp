#include "app/CatalogApp.h"

#include "resources/HelpTopics.h"
#include "resources/resource.h"
#include "support/win32/AppDialog.h"

namespace kolvane {

namespace {

// The main window until the record list window takes its place: dialog 101
// with the program's title, icon, accelerators and help page.
class PlainMainWindow : public zul::Windows::AppDialog {
public:
    PlainMainWindow() : AppDialog(IDI_APP, IDR_ACCEL_MAIN, IDD_MAIN) {
        SetHelpTopic(HelpTopicMainWindow);
    }

protected:
    bool OnInitDialog() override {
        AppDialog::OnInitDialog();
        if (auto* app = zul::Windows::WinApp::Current()) {
            SetText(app->AppName());
        }
        return true;
    }
};

} // namespace

bool CatalogApp::InitInstance() {
    if (!WinApp::InitInstance()) {
        return false;
    }
    SetHelpMode(HelpPages);
    for (const MessageHelpTopic& entry : MessageHelpTopics) {
        RegisterHelpTopic(entry.messageId, entry.topic);
    }

    PlainMainWindow main;
    SetMainWindow(&main);
    RunModal(main);
    SetMainWindow(nullptr);
    return false;
}

} // namespace kolvane
