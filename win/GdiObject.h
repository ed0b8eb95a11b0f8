#pragma once
#include <windows.h>

namespace win {

// Owner of one GDI object (bitmap, region, font, brush or pen): it deletes the
// object exactly once, when it is destroyed or given another object. It can be
// moved but not copied, so two owners never hold the same handle. Detach lets
// go of the object without deleting it, for a handle whose new owner is the
// system (a region given to a window with SetWindowRgn).
template <typename Handle>
class GdiObject {
public:
    GdiObject() = default;
    explicit GdiObject(Handle handle) : m_handle(handle) {}
    ~GdiObject() { Reset(); }

    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;
    GdiObject(GdiObject&& other) noexcept : m_handle(other.Detach()) {}
    GdiObject& operator=(GdiObject&& other) noexcept
    {
        if (this != &other)
            Reset(other.Detach());
        return *this;
    }

    Handle Get() const { return m_handle; }
    operator Handle() const { return m_handle; }
    bool IsNull() const { return m_handle == nullptr; }

    // Deletes the object held so far and takes over the given one.
    void Reset(Handle handle = nullptr)
    {
        if (m_handle != nullptr && m_handle != handle) {
            // A failed delete means the object is still selected somewhere;
            // nothing better can be done with it here than to let it go.
            ::DeleteObject(m_handle);
        }
        m_handle = handle;
    }

    // Gives up ownership: the caller (or the system) now owns the object.
    Handle Detach()
    {
        Handle handle = m_handle;
        m_handle = nullptr;
        return handle;
    }

private:
    Handle m_handle = nullptr;
};

using Bitmap = GdiObject<HBITMAP>;
using Region = GdiObject<HRGN>;
using Font = GdiObject<HFONT>;
using Brush = GdiObject<HBRUSH>;
using Pen = GdiObject<HPEN>;

}  // namespace win
