// Resource identifiers of the demo's library-information page.
#pragma once

#define IDI_MODULE_PATIENT 3101
#define IDI_MODULE_RECORD 3102
#define IDI_MODULE_EXPORT 3103
