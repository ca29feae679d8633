// Icons of the host program on the items of a dialog, from a caller's table.
#pragma once

#include "afxwin.h"
#include "qvapi.h"

// One row of a caller's table: a dialog item and the host's icon for it.
struct CdIconMap
{
    UINT nCtrlID;
    UINT nIconID;
};

class QVCTRL_API CLoadIcon
{
public:
    CLoadIcon() = default;
    // Copies share the caller's table.
    CLoadIcon(const CLoadIcon& other) = default;
    CLoadIcon& operator=(const CLoadIcon& other) = default;
    virtual ~CLoadIcon() = default;

    // The table is borrowed: it must outlive this object's use.
    void SetIconMap(CdIconMap* pIconMap, int nCount);
    // Sets the mapped icon on each item of pWnd that exists; an icon that
    // cannot be loaded is reported with "Can not load Icon (ID = %d)".
    void SetIcons(CWnd* pWnd);
    void InitIcons(CWnd* pWnd, CdIconMap* pIconMap, int nCount);

private:
    CdIconMap* m_pIconMap = nullptr;
    int m_nCount = 0;
};
