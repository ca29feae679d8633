// The wrappers' operations, defined from the rows of msword9.h.
#include "msword9.h"

#define MSWORD9_DEFINE_CLASS(cls, table) table(MSWORD9_DEFINE)
MSWORD9_ALL_CLASSES(MSWORD9_DEFINE_CLASS)
