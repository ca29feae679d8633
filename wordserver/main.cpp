// The Word stand-in: a local automation server. Started by COM with -Embedding,
// it offers its class object until the last object is released or Quit is called.
// Calls run in the multithreaded apartment (no message loop between a call and
// its answer); the objects take one call at a time. Each start serves one
// client, as Word does: a writer that comes later starts its own.
// /RegServer and /UnregServer write or remove its registration.
#include <windows.h>

#include "server_registry.h"
#include "word_app.h"

namespace
{

class ApplicationFactory : public IClassFactory
{
public:
    explicit ApplicationFactory(const AppPtr& app) : app_(app) {}

    STDMETHODIMP QueryInterface(REFIID riid, void** object) override
    {
        if (!object)
            return E_POINTER;
        if (riid == IID_IUnknown || riid == IID_IClassFactory)
        {
            *object = static_cast<IClassFactory*>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    // The factory lives as long as the process; references do not keep it.
    STDMETHODIMP_(ULONG) AddRef() override { return 2; }
    STDMETHODIMP_(ULONG) Release() override { return 1; }

    STDMETHODIMP CreateInstance(IUnknown* outer, REFIID riid, void** object) override
    {
        if (!object)
            return E_POINTER;
        *object = nullptr;
        if (outer)
            return CLASS_E_NOAGGREGATION;
        IDispatch* application = NewApplication(app_);
        HRESULT hr = application->QueryInterface(riid, object);
        application->Release();
        return hr;
    }

    STDMETHODIMP LockServer(BOOL lock) override
    {
        if (lock)
            CoAddRefServerProcess();
        else if (CoReleaseServerProcess() == 0)
            RequestServerExit();
        return S_OK;
    }

private:
    AppPtr app_;
};

// How long the orderly shutdown may take before the process ends anyway.
const DWORD kShutdownGraceMs = 5000;

// Ends the process when the shutdown hangs: a server left running would hold
// its client's output handles and its registration slot forever.
DWORD WINAPI EndAfterGrace(void*)
{
    Sleep(kShutdownGraceMs);
    TerminateProcess(GetCurrentProcess(), 0);
    return 0;
}

bool HasSwitch(const wchar_t* commandLine, const wchar_t* name)
{
    size_t n = wcslen(name);
    for (const wchar_t* p = commandLine; *p; ++p)
        if ((*p == L'/' || *p == L'-') && _wcsnicmp(p + 1, name, n) == 0)
            return true;
    return false;
}

}   // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR commandLine, int)
{
    if (HasSwitch(commandLine, L"RegServer"))
        return RegisterServer() ? 0 : 1;
    if (HasSwitch(commandLine, L"UnregServer"))
        return UnregisterServer() ? 0 : 1;

    if (FAILED(CoInitializeEx(nullptr, COINIT_MULTITHREADED)))
        return 1;
    auto app = std::make_shared<WordApp>();
    ApplicationFactory factory(app);
    DWORD cookie = 0;
    HRESULT hr = CoRegisterClassObject(CLSID_WordApplication, &factory, CLSCTX_LOCAL_SERVER,
                                       REGCLS_SINGLEUSE | REGCLS_SUSPENDED, &cookie);
    if (SUCCEEDED(hr))
        hr = CoResumeClassObjects();
    if (SUCCEEDED(hr))
    {
        WaitForSingleObject(ServerExitEvent(), INFINITE);
        HANDLE watchdog = CreateThread(nullptr, 0, EndAfterGrace, nullptr, 0, nullptr);
        if (watchdog)
            CloseHandle(watchdog);
        CoRevokeClassObject(cookie);
    }
    app.reset();
    CoUninitialize();
    // Every document is closed and every job printed: nothing is left for the
    // libraries' own clean-up at exit, which is where a stuck shutdown can hang.
    TerminateProcess(GetCurrentProcess(), SUCCEEDED(hr) ? 0 : 1);
    return SUCCEEDED(hr) ? 0 : 1;
}
