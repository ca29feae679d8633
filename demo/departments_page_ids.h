// Resource identifiers of the demo's departments page.
#pragma once

#define IDD_DEPARTMENTS_PAGE 3201
#define IDC_DEPARTMENT_TREE 3202
#define IDC_DEPARTMENT_HINT 3203
