/* Resource, control and command IDs of the program's own windows. Plain
   #defines, so that the resource script includes this file too. */
#pragma once

#define IDR_MAIN_ACCELERATORS 101
#define IDD_MAIN 102
#define IDD_CUSTOMIZE 155

#define IDI_PROGRAM 128
#define IDI_EXIT 136
#define IDI_HELP_BOOK 142
#define IDI_CUSTOMIZE 156

/* Main window controls */
#define IDC_ABOUT_BUTTON 17
#define IDC_EXIT_BUTTON 1000
#define IDC_PAGE_FRAME 1002
#define IDC_TABS 1004
#define IDC_CUSTOMIZE_BUTTON 1023
#define IDC_HELP_BUTTON 1026

/* Customize dialog controls */
#define IDC_SELECT_ALL 1024
#define IDC_MOVE_DOWN 1028
#define IDC_CLEAR_ALL 1105
#define IDC_TAB_LIST 1107
#define IDC_MOVE_UP 1109

/* The system menu's about command, which F10 sends too. */
#define IDM_ABOUTBOX 0x0010

/* The system menu's find-a-unit command, which Ctrl+F sends too. Outside
   16..31, which all mean about. */
#define IDM_FIND_UNIT 0x0020

/* The system menu's copy-the-page command, which Ctrl+Shift+C sends too, and
   its always-on-top item. */
#define IDM_COPY_PAGE 0x0030
#define IDM_TOPMOST 0x0040

/* Ctrl+Tab and Ctrl+PageDown, Ctrl+Shift+Tab and Ctrl+PageUp. */
#define IDM_NEXT_TAB 0x8001
#define IDM_PREVIOUS_TAB 0x8002

/* About box */
#define IDD_ABOUTBOX 100
#define IDC_VERSION_LINE 1001
#define IDC_HOME_PAGE_LINK 1018
#define IDS_HOME_PAGE 100

/* Unit finder */
#define IDD_FIND_UNIT 160
#define IDC_FIND_QUERY 1201
#define IDC_FIND_RESULTS 1202
