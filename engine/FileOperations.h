#pragma once

// True when a file or folder exists at exactly this path.
bool PathExists(const wchar_t* path);
