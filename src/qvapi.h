// Export macro of QVCtrl.dll: exported while the library builds, imported by its users.
#pragma once

#ifdef QVCTRL_EXPORTS
#define QVCTRL_API __declspec(dllexport)
#else
#define QVCTRL_API __declspec(dllimport)
#endif
