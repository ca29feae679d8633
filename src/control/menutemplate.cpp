#include "control/texticonmenu.h"

CMultiDocTemplate* CMenuTemplate::GetTemplate(UINT /*nCommandID*/) const
{
    return nullptr;
}

CDialog* CMenuTemplate::GetDialog(int /*nIndex*/)
{
    return nullptr;
}

long CMenuTemplate::DoCommand(int /*nCommandID*/)
{
    return 0;
}

void CMenuTemplate::SetTemplate(CdMenuTemplate* pTemplate, int nCount)
{
    m_pTemplate = pTemplate;
    m_nTemplate = pTemplate != nullptr && nCount > 0 ? nCount : 0;
}

int CMenuTemplate::FindCommand(UINT nCommandID) const
{
    for (int i = 0; i < m_nTemplate; ++i)
        if (m_pTemplate[i].nCommandID == nCommandID)
            return i;
    return -1;
}

UINT CMenuTemplate::GetTemplateID(UINT nCommandID) const
{
    const int nIndex = FindCommand(nCommandID);
    return nIndex >= 0 ? m_pTemplate[nIndex].nTemplateID : nCommandID;
}

void CMenuTemplate::SetDialogCount(int nCount)
{
    m_nDialog = nCount;
}
