// The named collections of MFC, built on the templates of afxtempl.h.
#pragma once

#include "afxtempl.h"

class CPtrArray : public CArray<void*, void*>
{
};
class CDWordArray : public CArray<DWORD, DWORD>
{
};
class CWordArray : public CArray<WORD, WORD>
{
};
class CUIntArray : public CArray<UINT, UINT>
{
};
class CByteArray : public CArray<BYTE, BYTE>
{
};
class CStringArray : public CArray<CString, const CString&>
{
};

class CPtrList : public CList<void*, void*>
{
public:
    explicit CPtrList(INT_PTR nBlockSize = 10) : CList<void*, void*>(nBlockSize) {}
};
class CStringList : public CList<CString, const CString&>
{
public:
    explicit CStringList(INT_PTR nBlockSize = 10) : CList<CString, const CString&>(nBlockSize) {}
};

class CMapStringToPtr : public CMap<CString, const wchar_t*, void*, void*>
{
};
class CMapStringToString : public CMap<CString, const wchar_t*, CString, const wchar_t*>
{
};
class CMapPtrToPtr : public CMap<void*, void*, void*, void*>
{
};
class CMapWordToPtr : public CMap<WORD, WORD, void*, void*>
{
};
