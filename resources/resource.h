#pragma once
// Resource and command identifiers of the program. Plain preprocessor
// definitions: read by the resource compiler and by the C++ code.

#include "../framework/framework_ids.h"

// Menu, accelerators, main icon and document strings share this number.
#define IDR_MAINFRAME 128

#define IDD_ABOUTBOX 100
#define IDC_CARRY_CURSOR 105

// The program's own commands.
#define ID_EDIT_FONT 32771
#define ID_HELP_README 32772
#define ID_USE_CLIPBOARD 32774
