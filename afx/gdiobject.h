// CGdiObject: the wrapper of one GDI object handle (pen, brush, font, bitmap,
// region, palette). A wrapper that created or attached its handle owns it and
// deletes it when destroyed. FromHandle finds the permanent wrapper of a
// handle in this module's map, or makes a temporary one that never deletes
// the handle.
#pragma once

#include <windows.h>
#include "afx.h"
#include "atltypes.h"

// MFC code calls the GetSafe* members through null pointers. Passing 'this'
// through here hides it from the optimiser, which would otherwise assume it
// is never null and drop the test.
template <class T> inline const T* AfxOpaquePointer(const T* pointer)
{
    asm("" : "+r"(pointer));
    return pointer;
}

class CGdiObject : public CObject
{
    DECLARE_DYNCREATE(CGdiObject)
public:
    HGDIOBJ m_hObject = nullptr;

    CGdiObject() noexcept = default;
    ~CGdiObject() override;
    CGdiObject(const CGdiObject&) = delete;
    CGdiObject& operator=(const CGdiObject&) = delete;

    // The permanent wrapper of hObject in this module, else a temporary one
    // (of the class that matches the object's type); null for a null handle.
    static CGdiObject* PASCAL FromHandle(HGDIOBJ hObject);
    // Only the permanent wrapper, or null.
    static CGdiObject* PASCAL FromHandlePermanent(HGDIOBJ hObject);
    static void PASCAL DeleteTempMap();

    // FALSE when hObject is null or this wrapper already holds a handle.
    BOOL Attach(HGDIOBJ hObject);
    HGDIOBJ Detach();
    // Deletes the GDI object held; FALSE when there is none.
    BOOL DeleteObject();

    // Safe to call through a null pointer, as in MFC.
    HGDIOBJ GetSafeHandle() const;
    operator HGDIOBJ() const { return GetSafeHandle(); }

    int GetObject(int nCount, LPVOID lpObject) const { return ::GetObject(m_hObject, nCount, lpObject); }
    UINT GetObjectType() const { return ::GetObjectType(m_hObject); }
    // A stock object is never deleted by GDI, so holding it is harmless.
    BOOL CreateStockObject(int nIndex) { return AttachCreated(::GetStockObject(nIndex)); }
    BOOL UnrealizeObject() { return ::UnrealizeObject(m_hObject); }

    BOOL operator==(const CGdiObject& obj) const { return m_hObject == obj.m_hObject; }
    BOOL operator!=(const CGdiObject& obj) const { return m_hObject != obj.m_hObject; }

protected:
    // Attaches a handle that a Create call just made; deletes it when it
    // cannot be attached so that nothing leaks.
    BOOL AttachCreated(HGDIOBJ hObject);
};

// The handle of a wrapper that may be null.
inline HGDIOBJ AfxGdiHandleOf(const CGdiObject* pObject)
{
    return pObject ? pObject->m_hObject : nullptr;
}
