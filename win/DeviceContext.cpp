#include "win/DeviceContext.h"

namespace win {

MemoryDC& MemoryDC::operator=(MemoryDC&& other) noexcept
{
    if (this != &other) {
        Reset();
        m_hDC = other.m_hDC;
        other.m_hDC = nullptr;
    }
    return *this;
}

void MemoryDC::Reset()
{
    if (m_hDC != nullptr) {
        // Deleting a memory context only fails for a bad handle; there is
        // nothing to recover either way.
        ::DeleteDC(m_hDC);
        m_hDC = nullptr;
    }
}

}  // namespace win
