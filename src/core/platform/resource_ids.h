/* Resource ids of the Windows program. The values are fixed by the product:
   the window procedures, the accelerators and the art all refer to them.
   Plain defines, read by the resource compiler and by C++ alike. */
#ifndef VELTRIM_RESOURCE_IDS_H
#define VELTRIM_RESOURCE_IDS_H

/* Main window: dialog template, its background static and image. */
#define IDD_MAIN_WINDOW 997
#define IDC_MAIN_BACKGROUND 998
#define IDB_MAIN_BACKGROUND 300

/* Printer information dialog: the report's text box. */
#define IDD_PRINTER_INFO 137
#define IDC_PRINTER_INFO_TEXT 1053

/* Large preview - colour plotting: the picture, the printer and screen
   value boxes (each followed by its up-down), the two buttons and the
   readout. */
#define IDD_COLOUR_PLOT 135
#define IDC_PICTURE 19
#define IDC_FIRST_PRINTER_VALUE 1131 /* 1131, 1133, ... 1143; up-downs 1132, ... 1144 */
#define IDC_FIRST_SCREEN_VALUE 1145  /* 1145, 1147, ... 1157; up-downs 1146, ... 1158 */
#define IDC_GET_SCREEN_CALIBRATION 1159
#define IDC_PLOT_CURVES 1070
#define IDC_COLOUR_READOUT 1071

/* Screen calibration wizard: picture 19, Accept (IDOK) and Cancel. */
#define IDD_SCREEN_CALIBRATION 1161

/* About box: template, its background static and image; its controls
   4000..4008 are created by the dialog and their images are 4400..4420. */
#define IDD_ABOUT 15
#define IDC_ABOUT_BACKGROUND 4009
#define IDB_ABOUT_BACKGROUND 200

/* Selection menu and its commands. */
#define IDM_SELECTION 138
#define IDM_SELECT_ALL 5000
#define IDM_SELECT_NONE 5001
#define IDM_SELECT_INVERSE 5002
#define IDM_SELECT_MOST_COMMON 5003

/* Keyboard accelerators and the commands they send. */
#define IDA_MAIN 12
#define IDCMD_QUIT 10
#define IDCMD_ABOUT 17
#define IDCMD_NEXT_TAB 1163
#define IDCMD_PREVIOUS_TAB 1164
#define IDCMD_START_PRINTING 1172
#define IDCMD_PRINTER_INFO 1173
#define IDCMD_HELP 1174

/* Program icon. */
#define IDI_APP 11

/* Start-up bitmaps of the main window, one block of ids. */
#define IDB_FIRST_BITMAP 4500
#define IDB_LAST_BITMAP 4668
#define IDB_CLOSE_BUTTON 4500       /* normal, pointer-over, pressed */
#define IDB_TAB_BUTTONS 4503        /* three a tab: normal, pointer-over, current */
#define IDB_COMMAND_BUTTONS 4518    /* three a command: normal, pointer-over, pressed */
#define IDB_MENU_BUTTON 4533        /* normal, pointer-over, pressed */
#define IDB_TAB_BANNERS 4536        /* one a tab */
#define IDB_LARGE_PREVIEW_BUTTONS 4541
#define IDB_BW_ITEMS 4550           /* two an item: ticked, unticked */
#define IDB_COLOR_ITEMS 4570
#define IDB_ADVANCED_OPTIONS 4596   /* two an option: chosen, not chosen */
#define IDB_CALIBRATION_ITEMS 4626
#define IDB_CUSTOM_ITEMS 4642
#define IDB_LAYOUT_OPTIONS 4654
#define IDB_LABELS 4660
#define IDB_COLOUR_BUTTON_PRESSED 4666
#define IDB_COLOUR_BUTTON_NORMAL 4667
#define IDB_SEPARATOR 4668

#endif
