#pragma once
#include <windows.h>

// This 32-bit process runs under WOW64 on a 64-bit Windows.
BOOL IsRunningUnderWow64();

// The system reports Windows NT major version 6, whatever the minor version.
BOOL IsWindowsNT6();

// Records the program in the compatibility assistant's "Persisted" list of the
// current user (a REG_DWORD 1 named by the path). Failures are silent.
void MarkCompatPersisted(const wchar_t* programPath);
