// Conversion between UTF-16 and UTF-8 text.
#pragma once

#include "afx.h"
#include "qvapi.h"

// The UTF-8 form of a UTF-16 text in a new zero-terminated buffer, released by
// the caller with delete[]; null gives null.
QVCTRL_API char* WToMB(const wchar_t* pszText);

// The UTF-16 form of a zero-terminated UTF-8 text (RFC 2279: sequences of 2 to
// 6 bytes). Code points U+10000 to U+10FFFF become surrogate pairs; larger ones,
// which UTF-16 cannot hold, become U+FFFD. A malformed sequence shows
// "UTF-8 to Unicode error" once and gives the text decoded before it.
// Null gives the empty text.
QVCTRL_API CString UTF2Unicode(const unsigned char* pszText);

// The same decoding without the message box: strText receives the text decoded
// before the first malformed sequence; the result is TRUE when there was none.
// It reads no byte after the terminator.
QVCTRL_API BOOL DecodeUtf8(const unsigned char* pszText, CString& strText);
