// CWordOffice: typing at the selection, pictures, hyperlinks and files.
#include "wordoffice.h"

#include "wordoffice_internal.h"

namespace wordoffice
{

void ShowMessage(const CString& strText)
{
    AfxMessageBox(strText, MB_ICONEXCLAMATION);
}

bool ServerIsGone(SCODE sc)
{
    const SCODE kServerUnavailable = HRESULT_FROM_WIN32(RPC_S_SERVER_UNAVAILABLE);
    const SCODE kCallFailed = HRESULT_FROM_WIN32(RPC_S_CALL_FAILED);
    return sc == RPC_E_DISCONNECTED || sc == RPC_E_SERVER_DIED || sc == RPC_E_SERVER_DIED_DNE ||
           sc == CO_E_OBJNOTCONNECTED || sc == kServerUnavailable || sc == kCallFailed;
}

TextVariant::TextVariant(const CString& strText)
{
    VariantInit(&m_value);
    m_value.vt = VT_BSTR;
    m_value.bstrVal = strText.AllocSysString();
}

TextVariant::~TextVariant()
{
    VariantClear(&m_value);
}

}   // namespace wordoffice

int CWordOffice::WriteText(const CString& strText)
{
    if (!m_wdSel.m_lpDispatch)
        return 0;
    return Guarded(
        [this, &strText]
        {
            m_wdSel.TypeText(strText);
            return 1;
        });
}

int CWordOffice::NewLine()
{
    if (!m_wdSel.m_lpDispatch)
        return 0;
    return Guarded(
        [this]
        {
            m_wdSel.TypeParagraph();
            return 1;
        });
}

int CWordOffice::WriteNewLineText(const CString& strText, int nCount)
{
    for (int i = 0; i < nCount; ++i)
        if (!NewLine())
            return 0;
    return WriteText(strText);
}

int CWordOffice::WriteEndLine(const CString& strText)
{
    if (!m_wdRange.m_lpDispatch)
        return 0;
    return Guarded(
        [this, &strText]
        {
            m_wdRange.InsertAfter(strText);
            return 1;
        });
}

int CWordOffice::WholeStory()
{
    if (!m_wdRange.m_lpDispatch)
        return 0;
    return Guarded(
        [this]
        {
            m_wdRange.WholeStory();
            return 1;
        });
}

int CWordOffice::Copy()
{
    if (!m_wdRange.m_lpDispatch)
        return 0;
    return Guarded(
        [this]
        {
            m_wdRange.CopyAsPicture();
            return 1;
        });
}

int CWordOffice::InsertFile(const CString& strPath)
{
    if (!m_wdSel.m_lpDispatch)
        return 0;
    return Guarded(
        [this, &strPath]
        {
            wordoffice::TextVariant noRange(CString(L""));
            m_wdSel.InsertFile(strPath, noRange, &m_vFalse, &m_vFalse, &m_vFalse);
            return 1;
        });
}

int CWordOffice::InsertShapes(const CString& strPicture)
{
    if (!m_wdSel.m_lpDispatch)
        return 0;
    return Guarded(
        [this, &strPicture]
        {
            m_wdInlineShapes.AttachDispatch(m_wdSel.GetInlineShapes());
            m_wdInlineShape.AttachDispatch(m_wdInlineShapes.AddPicture(strPicture, &m_vFalse, &m_vFalse, &m_vOptional));
            return 1;
        });
}

int CWordOffice::InsertHyperlink(const CString& strAddress)
{
    if (!m_wdSel.m_lpDispatch)
        return 0;
    return Guarded(
        [this, &strAddress]
        {
            Range1 anchor(m_wdSel.GetRange());
            Hyperlinks links(anchor.GetHyperlinks());
            wordoffice::TextVariant address(strAddress);
            wordoffice::TextVariant subAddress(CString(L""));
            Hyperlink added(
                links.Add(anchor.m_lpDispatch, address, subAddress, &m_vOptional, &m_vOptional, &m_vOptional));
            return 1;
        });
}
