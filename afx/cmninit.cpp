// Registration of the common-control window classes a wrapper creates.
#include "cmninit.h"

BOOL AfxInitCommonControl(DWORD dwICC)
{
    INITCOMMONCONTROLSEX init = {sizeof(init), dwICC};
    return ::InitCommonControlsEx(&init);
}
