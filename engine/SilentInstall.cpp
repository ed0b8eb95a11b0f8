#include "engine/SilentInstall.h"

bool SilentInstall(const wchar_t* /*sourceDir*/)
{
    return true;
}

bool LaunchInstalledApplication(const wchar_t* /*sourceDir*/, const SetupConfig* /*config*/)
{
    return false;
}
