#pragma once

// The program's texts and help command for the framework's own windows: the
// message box, the help display, the file dialogs, the dialogs' help key and
// the status line that shows the progress of long operations.

#include "resources/resource.h"
#include "support/win32/ApplicationHost.h"

namespace kolvane {

inline constexpr zul::Windows::FrameworkResources ProgramResources{
    .applicationTitle = IDS_APP_TITLE,
    .errorCaption = IDS_CAPTION_ERROR,
    .warningCaption = IDS_CAPTION_WARNING,
    .closeButton = IDS_MSG_CLOSE,
    .helpButton = IDS_MSG_HELP,
    .helpPageFailed = IDS_HELP_PAGE_FAILED,
    .helpFileFailed = IDS_HELP_FILE_FAILED,
    .unexpectedError = IDS_ERR_000,
    .openPathTooLong = IDS_ERR_008,
    .savePathTooLong = IDS_ERR_012,
    .helpCommand = IDC_HELP_BUTTON,
    .statusLine = IDC_STATUS_LINE,
};

} // namespace kolvane
