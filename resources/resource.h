// Resource ids of Kolvane-Verwaltung. Plain #defines so that the resource
// compiler and C++ (portable code included) read the same file.
#pragma once

// Icons, dialogs, menus, accelerator tables
#define IDI_APP 128
#define IDD_MAIN 101
#define IDR_ACCEL_DIALOG 130
#define IDR_ACCEL_MAIN 133
#define IDR_MENU_MAIN 136

// Common command ids of the dialogs
#define IDC_HELP_BUTTON 9

// Main window controls
#define IDC_RECORD_LIST 1000
#define IDC_TRACKS_EDIT 1025
#define IDC_NOTES_EDIT 1027
#define IDC_STATUS_LINE 1037

// Strings
#define IDS_STATUS_FORMAT 2000
#define IDS_PLACEHOLDER 2004
#define IDS_DELETE_ONE 2005
#define IDS_DELETE_MANY 2006
#define IDS_FILTER_NATIVE 2007
#define IDS_FILTER_CSV 2008
#define IDS_FILTER_M3U 2009
#define IDS_FILTER_CDPLAYER 2010
#define IDS_FILTER_LEGACY 2011
#define IDS_SORT_NONE 2012
#define IDS_SORT_ARTIST 2013
#define IDS_SORT_TITLE 2014
#define IDS_SORT_YEAR 2015
#define IDS_SORT_ID 2016
#define IDS_SORT_ASCENDING 2017
#define IDS_SORT_DESCENDING 2018
#define IDS_TITLE_ADD_ENTRY 2100
#define IDS_TITLE_CHANGE_ENTRY 2101
#define IDS_TITLE_IMPORT_CDPLAYER 2102
#define IDS_TITLE_IMPORT_NATIVE 2103
#define IDS_TITLE_IMPORT_LEGACY 2104
#define IDS_TITLE_IMPORT_M3U 2105
#define IDS_TITLE_SHOW_ENTRY 2106
#define IDS_CLOSE_BUTTON 2107
#define IDS_APP_TITLE 57344

// Numbered messages: errors "FEHLER 000".."FEHLER 014", warnings 501..503
#define IDS_ERR_000 2500
#define IDS_ERR_001 2501
#define IDS_ERR_002 2502
#define IDS_ERR_003 2503
#define IDS_ERR_004 2504
#define IDS_ERR_005 2505
#define IDS_ERR_006 2506
#define IDS_ERR_007 2507
#define IDS_ERR_008 2508
#define IDS_ERR_009 2509
#define IDS_ERR_010 2510
#define IDS_ERR_011 2511
#define IDS_ERR_012 2512
#define IDS_ERR_013 2513
#define IDS_ERR_014 2514
#define IDS_WARN_501 2800
#define IDS_WARN_502 2801
#define IDS_WARN_503 2802
