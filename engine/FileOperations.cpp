#include "engine/FileOperations.h"

#include <windows.h>

bool PathExists(const wchar_t* path)
{
    WIN32_FIND_DATAW found = {};
    HANDLE search = ::FindFirstFileW(path, &found);
    if (search == INVALID_HANDLE_VALUE)
        return false;
    ::FindClose(search);
    return true;
}
