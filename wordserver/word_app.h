// The state of the running Word stand-in, shared by all its automation objects,
// and the constructors of those objects.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "dispatch_object.h"
#include "word_document.h"

// Word's dispatch ids that every object answers.
enum CommonDispId : DISPID
{
    kDispApplication = 1000,
    kDispCreator = 1001,
    kDispParent = 1002,
};
// Word's creator code ('MSWD').
const long kWordCreator = 0x4D535744;
// The printer name that stands for the PDF queue.
extern const wchar_t kAdobePdfPrinter[];
extern const wchar_t kPdfQueue[];

struct WordApp
{
    std::vector<DocumentPtr> documents;   // in the order they were opened
    DocumentPtr active;
    std::wstring activePrinter;
    bool visible = false;
    int nextNumber = 1;   // of the next new "Document<n>"

    // The active document; an error when no document is open.
    DocumentPtr Active() const;
    void Add(const DocumentPtr& doc);
    // Removes the document; the last one opened before it becomes active.
    void Close(const DocumentPtr& doc);
};
using AppPtr = std::shared_ptr<WordApp>;

// The document behind an object: an error once the document was closed.
const DocumentPtr& Alive(const DocumentPtr& doc);

// Answers Application, Creator and Parent; false for any other id.
// The parent is made only when asked for; without one it is the application.
bool CommonCall(DISPID id, CallArgs& args, const AppPtr& app, const std::function<IDispatch*()>& parent = nullptr);

IDispatch* NewApplication(const AppPtr& app);
IDispatch* NewDocuments(const AppPtr& app);
IDispatch* NewDocument(const AppPtr& app, const DocumentPtr& doc);
IDispatch* NewSelection(const AppPtr& app, const DocumentPtr& doc);
IDispatch* NewRange(const AppPtr& app, const DocumentPtr& doc, long start, long end);
IDispatch* NewParagraphs(const AppPtr& app, const DocumentPtr& doc, long start, long end);
// Inline shapes and hyperlinks of a part of the document; new ones go in at the
// selection (fromSelection) or at the start of the part.
IDispatch* NewInlineShapes(const AppPtr& app, const DocumentPtr& doc, long start, long end, bool fromSelection);
IDispatch* NewHyperlinks(const AppPtr& app, const DocumentPtr& doc, long start, long end);
IDispatch* NewInlineShape(const AppPtr& app, const DocumentPtr& doc, int tag);
IDispatch* NewHyperlink(const AppPtr& app, const DocumentPtr& doc, int tag);
// An enumerator over the given objects (each reference taken over).
IUnknown* NewEnumerator(const std::vector<IDispatch*>& items);

// The span that a range object of this server holds, or null for other objects.
TextSpan* RangeSpan(IDispatch* dispatch, DocumentPtr* doc);
