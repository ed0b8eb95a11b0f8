#include "engine/SelfRemovalBatch.h"

void WriteSelfRemovalBatch(const SetupConfig& /*config*/, const wchar_t* /*setupDir*/)
{
}
