#pragma once
// Resource ids of Brisko.exe, shared by brisko.rc and the views.

#define IDI_BRISKO 1  // the program's icon
