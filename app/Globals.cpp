#include "app/Globals.h"

HMODULE g_hLangLib = nullptr;
BOOL g_bIsWow64 = FALSE;
BOOL g_bIsNT6 = FALSE;
BOOL g_bLaunchApp = FALSE;
