#include "app/CatalogApp.h"

#include "app/LegacySettings.h"
#include "app/MainDialog.h"
#include "core/win32/FileTypeTable.h"
#include "resources/HelpTopics.h"
#include "resources/ProgramResources.h"

namespace kolvane {

CatalogApp::CatalogApp() {
    SetResources(ProgramResources);
}

bool CatalogApp::InitInstance() {
    if (!WinApp::InitInstance()) {
        return false;
    }
    FileTypeTable::Shared().Load();
    SetHelpMode(HelpPages);
    for (const MessageHelpTopic& entry : MessageHelpTopics) {
        RegisterHelpTopic(entry.messageId, entry.topic);
    }
    TakeOverLegacySettings(*this);

    MainDialog main;
    SetMainWindow(&main);
    RunModal(main);
    SetMainWindow(nullptr);
    return false;
}

} // namespace kolvane
