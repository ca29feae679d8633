// The framework's dispatch driver against a real local server: results of each
// type, failures as dispatch exceptions, copies and enumerators.
#include "word_fixture.h"

using namespace wordtest;

namespace
{

// The status of the dispatch exception that the call throws; S_OK when none.
template <class Call> SCODE FailureOf(Call call, CString* description = nullptr)
{
    try
    {
        call();
    }
    catch (COleDispatchException* e)
    {
        SCODE sc = e->m_scError;
        if (description)
            *description = e->m_strDescription;
        e->Delete();
        return sc;
    }
    return S_OK;
}

enum : DISPID
{
    kVersion = 24,
    kVisible = 23,
    kActiveDocument = 3,
    kDocuments = 6,
    kCreator = 1001,
    kQuit = 1105
};

TEST_F(WordTest, DispatchDriverCallsAndFailures)
{
    COleException error;
    COleDispatchDriver bad;
    EXPECT_FALSE(bad.CreateDispatch(L"No.Such.Application", &error));
    EXPECT_EQ(error.m_sc, CO_E_CLASSSTRING);
    EXPECT_EQ(bad.m_lpDispatch, nullptr);
    EXPECT_EQ(FailureOf([&] { bad.InvokeHelper(kVersion, DISPATCH_PROPERTYGET, VT_EMPTY, nullptr, nullptr); }),
              E_POINTER);

    COleDispatchDriver app;
    ASSERT_TRUE(app.CreateDispatch(L"Word.Application", &error));
    CString version;
    app.GetProperty(kVersion, VT_BSTR, &version);
    EXPECT_EQ(version, CString(L"9.0"));
    app.SetProperty(kVisible, VT_BOOL, TRUE);
    BOOL visible = FALSE;
    app.GetProperty(kVisible, VT_BOOL, &visible);
    EXPECT_TRUE(visible);
    // Results are converted to the type asked for.
    CString creator;
    app.InvokeHelper(kCreator, DISPATCH_PROPERTYGET, VT_BSTR, &creator, nullptr);
    EXPECT_EQ(creator, CString(L"1297307460"));
    short creatorAsShort = 0;
    EXPECT_EQ(FailureOf([&] { app.InvokeHelper(kCreator, DISPATCH_PROPERTYGET, VT_I2, &creatorAsShort, nullptr); }),
              DISP_E_OVERFLOW);

    // Unknown ids and the wrong kind of call: DISP_E_MEMBERNOTFOUND.
    EXPECT_EQ(FailureOf([&] { app.InvokeHelper(9999, DISPATCH_METHOD, VT_EMPTY, nullptr, nullptr); }),
              DISP_E_MEMBERNOTFOUND);
    EXPECT_EQ(FailureOf(
                  [&]
                  {
                      app.InvokeHelper(kVersion, DISPATCH_PROPERTYPUT, VT_EMPTY, nullptr,
                                       reinterpret_cast<const BYTE*>(VTS_BSTR), L"10.0");
                  }),
              DISP_E_MEMBERNOTFOUND);
    // A failure that the server explains comes with its text.
    CString description;
    LPDISPATCH document = nullptr;
    EXPECT_EQ(FailureOf([&]
                        { app.InvokeHelper(kActiveDocument, DISPATCH_PROPERTYGET, VT_DISPATCH, &document, nullptr); },
                        &description),
              E_FAIL);
    EXPECT_EQ(description, CString(L"This command is not available because no document is open."));
    EXPECT_EQ(document, nullptr);

    // The wrappers: a copy holds its own reference, an enumerator walks the documents.
    _Application1 application;
    application.AttachDispatch(app.m_lpDispatch, FALSE);
    Documents1 documents(application.GetDocuments());
    VARIANT optional;
    VariantInit(&optional);
    optional.vt = VT_ERROR;
    optional.scode = DISP_E_PARAMNOTFOUND;
    _Document1 added(documents.Add(&optional, &optional, &optional, &optional));
    Documents1 copy(documents);
    documents.ReleaseDispatch();
    EXPECT_EQ(copy.GetCount(), 1);
    EXPECT_EQ(added.GetCreator(), 0x4D535744);
    _Application1 parent(copy.GetParent());
    EXPECT_EQ(parent.GetVersion(), CString(L"9.0"));
    LPUNKNOWN unknown = copy.Get_NewEnum();
    ASSERT_NE(unknown, nullptr);
    IEnumVARIANT* items = nullptr;
    ASSERT_EQ(unknown->QueryInterface(IID_IEnumVARIANT, reinterpret_cast<void**>(&items)), S_OK);
    unknown->Release();
    VARIANT item[2];
    ULONG fetched = 0;
    EXPECT_EQ(items->Next(2, item, &fetched), S_FALSE);
    ASSERT_EQ(fetched, 1u);
    _Document1 first(item[0].pdispVal);
    EXPECT_EQ(first.GetName(), CString(L"Document1"));
    items->Release();

    VARIANT no;
    VariantInit(&no);
    no.vt = VT_I2;
    no.iVal = 0;
    app.InvokeHelper(kQuit, DISPATCH_METHOD, VT_EMPTY, nullptr,
                     reinterpret_cast<const BYTE*>(VTS_PVARIANT VTS_PVARIANT VTS_PVARIANT), &no, &optional, &optional);
}

}   // namespace
