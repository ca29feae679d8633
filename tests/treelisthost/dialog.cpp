// The recording dialog's message map.
#include "treelisthost_fixture.h"

namespace hosttest
{

BEGIN_MESSAGE_MAP(RecordingDialog, CDialog)
    ON_WM_CONTEXTMENU()
END_MESSAGE_MAP()

}   // namespace hosttest
