// Per-module maps from a Win32 handle to its C++ wrapper object.
//
// A permanent wrapper is one the program made and attached (Attach, Create,
// SubclassWindow); FromHandle hands it back. For a handle with no permanent
// wrapper FromHandle makes a temporary one, which lives until the next idle
// time of the message loop or AfxDeleteTempMap(). Each module that links afx
// has its own maps, so a wrapper made by the program is not found by code
// running in a DLL, and the other way round.
//
// Use: one function-local static map per wrapper type, naming the member that
// holds the handle, e.g.
//   CHandleMap<HMENU, CMenu>& MenuMap() {
//       static CHandleMap<HMENU, CMenu> map(&CMenu::m_hMenu);
//       return map; }
// A temporary wrapper is made by `newWrapper` (default: new T) and gets the
// handle in that member; it is freed with the member cleared, so its destructor
// never destroys the handle. The maps are for the GUI thread that owns the objects.
#pragma once

#include <windows.h>
#include <unordered_map>

// Every map of this module registers itself so AfxDeleteTempMap reaches all.
class CHandleMapBase
{
public:
    CHandleMapBase();
    virtual ~CHandleMapBase();
    CHandleMapBase(const CHandleMapBase&) = delete;
    CHandleMapBase& operator=(const CHandleMapBase&) = delete;

    virtual void DeleteTemp() = 0;
};

// Frees the temporary wrappers of every map of this module.
void AfxDeleteTempMap();
// Frees the temporary wrappers of every module of the process (idle time).
void AfxDeleteTempMapsOfAllModules();

template <class H, class T> class CHandleMap : public CHandleMapBase
{
public:
    using NewWrapperFn = T* (*)(H handle);

    explicit CHandleMap(H T::*member, NewWrapperFn newWrapper = &NewPlainWrapper)
        : m_member(member), m_newWrapper(newWrapper)
    {
    }
    ~CHandleMap() override { DeleteTemp(); }

    // The permanent wrapper, else a temporary one made now; null for null.
    T* FromHandle(H handle)
    {
        if (handle == nullptr)
            return nullptr;
        if (T* object = LookupPermanent(handle))
            return object;
        if (T* object = LookupTemporary(handle))
            return object;
        T* object = m_newWrapper(handle);
        if (object == nullptr)
            return nullptr;
        object->*m_member = handle;
        m_temporary[handle] = object;
        return object;
    }

    T* LookupPermanent(H handle) const { return Find(m_permanent, handle); }
    T* LookupTemporary(H handle) const { return Find(m_temporary, handle); }

    // Makes object the permanent wrapper of handle. A temporary wrapper of
    // the same handle stays until idle time: a caller may still hold it.
    void SetPermanent(H handle, T* object)
    {
        if (handle == nullptr || object == nullptr)
            return;
        m_permanent[handle] = object;
    }

    // Forgets the handle, permanent or temporary; the object is not freed.
    void RemoveHandle(H handle)
    {
        m_permanent.erase(handle);
        m_temporary.erase(handle);
    }

    void DeleteTemp() override
    {
        // Swap out first: freeing a wrapper may look handles up again.
        std::unordered_map<H, T*> temporary;
        temporary.swap(m_temporary);
        for (auto& entry : temporary)
        {
            entry.second->*m_member = nullptr;
            delete entry.second;
        }
    }

    size_t GetPermanentCount() const { return m_permanent.size(); }
    size_t GetTemporaryCount() const { return m_temporary.size(); }

private:
    static T* NewPlainWrapper(H) { return new T; }

    static T* Find(const std::unordered_map<H, T*>& map, H handle)
    {
        auto found = map.find(handle);
        return found == map.end() ? nullptr : found->second;
    }

    H T::*m_member;
    NewWrapperFn m_newWrapper;
    std::unordered_map<H, T*> m_permanent;
    std::unordered_map<H, T*> m_temporary;
};
