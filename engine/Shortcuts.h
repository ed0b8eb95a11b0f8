#pragma once
#include <windows.h>

// Shell links of an installation: one on the current user's desktop, and a
// group in the all-users programs menu. The create operations return false
// when no link was written.

bool CreateDesktopShortcut(const wchar_t* targetPath, const wchar_t* linkName);
void DeleteDesktopShortcut(const wchar_t* linkName);

// arguments may be null (the link gets none).
bool CreateStartMenuShortcut(const wchar_t* groupName, const wchar_t* targetPath,
                             const wchar_t* linkName, const wchar_t* arguments);
void DeleteStartMenuShortcut(const wchar_t* groupName, const wchar_t* linkName, bool removeGroupFolder);
