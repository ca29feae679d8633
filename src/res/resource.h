// Resource identifiers of QVCtrl.dll.
#pragma once
