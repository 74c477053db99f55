// Resource ids of Kolvane-Verwaltung. Plain #defines so that the resource
// compiler and C++ (portable code included) read the same file.
#pragma once

// Icons, dialogs, menus, accelerator tables
#define IDI_APP 128
#define IDD_MAIN 101
#define IDR_ACCEL_DIALOG 130
#define IDR_ACCEL_MAIN 133
#define IDR_MENU_MAIN 136
#define IDR_MENU_CONTEXT 145
#define IDD_SAVE_PROMPT 132
#define IDD_ENTRY 138
#define IDD_DELETE_CONFIRM 139
#define IDD_SEARCH 144
#define IDD_QUESTION 150

// Common command ids of the dialogs
#define IDC_HELP_BUTTON 9

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif

// Main window commands (menu 136, accelerators 133, context menu 145)
#define IDM_NEW 1001
#define IDM_LOAD 1002
#define IDM_SAVE 1003
#define IDM_SAVE_AS 1004
#define IDM_CHANGE 1005
#define IDM_DELETE 1006
#define IDM_INSERT 1007
#define IDM_SETTINGS 1008
#define IDM_IMPORT_CDPLAYER 1009
#define IDM_IMPORT_NATIVE 1010
#define IDM_IMPORT_LEGACY 1011
#define IDM_EXPORT_CDPLAYER 1012
#define IDM_EXPORT_NATIVE 1013
#define IDM_EXPORT_CSV 1014
#define IDM_PRINT 1015
#define IDM_INFO 1016
#define IDM_SELECT_ALL 1017
#define IDM_SELECT_NONE 1018
#define IDM_SEARCH 1019
#define IDM_SEARCH_NEXT 1020
#define IDM_SIDE_PANE 1021
#define IDM_SIDE_PANE_DEFAULT 1043
#define IDM_GRID 1044
#define IDM_HOT_EDIT 1045
#define IDM_HELP_START 1046
#define IDM_BUTTONS 1052

// Import window: dialog 140, menu 141, accelerators 142, context menu 146;
// its buttons are IDOK ("&Importieren"), IDCANCEL and IDC_HELP_BUTTON, its
// list, edits and status line those of the main window.
#define IDD_IMPORT 140
#define IDR_MENU_IMPORT 141
#define IDR_ACCEL_IMPORT 142
#define IDR_MENU_IMPORT_CONTEXT 146
#define IDM_SHOW_ENTRY 1022

// Entry dialog 138 (tracks and notes share the ids of the main window's edits)
#define IDC_ENTRY_ARTIST 1026
#define IDC_ENTRY_TITLE 1028
#define IDC_ENTRY_DISC_ID 1029
#define IDC_ENTRY_YEAR 1031
#define IDC_ENTRY_M3U 1207

// Search dialog 144
#define IDC_SEARCH_TEXT 1024
#define IDC_SEARCH_UP 1040
#define IDC_SEARCH_DOWN 1042

// Confirmation dialogs 132 and 139
#define IDC_QUESTION_ICON 1023
#define IDC_DELETE_TEXT 1030

// Questions about files (dialog 150)
#define IDC_QUESTION_TEXT 1060

// Export of the selection: field choice dialog 102
#define IDD_EXPORT_FIELDS 102
#define IDC_EXPORT_ARTIST 1201
#define IDC_EXPORT_TITLE 1202
#define IDC_EXPORT_YEAR 1203
#define IDC_EXPORT_DISC_ID 1204
#define IDC_EXPORT_TRACKS 1205
#define IDC_EXPORT_NOTES 1206

// Settings dialog 134 ("Einstellungen")
#define IDD_SETTINGS 134
#define IDC_SETTINGS_DEL_CHK 1032
#define IDC_SETTINGS_MAIN_ADD_INFO 1033
#define IDC_SETTINGS_IMPORT_ADD_INFO 1034
#define IDC_SETTINGS_SORT_BY 1035
#define IDC_SETTINGS_SORT_DIRECTION 1036
#define IDC_SETTINGS_MAIN_GRID 1038
#define IDC_SETTINGS_IMPORT_GRID 1039
#define IDC_SETTINGS_HOT_EDIT 1041
#define IDC_SETTINGS_DRAG_DRAW 1051
#define IDC_SETTINGS_MAIN_BUTTONS 1210

// Main window controls
#define IDC_RECORD_LIST 1000
#define IDC_TRACKS_EDIT 1025
#define IDC_NOTES_EDIT 1027
#define IDC_STATUS_LINE 1037
#define IDC_SPLITTER_V 1049
#define IDC_SPLITTER_H 1050

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
#define IDS_COLUMN_ARTIST 2200
#define IDS_COLUMN_TITLE 2201
#define IDS_COLUMN_YEAR 2202
#define IDS_COLUMN_ID 2203
#define IDS_OVERWRITE_CAPTION 2300
#define IDS_OVERWRITE_CHANGED_FILE 2301
#define IDS_RESTORE_CAPTION 2302
#define IDS_RESTORE_INTERRUPTED_SAVE 2303
#define IDS_PROGRESS_LOAD 2310
#define IDS_PROGRESS_SAVE 2311
#define IDS_PROGRESS_IMPORT 2312
#define IDS_PROGRESS_EXPORT 2313
#define IDS_APP_TITLE 57344

// Numbered messages: errors "FEHLER 000".."FEHLER 015", warnings 501..503
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
#define IDS_ERR_015 2515
#define IDS_WARN_501 2800
#define IDS_WARN_502 2801
#define IDS_WARN_503 2802

// Support library: message box captions and buttons, help failures
#define IDS_CAPTION_ERROR 2900
#define IDS_CAPTION_WARNING 2901
#define IDS_MSG_CLOSE 2902
#define IDS_MSG_HELP 2903
#define IDS_HELP_PAGE_FAILED 2904
#define IDS_HELP_FILE_FAILED 2905

// Info dialog 137 (its texts come from the version resource)
#define IDD_INFO 137
#define IDC_INFO_ICON 1023
#define IDC_INFO_PRODUCT 1047
#define IDC_INFO_COPYRIGHT 1048
#define IDC_INFO_LIBS 1211

// M3U-Ext import window: dialog 103, menu 147, context menu 148, accelerators 149
#define IDD_M3U_IMPORT 103
#define IDR_MENU_M3U 147
#define IDR_MENU_M3U_CONTEXT 148
#define IDR_ACCEL_M3U 149
#define IDC_M3U_LIST 1000
#define IDC_M3U_WITH_ARTISTS 1208
#define IDM_M3U_WITH_ARTISTS 1209
