// The precompiled-header name that MFC sources include first.
#pragma once

#include "afxall.h"
