// The server's registration under the programmatic id Word.Application.
#pragma once

#include <windows.h>

// Word's own class id, so that callers that name it find the stand-in.
extern const CLSID CLSID_WordApplication;

// Writes ProgID, class id and LocalServer32 (this program's path) to the classes key.
bool RegisterServer();
bool UnregisterServer();
