#include "win/Application.h"

namespace win {

namespace {
Application* g_pApplication = nullptr;
}

Application::Application()
{
    g_pApplication = this;
}

Application::~Application()
{
    if (g_pApplication == this)
        g_pApplication = nullptr;
}

Application* Application::Instance()
{
    return g_pApplication;
}

int Application::Run(HINSTANCE hInstance)
{
    m_hInstance = hInstance;
    // The program runs no message loop of its own: all the work is in
    // InitInstance, and modal dialogs bring their own loops.
    InitInstance();
    return ExitInstance();
}

int Application::ExitInstance()
{
    return m_nExitCode;
}

}  // namespace win
