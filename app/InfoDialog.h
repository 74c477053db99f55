#pragma once

#include "resources/resource.h"
#include "support/win32/AppDialog.h"

#include <windows.h>

#include <string>

namespace kolvane {

// "Info": product and version, copyright line and the linked libraries, all
// read from the version resource of the program file when the dialog opens.
class InfoDialog : public zul::Windows::AppDialog {
public:
    static constexpr int ProductLineId = IDC_INFO_PRODUCT;
    static constexpr int CopyrightId = IDC_INFO_COPYRIGHT;
    static constexpr int LibrariesId = IDC_INFO_LIBS;

    // programFile: whose version resource to show; empty = the running program.
    explicit InfoDialog(HWND parent = nullptr, std::string programFile = std::string());

protected:
    bool OnInitDialog() override;

private:
    std::string programFile_;
};

} // namespace kolvane
