#include "app/PathText.h"

#include <cwchar>

bool ComposeText(wchar_t* buffer, size_t capacity, std::initializer_list<const wchar_t*> parts)
{
    size_t length = 0;
    for (const wchar_t* part : parts) {
        const size_t partLength = std::wcslen(part);
        if (length + partLength >= capacity) {
            buffer[0] = L'\0';
            return false;
        }
        std::wmemcpy(buffer + length, part, partLength);
        length += partLength;
    }
    buffer[length] = L'\0';
    return true;
}

void GetPathDirectory(const wchar_t* path, wchar_t (&directory)[MAX_PATH])
{
    directory[0] = L'\0';
    const wchar_t* lastBackslash = std::wcsrchr(path, L'\\');
    if (lastBackslash == nullptr)
        return;
    size_t length = static_cast<size_t>(lastBackslash - path) + 1;
    if (length >= MAX_PATH)
        return;
    std::wmemcpy(directory, path, length);
    directory[length] = L'\0';
}

namespace {

wchar_t LowerAscii(wchar_t c)
{
    return (c >= L'A' && c <= L'Z') ? static_cast<wchar_t>(c - L'A' + L'a') : c;
}

}  // namespace

void LowerCaseAsciiInPlace(wchar_t* text)
{
    for (; *text != L'\0'; ++text)
        *text = LowerAscii(*text);
}

bool EqualsIgnoringAsciiCase(const wchar_t* left, const wchar_t* right)
{
    for (; *left != L'\0' && *right != L'\0'; ++left, ++right) {
        if (LowerAscii(*left) != LowerAscii(*right))
            return false;
    }
    return *left == *right;
}
