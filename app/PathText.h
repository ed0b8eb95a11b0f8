#pragma once
#include <windows.h>

#include <cstddef>
#include <initializer_list>

// Paths and names live in fixed buffers of MAX_PATH wide characters. Every
// composed path goes through ComposeText, which refuses what does not fit: a
// path cut short could name another, existing file or folder.

// Joins the parts into the buffer. On overflow the buffer is left empty and
// the result is false.
bool ComposeText(wchar_t* buffer, size_t capacity, std::initializer_list<const wchar_t*> parts);

template <size_t N>
bool ComposeText(wchar_t (&buffer)[N], std::initializer_list<const wchar_t*> parts)
{
    return ComposeText(buffer, N, parts);
}

// Copies the path up to and including its last backslash into directory, or
// leaves it empty when the path holds no backslash. Only the backslash counts
// as a separator.
void GetPathDirectory(const wchar_t* path, wchar_t (&directory)[MAX_PATH]);

// Lower-cases the letters A to Z in place and leaves every other character.
void LowerCaseAsciiInPlace(wchar_t* text);

// Compares whole texts, ignoring case for the letters A to Z only.
bool EqualsIgnoringAsciiCase(const wchar_t* left, const wchar_t* right);
