// Resource ids of the host window tests.
#pragma once

#define IDD_DEPARTMENTS 100
#define IDC_DEPARTMENTS 1001
