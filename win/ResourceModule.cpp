#include "win/ResourceModule.h"

namespace win {

namespace {
HINSTANCE g_hResourceModule = nullptr;
}

HINSTANCE GetResourceModule()
{
    if (g_hResourceModule != nullptr)
        return g_hResourceModule;
    return ::GetModuleHandleW(nullptr);
}

void SetResourceModule(HINSTANCE module)
{
    g_hResourceModule = module;
}

}  // namespace win
