// Dialog templates and controls of the date entry tests.
#pragma once

#define IDD_DATEEDIT 200
#define IDD_DATEBOXES 201
#define IDD_ONEPICKER 202
#define IDD_TWOPICKERS 203
#define IDD_SAMELEFT 204
#define IDD_FIVEPICKERS 205
#define IDD_NOPICKER 206
#define IDD_YEARONLY 207

#define IDC_DATE 2001

// Year, month, day; hour, minute, second; a second date group for spins
// whose month box is read-only and whose day box is hidden.
#define IDC_YEAR 2101
#define IDC_MONTH 2102
#define IDC_DAY 2103
#define IDC_HOUR 2111
#define IDC_MINUTE 2112
#define IDC_SECOND 2113
#define IDC_YEAR2 2121
#define IDC_MONTH2 2122
#define IDC_DAY2 2123

#define IDC_PICKER1 2201
#define IDC_PICKER2 2202
#define IDC_PICKER3 2203
#define IDC_PICKER4 2204
#define IDC_PICKER5 2205
