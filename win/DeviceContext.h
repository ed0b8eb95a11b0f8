#pragma once
#include <windows.h>

namespace win {

// A memory device context compatible with another one (or with the screen
// for null), deleted exactly once. Movable, not copyable.
class MemoryDC {
public:
    explicit MemoryDC(HDC compatibleWith) : m_hDC(::CreateCompatibleDC(compatibleWith)) {}
    ~MemoryDC() { Reset(); }
    MemoryDC(const MemoryDC&) = delete;
    MemoryDC& operator=(const MemoryDC&) = delete;
    MemoryDC(MemoryDC&& other) noexcept : m_hDC(other.m_hDC) { other.m_hDC = nullptr; }
    MemoryDC& operator=(MemoryDC&& other) noexcept;

    HDC Get() const { return m_hDC; }
    operator HDC() const { return m_hDC; }
    bool IsNull() const { return m_hDC == nullptr; }

private:
    void Reset();
    HDC m_hDC;
};

// BeginPaint in the constructor, EndPaint in the destructor: the device
// context of one WM_PAINT.
class PaintDC {
public:
    explicit PaintDC(HWND hWnd) : m_hWnd(hWnd), m_hDC(::BeginPaint(hWnd, &m_paint)) {}
    ~PaintDC() { ::EndPaint(m_hWnd, &m_paint); }
    PaintDC(const PaintDC&) = delete;
    PaintDC& operator=(const PaintDC&) = delete;

    HDC Get() const { return m_hDC; }
    operator HDC() const { return m_hDC; }
    const PAINTSTRUCT& Paint() const { return m_paint; }

private:
    HWND m_hWnd;
    PAINTSTRUCT m_paint = {};
    HDC m_hDC;
};

}  // namespace win
