#pragma once
#include <windows.h>

namespace win {

// The one application object of a program. The entry point hands control to it:
// InitInstance does the run's work; when it returns FALSE the program goes
// straight on to ExitInstance, whose result is the process exit code.
class Application {
public:
    Application();
    virtual ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    static Application* Instance();
    HINSTANCE ResourceHandle() const { return m_hInstance; }

    // Runs the program: InitInstance, then ExitInstance; the result is the exit code.
    int Run(HINSTANCE hInstance);

protected:
    virtual BOOL InitInstance() = 0;
    virtual int ExitInstance();

    // The exit code ExitInstance of this class returns.
    void SetExitCode(int exitCode) { m_nExitCode = exitCode; }

private:
    HINSTANCE m_hInstance = nullptr;
    int m_nExitCode = 0;
};

}  // namespace win
