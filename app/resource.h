// Resource and command identifiers of Veloranth.exe.
#pragma once

// Strings
#define IDS_TITLE 1
#define IDS_CLASS 2
#define IDS_EXIT 103
#define IDS_HELP 104
#define IDS_COMPUTE 107
#define IDS_CONFIG 108

// Menu bar description (RCDATA) and its menu; accelerators; icon
#define IDR_MENUBAR 102
#define IDR_ACCELERATORS 2
#define IDI_VELORANTH 101

// Dialog templates
#define IDD_ABOUT 105
#define IDD_ABOUT_LANDSCAPE 106
#define IDD_CONFIG 109
#define IDD_QIBLA 110
#define IDD_CONFIG_SHORT 111

// Bitmaps
#define IDB_COMPASS 130
#define IDB_KAABA 131
#define IDB_SUN 132

// The call's built-in tone (type WAVE), generated at build time
#define IDR_CALL_TONE 140

// Commands
#define IDM_EXIT 40000
#define IDM_CONFIG_MENU 40010
#define IDM_TOWNS 40011
#define IDM_COMPUTE_MENU 40020
#define IDM_PRAYER_TIMES 40021
#define IDM_SUN_POSITION 40022
#define IDM_MONTH_CALENDAR 40023
#define IDM_YEAR_CALENDAR 40024
#define IDM_RAMADAN_CALENDAR 40025
#define IDM_HELP_MENU 40030
#define IDM_ABOUT 40031
#define IDM_QIBLA 32773
#define IDM_HELP 32777
#define IDM_UPDATE 32778

// Controls of the configuration dialog
#define IDC_TOWN 1006
#define IDC_SAVE 1007
#define IDC_DATE 1008
#define IDC_TIME 1009
#define IDC_NOW 1010

// Controls of the About dialog
#define IDC_ABOUT_ICON 201
#define IDC_ABOUT_NAME 202
#define IDC_ABOUT_CREDIT1 203
#define IDC_ABOUT_CREDIT2 204
#define IDC_ABOUT_VERSION 205
