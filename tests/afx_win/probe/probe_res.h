// Resource ids of the probe DLL.
#pragma once

#define PROBE_IDS_NAME 7001
