#include "app/InfoDialog.h"

#include "resources/HelpTopics.h"
#include "support/TextHelpers.h"
#include "support/win32/ProgramPath.h"
#include "support/win32/VersionInfo.h"

#include <utility>
#include <vector>

namespace kolvane {

InfoDialog::InfoDialog(HWND parent, std::string programFile)
    : AppDialog(0, IDR_ACCEL_DIALOG, IDD_INFO, parent), programFile_(std::move(programFile)) {
    SetHelpTopic(HelpTopicInfo);
}

bool InfoDialog::OnInitDialog() {
    AppDialog::OnInitDialog();
    const std::string file = programFile_.empty() ? zul::Windows::ProgramPath() : programFile_;
    zul::Windows::VersionInfo version;
    // Without a readable resource the three texts stay empty.
    const bool loaded = version.Load(file, 0);
    std::vector<std::string> libraries;
    version.GetLinkedLibs(libraries);
    SetItemText(ProductLineId, loaded ? version.GetProductLine() : std::string());
    SetItemText(CopyrightId, version.GetValue("LegalCopyright"));
    SetItemText(LibrariesId, zul::JoinTexts(libraries, "\n"));
    version.Clear();
    ::SendMessageA(window_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Item(IDOK).Handle()), TRUE);
    return false;
}

} // namespace kolvane
