#pragma once

// Shows a warning box with the caption "Fail" and no owner window; it blocks
// the calling thread until it is dismissed.
void ShowFailWarning(const wchar_t* text);

// The warning for a setup.ini value that cannot name a file or folder.
void ShowRefusedNameWarning(const wchar_t* key);
