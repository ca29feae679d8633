// The one header an application includes: the framework layer and every public
// header of QVCtrl.dll and its companion library.
#pragma once

#include "afxall.h"
#include "qvapi.h"
#include "control/qvctrl_app.h"

// Companion library: settings, folders, message boxes, trace reports.
#include "qvpath.h"
#include "qvmessage.h"
#include "qvtrace.h"

// Module frame and shared utilities.
#include "common/myuni.h"
#include "control/imagelist.h"
#include "control/loadicon.h"
#include "control/ownercheck.h"
#include "control/wndutil.h"

// Record fields.
#include "common/field.h"

// Dates, time stamps and ages.
#include "common/cdate.h"
#include "control/timestamp.h"

// Dialog data exchange and date entry controls.
#include "control/dlgaccess.h"
#include "control/dlgutility.h"
#include "control/dlgstringitem.h"
#include "control/dateedit.h"
#include "control/datedlg.h"
#include "control/singledate.h"
#include "extend/daterange.h"

// Tree list: the "TreeList" window.
#include "control/treelist.h"
#include "control/treelistctrl.h"

// Tree list: the owner-drawn tree on the system tree control and its host window.
#include "control/newtreelistctrl.h"
#include "control/treelisthost.h"

// Printing: font scaling for devices.
#include "common/changefont.h"

// List grid: the header window, the grid, and the owner-drawn system header.
#include "common/headwnd.h"
#include "common/listctrl.h"
#include "control/fieldlistctrl.h"
#include "control/fieldlistdlg.h"
#include "control/newheaderctrl.h"

// Buttons, menu panels and small controls.
#include "control/bitmapbutton.h"
#include "control/bmpbutton.h"
#include "control/texticonmenu.h"
#include "control/scancodeedit.h"
#include "control/browseforfolder.h"
#include "qvctrl/folderdlg.h"

// The list grid's sort and search dialogs.
#include "control/sortdlg.h"
#include "control/searchdlg.h"

// HTML reports and text files.
#include "control/fillhtml.h"
#include "control/htmlview.h"
#include "control/textfile.h"
#include "control/htmlwnd.h"

// Word documents through automation.
#include "common/msword9.h"
#include "common/wordoffice.h"
