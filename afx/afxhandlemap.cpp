// The registry of this module's handle maps, and the sweep of temporary
// wrappers across every module of the process.
#include "afxhandlemap.h"
#include "afxprocess.h"
#include <algorithm>
#include <vector>

namespace
{

void DeleteTempMapsOfThisModule();

// This module's maps. Registered in the process page while it has maps, so
// the program's idle time also sweeps DLL wrappers.
class ModuleMaps
{
public:
    ~ModuleMaps() { Publish(false); }

    void Add(CHandleMapBase* map)
    {
        if (m_maps.empty())
            Publish(true);
        m_maps.push_back(map);
    }

    void Remove(CHandleMapBase* map) { m_maps.erase(std::remove(m_maps.begin(), m_maps.end(), map), m_maps.end()); }

    void DeleteTemp()
    {
        // A copy: freeing a wrapper may create or destroy maps.
        std::vector<CHandleMapBase*> maps = m_maps;
        for (CHandleMapBase* map : maps)
            map->DeleteTemp();
    }

private:
    static void Publish(bool add)
    {
        AFX_PROCESS_SHARED* shared = AfxGetProcessShared();
        void (*mine)() = &DeleteTempMapsOfThisModule;
        for (auto& slot : shared->deleteTempMaps)
        {
            void* expected = add ? nullptr : reinterpret_cast<void*>(mine);
            void* desired = add ? reinterpret_cast<void*>(mine) : nullptr;
            if (InterlockedCompareExchangePointer(reinterpret_cast<void* volatile*>(&slot), desired, expected) ==
                expected)
                return;
        }
    }

    std::vector<CHandleMapBase*> m_maps;
};

ModuleMaps& Maps()
{
    static ModuleMaps maps;
    return maps;
}

void DeleteTempMapsOfThisModule()
{
    Maps().DeleteTemp();
}

}   // namespace

CHandleMapBase::CHandleMapBase()
{
    Maps().Add(this);
}

CHandleMapBase::~CHandleMapBase()
{
    Maps().Remove(this);
}

void AfxDeleteTempMap()
{
    DeleteTempMapsOfThisModule();
}

void AfxDeleteTempMapsOfAllModules()
{
    for (auto sweeper : AfxGetProcessShared()->deleteTempMaps)
    {
        if (sweeper != nullptr)
            sweeper();
    }
}
