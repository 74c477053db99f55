#include "app/CatalogApp.h"

#include "app/MainDialog.h"
#include "resources/HelpTopics.h"
#include "resources/resource.h"

namespace kolvane {

bool CatalogApp::InitInstance() {
    if (!WinApp::InitInstance()) {
        return false;
    }
    SetHelpMode(HelpPages);
    for (const MessageHelpTopic& entry : MessageHelpTopics) {
        RegisterHelpTopic(entry.messageId, entry.topic);
    }

    MainDialog main;
    SetMainWindow(&main);
    RunModal(main);
    SetMainWindow(nullptr);
    return false;
}

} // namespace kolvane
