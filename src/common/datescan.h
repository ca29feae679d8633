// Reading numbers out of date and time texts, without ever reading past the
// terminator of the text: positional reads ("the number in characters 5 and
// 6"), scanf-like patterns ("%04d/%02d/%02d") and separator searches.
#pragma once

#include <climits>

namespace qvscan
{

// Characters before the terminator, counting at most nMax; null counts 0.
int BoundedLength(const wchar_t* text, int nMax = INT_MAX);

// The number at the start of at most nChars characters from index nStart, read
// as _wtol reads it (white space, a sign, digits; stops at anything else).
// Beyond the end of the text, or with no digits, it is 0. Values beyond the
// range of int saturate at INT_MAX / INT_MIN.
int NumberAt(const wchar_t* text, int nStart = 0, int nChars = INT_MAX);

// Reads the numbers of a scanf-like pattern: "%d" or "%Nd"/"%0Nd" (at most N
// characters) read a number, white space matches any run of white space, any
// other character must match itself. Reading stops at the first mismatch;
// numbers that were not reached keep their values in pValues. Returns how
// many numbers were read. At most nValues numbers are stored.
int ScanNumbers(const wchar_t* text, const wchar_t* pattern, int* pValues, int nValues);

// Index of the first ch at or after nStart, or -1. A terminator is never found.
int FindChar(const wchar_t* text, wchar_t ch, int nStart);

}   // namespace qvscan
