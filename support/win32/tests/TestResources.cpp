// The support tests show their own resources' texts.
#include "support/win32/tests/TestResources.h"

#include "testkit/win32/TestApp.h"

zul::Windows::FrameworkResources kvtest::TestFrameworkResources() {
    return {
        .applicationTitle = IDS_TEST_APP_TITLE,
        .errorCaption = IDS_TEST_CAPTION_ERROR,
        .warningCaption = IDS_TEST_CAPTION_WARNING,
        .closeButton = IDS_TEST_CLOSE,
        .helpButton = IDS_TEST_HELP,
        .helpPageFailed = IDS_TEST_HELP_PAGE_FAILED,
        .helpFileFailed = IDS_TEST_HELP_FILE_FAILED,
        .unexpectedError = IDS_TEST_ERR_000,
        .openPathTooLong = IDS_TEST_ERR_008,
        .savePathTooLong = IDS_TEST_ERR_012,
        .helpCommand = IDC_TEST_HELP,
    };
}
