// CWordOffice: writes Word documents through automation: starts or attaches to
// Word, creates or opens a document, types at the selection, fills template
// markers from a record, saves, prints to "Adobe PDF" and closes.
//
// Failures show one message box (exclamation style) and return 0; the object
// stays usable and the step can be tried again. Open and OpenDocument let an
// automation failure through as COleDispatchException* (TryOpen and
// FillWordInformation catch it); every other operation catches its own.
#pragma once

#include <functional>

#include "afxdisp.h"
#include "field.h"
#include "msword9.h"
#include "qvapi.h"

class QVCTRL_API CWordOffice
{
public:
    CWordOffice();
    virtual ~CWordOffice();
    CWordOffice(const CWordOffice&) = delete;
    CWordOffice& operator=(const CWordOffice&) = delete;

    // Closes the document unsaved, quits Word and releases every object.
    virtual int CloseFile();
    // Quits Word and releases every object.
    virtual int Clear();

    int CreateApp();
    int CreateDocuments();
    int CreateDocument();
    int Create();
    int OpenDocument(const CString& strPath);
    int Open(const CString& strPath);
    int TryOpen(const CString& strPath);
    int SetActiveDocument(short nIndex);
    int ShowApp();
    int HideApp();
    int SaveDocument();
    int SaveDocumentAs(const CString& strPath);
    int CloseDocument();
    int CloseApp();

    int WriteText(const CString& strText);
    int NewLine();
    int WriteNewLineText(const CString& strText, int nCount = 1);
    int WriteEndLine(const CString& strText);
    int WholeStory();
    int Copy();
    int InsertFile(const CString& strPath);
    int InsertShapes(const CString& strPicture);
    int InsertHyperlink(const CString& strAddress);

    void SetupField(CfField* pField, int nCount);
    // 0 only when the file exists and another program holds it locked.
    int FileAvailable(const CString& strPath);
    int DeleteFileW(const CString& strPath);
    int PrintToPDF();
    int FindLabel(const CString& strLabel);
    int FillInformation(CfField* pField, int nCount, char* pRecord);
    int FillWordInformation(const CString& strTemplate, CfField* pField, int nCount, char* pRecord);
    int FillList(CfField* pField, int nCount, char* pRecord, long nFirst, long nLast);

    _Application1 m_wdApp;
    Documents1 m_wdDocs;
    _Document1 m_wdDoc;
    Range1 m_wdRange;
    InlineShapes m_wdInlineShapes;
    InlineShape m_wdInlineShape;
    Selection1 m_wdSel;
    CField m_Field;
    CString m_strVersion;

protected:
    // Automation arguments: true and false as 16-bit integers, and "omitted".
    VARIANT m_vTrue;
    VARIANT m_vFalse;
    VARIANT m_vOptional;

private:
    // Attaches the active document (or keeps pDocument), the selection and the
    // document's whole range; 0 with the message of the first that is missing.
    int AttachDocumentParts(LPDISPATCH pDocument);
    // Runs the automation steps; a failure is reported and gives 0.
    int Guarded(const std::function<int()>& steps);
    // The object that get returns, or null when the call fails.
    LPDISPATCH TryGet(const std::function<LPDISPATCH()>& get);
    void Report(COleDispatchException* e);
    void ReleaseAll();
    // The walk of FindLabel and the fillers: onMarker gets each marker's name
    // and length with the marker selected and returns the characters now in its
    // place, or -1 to stop there. 1: stopped, 0: reached the end, -1: failed.
    int WalkMarkers(const std::function<int(const CString& strName, int nLength)>& onMarker);
    CString MarkerValue(const CString& strName, CfField* pField, int nCount, char* pRecord, BOOL& bKnown);
    int Fill(const CString& strSource, CfField* pField, int nCount, char* pRecord);
};
