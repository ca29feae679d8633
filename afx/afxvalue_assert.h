// ASSERT for the value types: the framework's own (afx.h) when it is there,
// otherwise nothing, so the value types also build on their own.
#pragma once

#if __has_include("afx.h")
#include "afx.h"
#endif

#ifndef ASSERT
#define ASSERT(f) ((void)0)
#endif
