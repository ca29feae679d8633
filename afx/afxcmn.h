// The common controls of the framework layer: image lists, header, list
// view, tree view and up-down control.
#pragma once

#include "afxwin.h"
#include "cmninit.h"
#include "cmnimagelist.h"
#include "cmnheader.h"
#include "cmnlist.h"
#include "cmntree.h"
#include "cmnspin.h"
