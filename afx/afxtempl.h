// Collection templates: CArray, CList and CMap.
//
// Elements are real C++ objects: constructed when they come into being,
// destroyed when they go, moved when the storage grows (so CString and other
// classes with constructors work as elements).
//
// Indexes out of range are caller errors: they ASSERT. Without the assert
// (release builds) no memory outside the array is ever touched:
//   - GetAt/operator[] const read a default-constructed element;
//   - ElementAt/operator[] give a scratch element, reset on every such call,
//     whose writes are lost;
//   - SetAt, RemoveAt, InsertAt with a negative index do nothing;
//   - SetSize with a negative size does nothing.
// CList and CMap positions must come from the same container; a null
// position asserts and is otherwise ignored.
#pragma once

#include <windows.h>
#include <new>
#include <utility>
#include <type_traits>
#include <climits>
#include <cstring>
#include <cstdint>

#include "afxvalue_assert.h"
#include "afxstr.h"

#ifndef BEFORE_START_POSITION
struct __POSITION;
typedef __POSITION* POSITION;
#define BEFORE_START_POSITION ((POSITION)-1L)
#endif

// Element helpers ------------------------------------------------------------

template <class TYPE, class ARG_TYPE> BOOL CompareElements(const TYPE* pElement1, const ARG_TYPE* pElement2)
{
    return *pElement1 == *pElement2;
}

// Wide string keys compare by content (their hash is by content too).
template <>
inline BOOL CompareElements<const wchar_t*, const wchar_t*>(const wchar_t* const* p1, const wchar_t* const* p2)
{
    return CString(*p1) == *p2;
}
template <> inline BOOL CompareElements<wchar_t*, wchar_t*>(wchar_t* const* p1, wchar_t* const* p2)
{
    return CString(*p1) == *p2;
}

UINT HashStringKey(const wchar_t* key) noexcept;   // afxstr.cpp

// Integers hash by value, pointers by address (low bits dropped: they are
// alignment), strings by content. Other key types need their own HashKey.
template <class ARG_KEY> UINT HashKey(ARG_KEY key)
{
    using Key = std::remove_cv_t<std::remove_reference_t<ARG_KEY>>;
    if constexpr (std::is_pointer_v<Key>)
        return UINT(reinterpret_cast<UINT_PTR>(key) >> 4);
    else
        return UINT(static_cast<ULONGLONG>(key) ^ (static_cast<ULONGLONG>(key) >> 32));
}
template <> inline UINT HashKey<const wchar_t*>(const wchar_t* key)
{
    return HashStringKey(key);
}
template <> inline UINT HashKey<wchar_t*>(wchar_t* key)
{
    return HashStringKey(key);
}
template <> inline UINT HashKey<const CString&>(const CString& key)
{
    return HashStringKey(key);
}
template <> inline UINT HashKey<CString>(CString key)
{
    return HashStringKey(key);
}

#include "afxtempl_array.h"
#include "afxtempl_list.h"
#include "afxtempl_map.h"
