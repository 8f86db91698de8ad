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

// Screen saver setup dialog "SSSetupDlg".
#define IDC_SS_DELAY 167
#define IDC_SS_MOUSEMOVE 168
#define IDC_SS_IGNOREWINSS 169
#define IDC_SS_MOUSECLICK 171
#define IDC_SS_MESSAGE 172
#define IDC_SS_LOGO 1027

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

// Holiday calendar: the window "CALENDARNOTIFY" and its menu, and the dialogs
// "CalendarDlg" and "EditCalendarDlg". The window's menu also sends
// IDM_CALENDAR, IDM_OPTIONS and IDM_ABOUT.
#define IDC_CALWND_TEXT 1024
#define IDM_CALWND_CLOSE 2
#define IDC_CAL_CHRISTMAS 1013 // the boxes of Calendar1-Calendar5 follow
#define IDC_CAL_HALLOWEEN 1014
#define IDC_CAL_STPATRICK 1015
#define IDC_CAL_VALENTINE 1016
#define IDC_CAL_JULY4 1017
#define IDC_CAL_HEART_ICON 1018
#define IDC_CAL_LIST 1019
#define IDC_CAL_ADD 1020
#define IDC_CAL_EDIT 1021
#define IDC_CAL_DELETE 1022
#define IDC_CAL_STARTUP 1026
#define IDC_EVENT_NAME 1022
#define IDC_EVENT_MONTH 1023
#define IDC_EVENT_DAY 1024
#define IDC_OPTIONS_CALENDAR_BUTTON 1021 // the options dialog's "Calendar"
// Strings of the dialogs.
#define IDS_NO_MIDI_FILES 3100   // "No MIDI files found."
#define IDS_NO_MUSIC_CHOSEN 3101 // "No music has been selected, so music will be turned off."
#define IDS_PLAYING 3102         // "Playing: %s"
#define IDS_PLAYING_NOTHING 3103 // "Playing: <nothing>"
#define IDS_BUILD_DATE 3104      // "Build Date: %s"
#define IDS_BUILD_STAMP 3105     // "961121"
#define IDS_NO_BITMAP 3106       // "could not load bitmap"

// Options dialog ("OptionsDlg").
#define IDC_OPT_QUIT 3
#define IDC_OPT_HELP 9
#define IDC_OPT_OWNWINDOW 10
#define IDC_OPT_NOFLICKER 11
// 101-106: None, Random, All Together, Chase, Alternating, Some Flash.
#define IDC_OPT_MODE_FIRST 101
#define IDC_OPT_MODE_LAST 106
#define IDC_OPT_BURNEDOUT 135
#define IDC_OPT_BROKEN 136
#define IDC_OPT_MISSING 137
#define IDC_OPT_STYLE 140
#define IDC_OPT_MUSIC 146
#define IDC_OPT_MORELIGHTS 147
#define IDC_OPT_COLOR 148
#define IDC_OPT_MUSICLIST 149
#define IDC_OPT_RATE 150
#define IDC_OPT_RATENAME 151
#define IDC_OPT_LIGHTICON 152
#define IDC_OPT_SAVER 153
#define IDC_OPT_SAVERTEST 154
#define IDC_OPT_SAVERTYPE 155
#define IDC_OPT_APPLY 156
#define IDC_OPT_POWERNAME 158
#define IDC_OPT_ZOOM 159
#define IDC_OPT_SOUND 160
#define IDC_OPT_PREVIEW 161
#define IDC_OPT_STARTOPTIONS 163
#define IDC_OPT_SAVERSETUP 166
#define IDC_OPT_KEYLIGHTS 170
#define IDC_OPT_NOWPLAYING 173
#define IDC_OPT_IDLEPROCESS 174
#define IDC_OPT_VERSION 200
#define IDC_OPT_POWER 400
#define IDC_OPT_CHANGEBULBS 1008
#define IDC_OPT_CALENDAR 1021
#define IDT_OPT_PREVIEW 1 // the preview's 50-ms timer

// About dialog ("AboutDlg").
#define IDC_ABOUT_BUILD 201

// Background colour dialog ("SelectBackColorDlg").
#define IDC_BC_DESKTOP 101
#define IDC_BC_CUSTOM 102
#define IDC_BC_SWATCHES 103

// No-MIDI notice ("WarnMusicDlg").
#define IDC_WM_NOTAGAIN 1007

// Power warning ("WarnPowerDlg").
#define IDC_WP_WARNING 162
#define IDC_WP_NOTAGAIN 164

// Help dialog ("HelpDlg").
#define IDC_HELP_TOPICS 1009
#define IDC_HELP_PANEL 1010
