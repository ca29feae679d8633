// The standard controls and menus of the framework layer. afxwin.h includes
// this after CWnd; including it alone brings afxwin.h in first.
#pragma once

#include "afxwin.h"
#include "ctlmenu.h"
#include "ctlstatic.h"
#include "ctlbutton.h"
#include "ctledit.h"
#include "ctlcombo.h"
#include "ctllistbox.h"
#include "ctlscroll.h"
