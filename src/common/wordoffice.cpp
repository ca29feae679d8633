// CWordOffice: starting Word, documents, saving and closing.
#include "wordoffice.h"

#include "wordoffice_internal.h"

static const wchar_t kProgId[] = L"Word.Application";
static const wchar_t kSourceName[] = L"common/wordoffice";

CWordOffice::CWordOffice()
{
    VariantInit(&m_vTrue);
    m_vTrue.vt = VT_I2;
    m_vTrue.iVal = 1;
    VariantInit(&m_vFalse);
    m_vFalse.vt = VT_I2;
    m_vFalse.iVal = 0;
    VariantInit(&m_vOptional);
    m_vOptional.vt = VT_ERROR;
    m_vOptional.scode = DISP_E_PARAMNOTFOUND;
}

CWordOffice::~CWordOffice()
{
    ReleaseAll();
}

void CWordOffice::ReleaseAll()
{
    // In reverse order of declaration.
    m_wdSel.ReleaseDispatch();
    m_wdInlineShape.ReleaseDispatch();
    m_wdInlineShapes.ReleaseDispatch();
    m_wdRange.ReleaseDispatch();
    m_wdDoc.ReleaseDispatch();
    m_wdDocs.ReleaseDispatch();
    m_wdApp.ReleaseDispatch();
}

void CWordOffice::Report(COleDispatchException* e)
{
    wordoffice::ShowMessage(e->m_strDescription);
    // When Word itself is gone every object is dead: start afresh next time.
    if (wordoffice::ServerIsGone(e->m_scError))
        ReleaseAll();
}

int CWordOffice::Guarded(const std::function<int()>& steps)
{
    try
    {
        return steps();
    }
    catch (COleDispatchException* e)
    {
        Report(e);
        e->Delete();
    }
    catch (COleException* e)
    {
        wordoffice::ShowMessage(e->GetErrorText());
        e->Delete();
    }
    return 0;
}

LPDISPATCH CWordOffice::TryGet(const std::function<LPDISPATCH()>& get)
{
    try
    {
        return get();
    }
    catch (COleDispatchException* e)
    {
        if (wordoffice::ServerIsGone(e->m_scError))
            ReleaseAll();
        e->Delete();
    }
    catch (COleException* e)
    {
        e->Delete();
    }
    return nullptr;
}

int CWordOffice::CreateApp()
{
    if (m_wdApp.m_lpDispatch)
        return 1;
    try
    {
        COleException error;
        if (!m_wdApp.CreateDispatch(kProgId, &error))
        {
            CLSID clsid;
            if (FAILED(CLSIDFromProgID(kProgId, &clsid)))
                ::MessageBoxW(nullptr, L"CLSIDFromProgID() 函數調用失敗！", L"錯誤", MB_SYSTEMMODAL | MB_ICONSTOP);
            else
                wordoffice::ShowMessage(L"Application創建失敗，請確保安裝了word 2000或以上版本!");
            return 0;
        }
        m_strVersion = m_wdApp.GetVersion();
        return 1;
    }
    catch (COleDispatchException* e)
    {
        TRACE(L"%s(%d): OLE Execption caught: SCODE = %x", kSourceName, __LINE__, static_cast<unsigned>(e->m_scError));
        e->Delete();
    }
    catch (COleException* e)
    {
        TRACE(L"%s(%d): OLE Execption caught: SCODE = %x", kSourceName, __LINE__, static_cast<unsigned>(e->m_sc));
        e->Delete();
    }
    catch (...)
    {
        TRACE(L"unknown error");
    }
    m_wdApp.ReleaseDispatch();
    return 0;
}

int CWordOffice::CreateDocuments()
{
    if (!CreateApp())
        return 0;
    m_wdDocs.AttachDispatch(TryGet([this] { return m_wdApp.GetDocuments(); }));
    if (!m_wdDocs.m_lpDispatch)
    {
        wordoffice::ShowMessage(L"Documents創建失敗!");
        return 0;
    }
    return 1;
}

int CWordOffice::AttachDocumentParts(LPDISPATCH pDocument)
{
    m_wdDoc.AttachDispatch(pDocument ? pDocument : TryGet([this] { return m_wdApp.GetActiveDocument(); }));
    if (!m_wdDoc.m_lpDispatch)
    {
        m_wdSel.ReleaseDispatch();
        m_wdRange.ReleaseDispatch();
        wordoffice::ShowMessage(L"Document獲取失敗!");
        return 0;
    }
    m_wdSel.AttachDispatch(TryGet([this] { return m_wdApp.GetSelection(); }));
    if (!m_wdSel.m_lpDispatch)
    {
        wordoffice::ShowMessage(L"Select獲取失敗!");
        return 0;
    }
    m_wdRange.AttachDispatch(TryGet([this] { return m_wdDoc.Range(&m_vOptional, &m_vOptional); }));
    if (!m_wdRange.m_lpDispatch)
    {
        wordoffice::ShowMessage(L"Range獲取失敗!");
        return 0;
    }
    return 1;
}

int CWordOffice::CreateDocument()
{
    if (!m_wdDocs.m_lpDispatch)
    {
        wordoffice::ShowMessage(L"Documents為空!");
        return 0;
    }
    return Guarded(
        [this]
        {
            _Document1 added(m_wdDocs.Add(&m_vOptional, &m_vOptional, &m_vOptional, &m_vOptional));
            return AttachDocumentParts(nullptr);
        });
}

int CWordOffice::Create()
{
    return CreateDocuments() && CreateDocument();
}

int CWordOffice::OpenDocument(const CString& strPath)
{
    if (!m_wdDocs.m_lpDispatch)
    {
        wordoffice::ShowMessage(L"Documents為空!");
        return 0;
    }
    wordoffice::TextVariant file(strPath);
    LPDISPATCH document = m_wdDocs.Open(file, &m_vTrue, &m_vFalse, &m_vFalse, &m_vOptional, &m_vOptional, &m_vOptional,
                                        &m_vOptional, &m_vOptional, &m_vOptional, &m_vOptional, &m_vOptional);
    return AttachDocumentParts(document);
}

int CWordOffice::Open(const CString& strPath)
{
    return CreateDocuments() && OpenDocument(strPath);
}

int CWordOffice::TryOpen(const CString& strPath)
{
    try
    {
        return Open(strPath);
    }
    catch (COleDispatchException* e)
    {
        CString text;
        text.Format(L"不能打開文件 %s ", strPath);
        wordoffice::ShowMessage(text);
        if (wordoffice::ServerIsGone(e->m_scError))
            ReleaseAll();
        e->Delete();
    }
    return 0;
}

int CWordOffice::SetActiveDocument(short nIndex)
{
    if (!m_wdDocs.m_lpDispatch)
    {
        wordoffice::ShowMessage(L"Documents為空!");
        return 0;
    }
    int result = Guarded(
        [this, nIndex]
        {
            VARIANT index;
            VariantInit(&index);
            index.vt = VT_I2;
            index.iVal = nIndex;
            _Document1 document(m_wdDocs.Item(&index));
            document.Activate();
            return AttachDocumentParts(document.DetachDispatch());
        });
    HideApp();
    return result;
}

int CWordOffice::ShowApp()
{
    if (!m_wdApp.m_lpDispatch)
        return 0;
    return Guarded(
        [this]
        {
            m_wdApp.SetVisible(TRUE);
            return 1;
        });
}

int CWordOffice::HideApp()
{
    if (!m_wdApp.m_lpDispatch)
        return 0;
    return Guarded(
        [this]
        {
            m_wdApp.SetVisible(FALSE);
            return 1;
        });
}

int CWordOffice::SaveDocument()
{
    if (!m_wdDoc.m_lpDispatch)
    {
        wordoffice::ShowMessage(L"Document獲取失敗!");
        return 0;
    }
    return Guarded(
        [this]
        {
            m_wdDoc.Save();
            return 1;
        });
}

int CWordOffice::SaveDocumentAs(const CString& strPath)
{
    if (!m_wdDoc.m_lpDispatch)
    {
        wordoffice::ShowMessage(L"Document獲取失敗!");
        return 0;
    }
    return Guarded(
        [this, &strPath]
        {
            wordoffice::TextVariant file(strPath);
            VARIANT* o = &m_vOptional;
            m_wdDoc.SaveAs(file, o, o, o, o, o, o, o, o, o, o);
            return 1;
        });
}

int CWordOffice::CloseDocument()
{
    if (!m_wdDoc.m_lpDispatch)
    {
        wordoffice::ShowMessage(L"Document獲取失敗!");
        return 0;
    }
    return Guarded(
        [this]
        {
            m_wdDoc.Close(&m_vFalse, &m_vTrue, &m_vFalse);
            m_wdDoc.ReleaseDispatch();
            return AttachDocumentParts(nullptr);
        });
}

int CWordOffice::CloseApp()
{
    if (!m_wdApp.m_lpDispatch)
        return 0;
    int saved = m_wdDoc.m_lpDispatch ? SaveDocument() : 1;
    int quit = Guarded(
        [this]
        {
            m_wdApp.Quit(&m_vFalse, &m_vTrue, &m_vFalse);
            return 1;
        });
    ReleaseAll();
    return saved && quit;
}

int CWordOffice::CloseFile()
{
    int closed = 1;
    if (m_wdDoc.m_lpDispatch)
        closed = Guarded(
            [this]
            {
                m_wdDoc.Close(&m_vFalse, &m_vTrue, &m_vFalse);
                return 1;
            });
    int quit = 1;
    if (m_wdApp.m_lpDispatch)
        quit = Guarded(
            [this]
            {
                m_wdApp.Quit(&m_vOptional, &m_vOptional, &m_vOptional);
                return 1;
            });
    ReleaseAll();
    return closed && quit;
}

int CWordOffice::Clear()
{
    int quit = 1;
    if (m_wdApp.m_lpDispatch)
        quit = Guarded(
            [this]
            {
                m_wdApp.Quit(&m_vFalse, &m_vTrue, &m_vFalse);
                return 1;
            });
    ReleaseAll();
    return quit;
}

void CWordOffice::SetupField(CfField* pField, int nCount)
{
    m_Field.SetField(pField, nCount);
}
