// Resource identifiers of the demo's report and text exports.
#pragma once

#define IDR_REPORT_TEMPLATE 300
#define ID_FILE_REPORT 1006
#define ID_FILE_TEXT_EXPORT 1007
