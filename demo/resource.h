// Resource identifiers of QVDemo.exe.
#pragma once

#define IDR_MAINMENU 100
#define IDI_DEMO 101

// File > Print is the framework's standard print command.
#ifndef ID_FILE_PRINT
#define ID_FILE_PRINT 0xE107
#endif
#define ID_FILE_EXPORT 1002
#define ID_FILE_EXIT 1003
#define ID_FILE_WORD 1004
#define ID_VIEW_PATIENTS 1101
#define ID_VIEW_WARDS 1102
#define ID_VIEW_FORM 1103
#define ID_VIEW_INFO 1104
#define ID_VIEW_SEARCH 1105
#define ID_VIEW_DEPARTMENTS 1110
#define ID_HELP_ABOUT 1201
