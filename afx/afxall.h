// Every public header of the framework layer.
#pragma once

#include "afx.h"
#include "afxstate.h"
#include "afxhandlemap.h"
#include "afxstr.h"
#include "afxtime.h"
#include "atltypes.h"
#include "afxtempl.h"
#include "afxcoll.h"
#include "afxdisp.h"
#include "afxwin.h"
#include "afxgdi.h"
#include "afxctl.h"
#include "afxcmn.h"
#include "afxdtctl.h"
