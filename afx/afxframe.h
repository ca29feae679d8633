// Frames, views and the print cycle of the framework layer. afxwin.h
// includes this after CWnd; including it alone brings afxwin.h in first.
#pragma once

#include "afxwin.h"
#include "printdlg.h"
#include "printinfo.h"
#include "framewnd.h"
#include "view.h"
#include "preview.h"
