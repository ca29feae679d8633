// Export macro of the companion library QVXml10U.dll.
#pragma once

#ifdef QVXML_EXPORTS
#define QVXML_API __declspec(dllexport)
#else
#define QVXML_API __declspec(dllimport)
#endif
