#include <windows.h>

#include "app/SetupApp.h"

// The one application object; the entry point hands the run to it.
static CSetupApp theApp;

int WINAPI wWinMain(HINSTANCE hInstance, HINSTANCE /*hPrevInstance*/, LPWSTR /*commandLine*/,
                    int /*showCommand*/)
{
    return win::Application::Instance()->Run(hInstance);
}
