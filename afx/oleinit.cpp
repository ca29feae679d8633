// AfxOleInit: OLE for a program that hosts OLE controls.
#include "olecontrolsite.h"

BOOL AfxOleInit()
{
    return SUCCEEDED(::OleInitialize(nullptr));
}
