#pragma once
#include <windows.h>

namespace win {

// The module whose resources the controls load their bitmaps and strings
// from: the running executable unless another module was set (a program
// that keeps its pictures in a resource library, or a test that reads them
// from a built setup.exe).
HINSTANCE GetResourceModule();
void SetResourceModule(HINSTANCE module);

}  // namespace win
