#pragma once
#include <windows.h>

// Process-wide values. Each is written on the main thread before the wizard
// exists (g_bLaunchApp: by the wizard itself) and only read afterwards, also
// by the worker thread, so none needs a lock.

// The language resource library all wizard texts come from.
extern HMODULE g_hLangLib;
// This 32-bit process runs on 64-bit Windows.
extern BOOL g_bIsWow64;
// The system reports itself as Windows NT version 6.
extern BOOL g_bIsNT6;
// The wizard asks for the installed application to be started after it closes.
extern BOOL g_bLaunchApp;
