// The one header an application includes: the framework layer and every public
// header of QVCtrl.dll and its companion library.
#pragma once

#include "afxall.h"
#include "qvapi.h"
#include "control/qvctrl_app.h"
