// Numeric resource and command ids, in one place so that they cannot collide.
// Named resources ("OptionsDlg", "LIGHT10", "Keyclick") keep their names and
// are not listed here. Included by the resource script and by C++ code.
#pragma once

// Commands of the main window (the wParam of WM_SYSCOMMAND).
#define IDM_ABOUT 1000
#define IDM_OPTIONS 1001
#define IDM_HIDE 1002
#define IDM_EXIT 1003
#define IDM_TOGGLE_ONTOP 1005
#define IDM_TOGGLE_ZOOM 1006
#define IDM_BACKCOLOR 1008
#define IDM_CALENDAR 1009

// Tray icon.
#define IDI_TRAY_ID 4762
#define WM_TRAYICON 1125 // WM_USER + 101

// Icons by number.
#define IDI_ICON105 105
#define IDI_ICON129 129

// Bitmaps by number.
#define IDB_SMALL_LOGO 118
#define IDB_SNOWMAN 130
#define IDB_TREE 131
#define IDB_OPTIONS_1300 1300
#define IDB_OPTIONS_1301 1301
#define IDB_OPTIONS_BANNER 1302
#define IDB_TITLE 1500
#define IDB_LIGHTS 1501
#define IDB_NOTE 1502

// String table.
#define IDS_HELP_TOPIC_FIRST 2000 // 2000-2009 help topic names
#define IDS_HELP_TEXT_FIRST 2500  // 2500-2509 help topic texts
#define IDS_NO_EVENTS 3000        // "<No calendar events defined>"
#define IDS_POWER_OFF 3600        // "OFF"; 3601 "ON"
#define IDS_SAVER_FIRST 3800      // 3800-3806 screen saver effect names
#define IDS_RATE_FIRST 4000       // 4000-4004 flash rate names
#define IDS_TRAY_TIP 4500         // "Festoon"
#define IDS_STYLE_RANDOM 4999     // "Random"; 5000-5024 style names follow
#define IDS_STYLE_FIRST 5000      // 5000-5024 style names
#define IDS_STYLE_ICON_FIRST 5999 // 5999-6024 names of the style preview icons
#define IDS_PATH_TOO_LONG 8800    // garland.ini lies past the path limit
#define IDS_VERSION 9000          // "2.21"
#define IDS_HOLIDAY_FIRST 14500   // 14500-14504 fixed holiday names
