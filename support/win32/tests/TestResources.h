#pragma once

// The support tests' own resources (TestResources.rc), so that the framework is tested without
// the program's; menu items no test names have plain numbers there.

#define IDI_TEST 100
#define IDD_TEST_WINDOW 101
#define IDD_TEST_FORM 102
#define IDR_TEST_MENU 103
#define IDR_TEST_ACCEL_FORM 105

#define IDC_TEST_HELP 9 // the help command, as the framework is told (TestResources.cpp)
#define IDC_TEST_LIST 1000
#define IDC_TEST_TEXT 1001
#define IDC_TEST_UP 1002

#define IDM_TEST_SAVE 1101
#define IDM_TEST_TOGGLE 1105
#define IDM_TEST_CHANGE 1107

#define IDS_TEST_APP_TITLE 200
#define IDS_TEST_CAPTION_ERROR 201
#define IDS_TEST_CAPTION_WARNING 202
#define IDS_TEST_CLOSE 203
#define IDS_TEST_HELP 204
#define IDS_TEST_HELP_PAGE_FAILED 205
#define IDS_TEST_HELP_FILE_FAILED 206

#define IDS_TEST_ERR_000 300
#define IDS_TEST_ERR_002 302
#define IDS_TEST_ERR_003 303
#define IDS_TEST_ERR_004 304
#define IDS_TEST_ERR_008 308
#define IDS_TEST_ERR_012 312
#define IDS_TEST_WARN_501 401
