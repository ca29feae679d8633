// Trace points: one line each, appended to QVTrace.log beside the host program.
#pragma once

#include "afxstr.h"
#include "qvxml.h"

// strBuildDate as __DATE__ gives it ("Jan 20 2020"), the source path, the line
// and the qualified function name ("CNewListCtrl::SetImageList").
QVXML_API void ErrorFunctionReport(const CString& strBuildDate, const CString& strSource, int nLine,
                                   const CString& strFunction);
