// Thin dispatch wrappers for Word's automation objects (the Word 2000 object
// model): each operation is one InvokeHelper call with Word's dispatch id.
// Operations that return another Word object return its raw dispatch pointer;
// attach it to the matching wrapper (AttachDispatch, auto-release). A failing
// call throws COleDispatchException*, which the wrappers do not catch.
#pragma once

#include <type_traits>

#include "afxdisp.h"
#include "qvapi.h"

// One automation call with a typed result (none for void).
template <class Result, class... Args>
Result MsWordInvoke(COleDispatchDriver& driver, DISPID id, WORD kind, VARTYPE resultType, const char* paramTypes,
                    Args... args)
{
    const BYTE* types = reinterpret_cast<const BYTE*>(paramTypes);
    if constexpr (std::is_void_v<Result>)
    {
        driver.InvokeHelper(id, kind, VT_EMPTY, nullptr, types, args...);
    }
    else
    {
        Result result{};
        driver.InvokeHelper(id, kind, resultType, &result, types, args...);
        return result;
    }
}

// The operations of every class, one row each:
// X(class, result, name, dispatch id, invoke kind, result type, parameter types, (parameters), (arguments)).
#define MSWORD9_APPLICATION1(X)                                                                                        \
    X(_Application1, LPDISPATCH, GetDocuments, 6, DISPATCH_PROPERTYGET, VT_DISPATCH, VTS_NONE, (), ())                 \
    X(_Application1, LPDISPATCH, GetActiveDocument, 3, DISPATCH_PROPERTYGET, VT_DISPATCH, VTS_NONE, (), ())            \
    X(_Application1, LPDISPATCH, GetSelection, 5, DISPATCH_PROPERTYGET, VT_DISPATCH, VTS_NONE, (), ())                 \
    X(_Application1, CString, GetVersion, 24, DISPATCH_PROPERTYGET, VT_BSTR, VTS_NONE, (), ())                         \
    X(_Application1, BOOL, GetVisible, 23, DISPATCH_PROPERTYGET, VT_BOOL, VTS_NONE, (), ())                            \
    X(_Application1, void, SetVisible, 23, DISPATCH_PROPERTYPUT, VT_EMPTY, VTS_BOOL, (BOOL bNewValue), (bNewValue))    \
    X(_Application1, CString, GetActivePrinter, 66, DISPATCH_PROPERTYGET, VT_BSTR, VTS_NONE, (), ())                   \
    X(_Application1, void, SetActivePrinter, 66, DISPATCH_PROPERTYPUT, VT_EMPTY, VTS_BSTR, (LPCTSTR lpszNewValue),     \
      (lpszNewValue))                                                                                                  \
    X(_Application1, void, Quit, 1105, DISPATCH_METHOD, VT_EMPTY, VTS_PVARIANT VTS_PVARIANT VTS_PVARIANT,              \
      (VARIANT * SaveChanges, VARIANT * OriginalFormat, VARIANT * RouteDocument),                                      \
      (SaveChanges, OriginalFormat, RouteDocument))                                                                    \
    X(_Application1, void, PrintOut, 444, DISPATCH_METHOD, VT_EMPTY,                                                   \
      VTS_PVARIANT VTS_PVARIANT VTS_PVARIANT VTS_PVARIANT VTS_PVARIANT VTS_PVARIANT VTS_PVARIANT VTS_PVARIANT          \
          VTS_PVARIANT VTS_PVARIANT VTS_PVARIANT VTS_PVARIANT VTS_PVARIANT VTS_PVARIANT VTS_PVARIANT VTS_PVARIANT      \
              VTS_PVARIANT VTS_PVARIANT VTS_PVARIANT,                                                                  \
      (VARIANT * Background, VARIANT * Append, VARIANT * Range, VARIANT * OutputFileName, VARIANT * From,              \
       VARIANT * To, VARIANT * Item, VARIANT * Copies, VARIANT * Pages, VARIANT * PageType, VARIANT * PrintToFile,     \
       VARIANT * Collate, VARIANT * FileName, VARIANT * ActivePrinterMacGX, VARIANT * ManualDuplexPrint,               \
       VARIANT * PrintZoomColumn, VARIANT * PrintZoomRow, VARIANT * PrintZoomPaperWidth,                               \
       VARIANT * PrintZoomPaperHeight),                                                                                \
      (Background, Append, Range, OutputFileName, From, To, Item, Copies, Pages, PageType, PrintToFile, Collate,       \
       FileName, ActivePrinterMacGX, ManualDuplexPrint, PrintZoomColumn, PrintZoomRow, PrintZoomPaperWidth,            \
       PrintZoomPaperHeight))                                                                                          \
    X(_Application1, LPDISPATCH, GetApplication, 1000, DISPATCH_PROPERTYGET, VT_DISPATCH, VTS_NONE, (), ())            \
    X(_Application1, long, GetCreator, 1001, DISPATCH_PROPERTYGET, VT_I4, VTS_NONE, (), ())                            \
    X(_Application1, LPDISPATCH, GetParent, 1002, DISPATCH_PROPERTYGET, VT_DISPATCH, VTS_NONE, (), ())

#define MSWORD9_DOCUMENTS1(X)                                                                                          \
    X(Documents1, long, GetCount, 2, DISPATCH_PROPERTYGET, VT_I4, VTS_NONE, (), ())                                    \
    X(Documents1, LPDISPATCH, Item, 0, DISPATCH_METHOD, VT_DISPATCH, VTS_PVARIANT, (VARIANT * Index), (Index))         \
    X(Documents1, LPDISPATCH, Add, 14, DISPATCH_METHOD, VT_DISPATCH,                                                   \
      VTS_PVARIANT VTS_PVARIANT VTS_PVARIANT VTS_PVARIANT,                                                             \
      (VARIANT * Template, VARIANT * NewTemplate, VARIANT * DocumentType, VARIANT * Visible),                          \
      (Template, NewTemplate, DocumentType, Visible))                                                                  \
    X(Documents1, LPDISPATCH, Open, 15, DISPATCH_METHOD, VT_DISPATCH,                                                  \
      VTS_PVARIANT VTS_PVARIANT VTS_PVARIANT VTS_PVARIANT VTS_PVARIANT VTS_PVARIANT VTS_PVARIANT VTS_PVARIANT          \
          VTS_PVARIANT VTS_PVARIANT VTS_PVARIANT VTS_PVARIANT,                                                         \
      (VARIANT * FileName, VARIANT * ConfirmConversions, VARIANT * ReadOnly, VARIANT * AddToRecentFiles,               \
       VARIANT * PasswordDocument, VARIANT * PasswordTemplate, VARIANT * Revert, VARIANT * WritePasswordDocument,      \
       VARIANT * WritePasswordTemplate, VARIANT * Format, VARIANT * Encoding, VARIANT * Visible),                      \
      (FileName, ConfirmConversions, ReadOnly, AddToRecentFiles, PasswordDocument, PasswordTemplate, Revert,           \
       WritePasswordDocument, WritePasswordTemplate, Format, Encoding, Visible))                                       \
    X(Documents1, LPUNKNOWN, Get_NewEnum, -4, DISPATCH_PROPERTYGET, VT_UNKNOWN, VTS_NONE, (), ())                      \
    X(Documents1, LPDISPATCH, GetApplication, 1000, DISPATCH_PROPERTYGET, VT_DISPATCH, VTS_NONE, (), ())               \
    X(Documents1, long, GetCreator, 1001, DISPATCH_PROPERTYGET, VT_I4, VTS_NONE, (), ())                               \
    X(Documents1, LPDISPATCH, GetParent, 1002, DISPATCH_PROPERTYGET, VT_DISPATCH, VTS_NONE, (), ())

#define MSWORD9_DOCUMENT1(X)                                                                                           \
    X(_Document1, CString, GetName, 0, DISPATCH_PROPERTYGET, VT_BSTR, VTS_NONE, (), ())                                \
    X(_Document1, LPDISPATCH, Range, 2000, DISPATCH_METHOD, VT_DISPATCH, VTS_PVARIANT VTS_PVARIANT,                    \
      (VARIANT * Start, VARIANT * End), (Start, End))                                                                  \
    X(_Document1, void, Activate, 113, DISPATCH_METHOD, VT_EMPTY, VTS_NONE, (), ())                                    \
    X(_Document1, void, Save, 108, DISPATCH_METHOD, VT_EMPTY, VTS_NONE, (), ())                                        \
    X(_Document1, void, SaveAs, 102, DISPATCH_METHOD, VT_EMPTY,                                                        \
      VTS_PVARIANT VTS_PVARIANT VTS_PVARIANT VTS_PVARIANT VTS_PVARIANT VTS_PVARIANT VTS_PVARIANT VTS_PVARIANT          \
          VTS_PVARIANT VTS_PVARIANT VTS_PVARIANT,                                                                      \
      (VARIANT * FileName, VARIANT * FileFormat, VARIANT * LockComments, VARIANT * Password,                           \
       VARIANT * AddToRecentFiles, VARIANT * WritePassword, VARIANT * ReadOnlyRecommended,                             \
       VARIANT * EmbedTrueTypeFonts, VARIANT * SaveNativePictureFormat, VARIANT * SaveFormsData,                       \
       VARIANT * SaveAsAOCELetter),                                                                                    \
      (FileName, FileFormat, LockComments, Password, AddToRecentFiles, WritePassword, ReadOnlyRecommended,             \
       EmbedTrueTypeFonts, SaveNativePictureFormat, SaveFormsData, SaveAsAOCELetter))                                  \
    X(_Document1, void, Close, 1105, DISPATCH_METHOD, VT_EMPTY, VTS_PVARIANT VTS_PVARIANT VTS_PVARIANT,                \
      (VARIANT * SaveChanges, VARIANT * OriginalFormat, VARIANT * RouteDocument),                                      \
      (SaveChanges, OriginalFormat, RouteDocument))                                                                    \
    X(_Document1, LPDISPATCH, GetApplication, 1000, DISPATCH_PROPERTYGET, VT_DISPATCH, VTS_NONE, (), ())               \
    X(_Document1, long, GetCreator, 1001, DISPATCH_PROPERTYGET, VT_I4, VTS_NONE, (), ())                               \
    X(_Document1, LPDISPATCH, GetParent, 1002, DISPATCH_PROPERTYGET, VT_DISPATCH, VTS_NONE, (), ())

#define MSWORD9_SELECTION1(X)                                                                                          \
    X(Selection1, CString, GetText, 0, DISPATCH_PROPERTYGET, VT_BSTR, VTS_NONE, (), ())                                \
    X(Selection1, void, SetText, 0, DISPATCH_PROPERTYPUT, VT_EMPTY, VTS_BSTR, (LPCTSTR lpszNewValue), (lpszNewValue))  \
    X(Selection1, long, GetStart, 3, DISPATCH_PROPERTYGET, VT_I4, VTS_NONE, (), ())                                    \
    X(Selection1, long, GetEnd, 4, DISPATCH_PROPERTYGET, VT_I4, VTS_NONE, (), ())                                      \
    X(Selection1, void, TypeText, 507, DISPATCH_METHOD, VT_EMPTY, VTS_BSTR, (LPCTSTR Text), (Text))                    \
    X(Selection1, void, TypeParagraph, 512, DISPATCH_METHOD, VT_EMPTY, VTS_NONE, (), ())                               \
    X(Selection1, void, InsertFile, 123, DISPATCH_METHOD, VT_EMPTY,                                                    \
      VTS_BSTR VTS_PVARIANT VTS_PVARIANT VTS_PVARIANT VTS_PVARIANT,                                                    \
      (LPCTSTR FileName, VARIANT * Range, VARIANT * ConfirmConversions, VARIANT * Link, VARIANT * Attachment),         \
      (FileName, Range, ConfirmConversions, Link, Attachment))                                                         \
    X(Selection1, LPDISPATCH, GetInlineShapes, 411, DISPATCH_PROPERTYGET, VT_DISPATCH, VTS_NONE, (), ())               \
    X(Selection1, LPDISPATCH, GetRange, 400, DISPATCH_PROPERTYGET, VT_DISPATCH, VTS_NONE, (), ())                      \
    X(Selection1, LPDISPATCH, GetParagraphs, 59, DISPATCH_PROPERTYGET, VT_DISPATCH, VTS_NONE, (), ())                  \
    X(Selection1, long, MoveRight, 501, DISPATCH_METHOD, VT_I4, VTS_PVARIANT VTS_PVARIANT VTS_PVARIANT,                \
      (VARIANT * Unit, VARIANT * Count, VARIANT * Extend), (Unit, Count, Extend))                                      \
    X(Selection1, long, MoveLeft, 500, DISPATCH_METHOD, VT_I4, VTS_PVARIANT VTS_PVARIANT VTS_PVARIANT,                 \
      (VARIANT * Unit, VARIANT * Count, VARIANT * Extend), (Unit, Count, Extend))                                      \
    X(Selection1, long, MoveStart, 110, DISPATCH_METHOD, VT_I4, VTS_PVARIANT VTS_PVARIANT,                             \
      (VARIANT * Unit, VARIANT * Count), (Unit, Count))                                                                \
    X(Selection1, LPDISPATCH, GetApplication, 1000, DISPATCH_PROPERTYGET, VT_DISPATCH, VTS_NONE, (), ())               \
    X(Selection1, long, GetCreator, 1001, DISPATCH_PROPERTYGET, VT_I4, VTS_NONE, (), ())                               \
    X(Selection1, LPDISPATCH, GetParent, 1002, DISPATCH_PROPERTYGET, VT_DISPATCH, VTS_NONE, (), ())

#define MSWORD9_RANGE1(X)                                                                                              \
    X(Range1, CString, GetText, 0, DISPATCH_PROPERTYGET, VT_BSTR, VTS_NONE, (), ())                                    \
    X(Range1, void, SetText, 0, DISPATCH_PROPERTYPUT, VT_EMPTY, VTS_BSTR, (LPCTSTR lpszNewValue), (lpszNewValue))      \
    X(Range1, long, GetStart, 3, DISPATCH_PROPERTYGET, VT_I4, VTS_NONE, (), ())                                        \
    X(Range1, void, SetStart, 3, DISPATCH_PROPERTYPUT, VT_EMPTY, VTS_I4, (long nNewValue), (nNewValue))                \
    X(Range1, long, GetEnd, 4, DISPATCH_PROPERTYGET, VT_I4, VTS_NONE, (), ())                                          \
    X(Range1, void, SetEnd, 4, DISPATCH_PROPERTYPUT, VT_EMPTY, VTS_I4, (long nNewValue), (nNewValue))                  \
    X(Range1, void, InsertAfter, 104, DISPATCH_METHOD, VT_EMPTY, VTS_BSTR, (LPCTSTR Text), (Text))                     \
    X(Range1, void, WholeStory, 128, DISPATCH_METHOD, VT_EMPTY, VTS_NONE, (), ())                                      \
    X(Range1, void, CopyAsPicture, 167, DISPATCH_METHOD, VT_EMPTY, VTS_NONE, (), ())                                   \
    X(Range1, LPDISPATCH, GetHyperlinks, 156, DISPATCH_PROPERTYGET, VT_DISPATCH, VTS_NONE, (), ())                     \
    X(Range1, long, GetStoryLength, 152, DISPATCH_PROPERTYGET, VT_I4, VTS_NONE, (), ())                                \
    X(Range1, LPDISPATCH, GetParagraphs, 59, DISPATCH_PROPERTYGET, VT_DISPATCH, VTS_NONE, (), ())                      \
    X(Range1, LPDISPATCH, GetApplication, 1000, DISPATCH_PROPERTYGET, VT_DISPATCH, VTS_NONE, (), ())                   \
    X(Range1, long, GetCreator, 1001, DISPATCH_PROPERTYGET, VT_I4, VTS_NONE, (), ())                                   \
    X(Range1, LPDISPATCH, GetParent, 1002, DISPATCH_PROPERTYGET, VT_DISPATCH, VTS_NONE, (), ())

#define MSWORD9_PARAGRAPH(X)                                                                                           \
    X(Paragraph, LPDISPATCH, GetApplication, 1000, DISPATCH_PROPERTYGET, VT_DISPATCH, VTS_NONE, (), ())                \
    X(Paragraph, long, GetCreator, 1001, DISPATCH_PROPERTYGET, VT_I4, VTS_NONE, (), ())                                \
    X(Paragraph, LPDISPATCH, GetParent, 1002, DISPATCH_PROPERTYGET, VT_DISPATCH, VTS_NONE, (), ())

#define MSWORD9_PARAGRAPHS(X)                                                                                          \
    X(Paragraphs, long, GetCount, 2, DISPATCH_PROPERTYGET, VT_I4, VTS_NONE, (), ())                                    \
    X(Paragraphs, LPUNKNOWN, Get_NewEnum, -4, DISPATCH_PROPERTYGET, VT_UNKNOWN, VTS_NONE, (), ())                      \
    X(Paragraphs, LPDISPATCH, GetApplication, 1000, DISPATCH_PROPERTYGET, VT_DISPATCH, VTS_NONE, (), ())               \
    X(Paragraphs, long, GetCreator, 1001, DISPATCH_PROPERTYGET, VT_I4, VTS_NONE, (), ())                               \
    X(Paragraphs, LPDISPATCH, GetParent, 1002, DISPATCH_PROPERTYGET, VT_DISPATCH, VTS_NONE, (), ())

#define MSWORD9_TABLE(X)                                                                                               \
    X(Table, LPDISPATCH, GetApplication, 1000, DISPATCH_PROPERTYGET, VT_DISPATCH, VTS_NONE, (), ())                    \
    X(Table, long, GetCreator, 1001, DISPATCH_PROPERTYGET, VT_I4, VTS_NONE, (), ())                                    \
    X(Table, LPDISPATCH, GetParent, 1002, DISPATCH_PROPERTYGET, VT_DISPATCH, VTS_NONE, (), ())

#define MSWORD9_TABLES(X)                                                                                              \
    X(Tables, LPUNKNOWN, Get_NewEnum, -4, DISPATCH_PROPERTYGET, VT_UNKNOWN, VTS_NONE, (), ())                          \
    X(Tables, LPDISPATCH, GetApplication, 1000, DISPATCH_PROPERTYGET, VT_DISPATCH, VTS_NONE, (), ())                   \
    X(Tables, long, GetCreator, 1001, DISPATCH_PROPERTYGET, VT_I4, VTS_NONE, (), ())                                   \
    X(Tables, LPDISPATCH, GetParent, 1002, DISPATCH_PROPERTYGET, VT_DISPATCH, VTS_NONE, (), ())

#define MSWORD9_BORDER(X)                                                                                              \
    X(Border, LPDISPATCH, GetApplication, 1000, DISPATCH_PROPERTYGET, VT_DISPATCH, VTS_NONE, (), ())                   \
    X(Border, long, GetCreator, 1001, DISPATCH_PROPERTYGET, VT_I4, VTS_NONE, (), ())                                   \
    X(Border, LPDISPATCH, GetParent, 1002, DISPATCH_PROPERTYGET, VT_DISPATCH, VTS_NONE, (), ())

#define MSWORD9_BORDERS(X)                                                                                             \
    X(Borders, LPUNKNOWN, Get_NewEnum, -4, DISPATCH_PROPERTYGET, VT_UNKNOWN, VTS_NONE, (), ())                         \
    X(Borders, LPDISPATCH, GetApplication, 1000, DISPATCH_PROPERTYGET, VT_DISPATCH, VTS_NONE, (), ())                  \
    X(Borders, long, GetCreator, 1001, DISPATCH_PROPERTYGET, VT_I4, VTS_NONE, (), ())                                  \
    X(Borders, LPDISPATCH, GetParent, 1002, DISPATCH_PROPERTYGET, VT_DISPATCH, VTS_NONE, (), ())

#define MSWORD9_COLUMN(X)                                                                                              \
    X(Column, LPDISPATCH, GetApplication, 1000, DISPATCH_PROPERTYGET, VT_DISPATCH, VTS_NONE, (), ())                   \
    X(Column, long, GetCreator, 1001, DISPATCH_PROPERTYGET, VT_I4, VTS_NONE, (), ())                                   \
    X(Column, LPDISPATCH, GetParent, 1002, DISPATCH_PROPERTYGET, VT_DISPATCH, VTS_NONE, (), ())

#define MSWORD9_COLUMNS(X)                                                                                             \
    X(Columns, LPUNKNOWN, Get_NewEnum, -4, DISPATCH_PROPERTYGET, VT_UNKNOWN, VTS_NONE, (), ())                         \
    X(Columns, LPDISPATCH, GetApplication, 1000, DISPATCH_PROPERTYGET, VT_DISPATCH, VTS_NONE, (), ())                  \
    X(Columns, long, GetCreator, 1001, DISPATCH_PROPERTYGET, VT_I4, VTS_NONE, (), ())                                  \
    X(Columns, LPDISPATCH, GetParent, 1002, DISPATCH_PROPERTYGET, VT_DISPATCH, VTS_NONE, (), ())

#define MSWORD9_INLINESHAPE(X)                                                                                         \
    X(InlineShape, LPDISPATCH, GetApplication, 1000, DISPATCH_PROPERTYGET, VT_DISPATCH, VTS_NONE, (), ())              \
    X(InlineShape, long, GetCreator, 1001, DISPATCH_PROPERTYGET, VT_I4, VTS_NONE, (), ())                              \
    X(InlineShape, LPDISPATCH, GetParent, 1002, DISPATCH_PROPERTYGET, VT_DISPATCH, VTS_NONE, (), ())

#define MSWORD9_INLINESHAPES(X)                                                                                        \
    X(InlineShapes, LPDISPATCH, AddPicture, 100, DISPATCH_METHOD, VT_DISPATCH,                                         \
      VTS_BSTR VTS_PVARIANT VTS_PVARIANT VTS_PVARIANT,                                                                 \
      (LPCTSTR FileName, VARIANT * LinkToFile, VARIANT * SaveWithDocument, VARIANT * Range),                           \
      (FileName, LinkToFile, SaveWithDocument, Range))                                                                 \
    X(InlineShapes, LPUNKNOWN, Get_NewEnum, -4, DISPATCH_PROPERTYGET, VT_UNKNOWN, VTS_NONE, (), ())                    \
    X(InlineShapes, LPDISPATCH, GetApplication, 1000, DISPATCH_PROPERTYGET, VT_DISPATCH, VTS_NONE, (), ())             \
    X(InlineShapes, long, GetCreator, 1001, DISPATCH_PROPERTYGET, VT_I4, VTS_NONE, (), ())                             \
    X(InlineShapes, LPDISPATCH, GetParent, 1002, DISPATCH_PROPERTYGET, VT_DISPATCH, VTS_NONE, (), ())

#define MSWORD9_HYPERLINK(X)                                                                                           \
    X(Hyperlink, LPDISPATCH, GetApplication, 1000, DISPATCH_PROPERTYGET, VT_DISPATCH, VTS_NONE, (), ())                \
    X(Hyperlink, long, GetCreator, 1001, DISPATCH_PROPERTYGET, VT_I4, VTS_NONE, (), ())                                \
    X(Hyperlink, LPDISPATCH, GetParent, 1002, DISPATCH_PROPERTYGET, VT_DISPATCH, VTS_NONE, (), ())

#define MSWORD9_HYPERLINKS(X)                                                                                          \
    X(Hyperlinks, LPDISPATCH, Add, 101, DISPATCH_METHOD, VT_DISPATCH,                                                  \
      VTS_DISPATCH VTS_PVARIANT VTS_PVARIANT VTS_PVARIANT VTS_PVARIANT VTS_PVARIANT,                                   \
      (LPDISPATCH Anchor, VARIANT * Address, VARIANT * SubAddress, VARIANT * ScreenTip, VARIANT * TextToDisplay,       \
       VARIANT * Target),                                                                                              \
      (Anchor, Address, SubAddress, ScreenTip, TextToDisplay, Target))                                                 \
    X(Hyperlinks, LPUNKNOWN, Get_NewEnum, -4, DISPATCH_PROPERTYGET, VT_UNKNOWN, VTS_NONE, (), ())                      \
    X(Hyperlinks, LPDISPATCH, GetApplication, 1000, DISPATCH_PROPERTYGET, VT_DISPATCH, VTS_NONE, (), ())               \
    X(Hyperlinks, long, GetCreator, 1001, DISPATCH_PROPERTYGET, VT_I4, VTS_NONE, (), ())                               \
    X(Hyperlinks, LPDISPATCH, GetParent, 1002, DISPATCH_PROPERTYGET, VT_DISPATCH, VTS_NONE, (), ())

#define MSWORD9_ALL_CLASSES(X)                                                                                         \
    X(_Application1, MSWORD9_APPLICATION1)                                                                             \
    X(Documents1, MSWORD9_DOCUMENTS1)                                                                                  \
    X(_Document1, MSWORD9_DOCUMENT1)                                                                                   \
    X(Selection1, MSWORD9_SELECTION1)                                                                                  \
    X(Range1, MSWORD9_RANGE1)                                                                                          \
    X(Paragraph, MSWORD9_PARAGRAPH)                                                                                    \
    X(Paragraphs, MSWORD9_PARAGRAPHS)                                                                                  \
    X(Table, MSWORD9_TABLE)                                                                                            \
    X(Tables, MSWORD9_TABLES)                                                                                          \
    X(Border, MSWORD9_BORDER)                                                                                          \
    X(Borders, MSWORD9_BORDERS)                                                                                        \
    X(Column, MSWORD9_COLUMN)                                                                                          \
    X(Columns, MSWORD9_COLUMNS)                                                                                        \
    X(InlineShape, MSWORD9_INLINESHAPE)                                                                                \
    X(InlineShapes, MSWORD9_INLINESHAPES)                                                                              \
    X(Hyperlink, MSWORD9_HYPERLINK)                                                                                    \
    X(Hyperlinks, MSWORD9_HYPERLINKS)

// Declarations and definitions made from the rows.
#define MSWORD9_ARGS(...) __VA_OPT__(, ) __VA_ARGS__
#define MSWORD9_DECLARE(cls, result, name, id, kind, vt, types, params, args) result name params;
#define MSWORD9_DEFINE(cls, result, name, id, kind, vt, types, params, args)                                           \
    result cls::name params                                                                                            \
    {                                                                                                                  \
        return MsWordInvoke<result>(*this, id, kind, vt, types MSWORD9_ARGS args);                                     \
    }

// The five special members: no object; attach (and release when done); copy; destroy; assign.
#define MSWORD9_CLASS(cls, table)                                                                                      \
    class QVCTRL_API cls : public COleDispatchDriver                                                                   \
    {                                                                                                                  \
    public:                                                                                                            \
        cls() {}                                                                                                       \
        cls(LPDISPATCH pDispatch) : COleDispatchDriver(pDispatch) {}                                                   \
        cls(const cls& dispatchSrc) : COleDispatchDriver(dispatchSrc) {}                                               \
        ~cls() override {}                                                                                             \
        cls& operator=(const cls& dispatchSrc)                                                                         \
        {                                                                                                              \
            COleDispatchDriver::operator=(dispatchSrc);                                                                \
            return *this;                                                                                              \
        }                                                                                                              \
        table(MSWORD9_DECLARE)                                                                                         \
    };

MSWORD9_ALL_CLASSES(MSWORD9_CLASS)

// Word's constants that the library passes.
enum WdUnits
{
    wdCharacter = 1,
    wdStory = 6
};
