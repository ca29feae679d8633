// CRgn::CombineRgn: the only region call that takes other wrappers.
#include "afxgdi.h"

int CRgn::CombineRgn(const CRgn* pRgn1, const CRgn* pRgn2, int nCombineMode)
{
    // Every mode but RGN_COPY needs both sources.
    if (pRgn1 == nullptr || (pRgn2 == nullptr && nCombineMode != RGN_COPY))
        return ERROR;
    return ::CombineRgn(*this, *pRgn1, static_cast<HRGN>(AfxGdiHandleOf(pRgn2)), nCombineMode);
}
