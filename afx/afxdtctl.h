// The date and time controls of the framework layer: CDateTimeCtrl (the
// "SysDateTimePick32" picker) and CMonthCalCtrl (its drop-down calendar).
#pragma once

#include "afxwin.h"
#include "afxdisp.h"
#include "dtctlmonthcal.h"
#include "dtctlpicker.h"
