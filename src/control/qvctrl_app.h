// The library's module object.
#pragma once

#include "afxwin.h"
#include "qvapi.h"

// One instance lives from DLL load to unload; it does no work of its own.
class CQVCtrlApp : public CWinApp
{
public:
    CQVCtrlApp();
    virtual ~CQVCtrlApp();

    DECLARE_MESSAGE_MAP()
};
