#include "engine/Shortcuts.h"

#include <objbase.h>
#include <objidl.h>
#include <shlobj.h>

#include "app/PathText.h"
#include "engine/FileOperations.h"

namespace {

// COM for the calling thread for the life of one create operation, released
// on every way out. A thread that already runs another apartment model keeps
// it: CoInitialize then fails and is not matched by CoUninitialize.
class ComApartment {
public:
    ComApartment() : m_initialized(SUCCEEDED(::CoInitialize(nullptr))) {}
    ~ComApartment()
    {
        if (m_initialized)
            ::CoUninitialize();
    }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

private:
    bool m_initialized;
};

// The shell-link object with its target set, and its file interface; both
// released on every way out.
class LinkObject {
public:
    LinkObject() = default;
    ~LinkObject()
    {
        if (m_file != nullptr)
            m_file->Release();
        if (m_link != nullptr)
            m_link->Release();
    }
    LinkObject(const LinkObject&) = delete;
    LinkObject& operator=(const LinkObject&) = delete;

    // False when the object cannot be made or refuses the target; no link
    // file may be touched then.
    bool Prepare(const wchar_t* targetPath)
    {
        if (FAILED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                      reinterpret_cast<void**>(&m_link))))
            return false;
        if (FAILED(m_link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&m_file))))
            return false;
        return SUCCEEDED(m_link->SetPath(targetPath));
    }

    bool SetArguments(const wchar_t* arguments) { return SUCCEEDED(m_link->SetArguments(arguments)); }

    bool Save(const wchar_t* linkPath) { return SUCCEEDED(m_file->Save(linkPath, TRUE)); }

private:
    IShellLinkW* m_link = nullptr;
    IPersistFile* m_file = nullptr;
};

bool SpecialFolder(int csidl, wchar_t (&folder)[MAX_PATH])
{
    folder[0] = L'\0';
    return ::SHGetSpecialFolderPathW(nullptr, folder, csidl, FALSE) != FALSE;
}

// {desktop}\{linkName}.lnk of the user who runs the setup.
bool ComposeDesktopLinkPath(const wchar_t* linkName, wchar_t (&linkPath)[MAX_PATH])
{
    wchar_t desktop[MAX_PATH];
    if (!SpecialFolder(CSIDL_DESKTOPDIRECTORY, desktop))
        return false;
    return ComposeText(linkPath, {desktop, L"\\", linkName, L".lnk"});
}

// {programs}\{groupName} of all users, and {linkName}.lnk inside it.
bool ComposeGroupPaths(const wchar_t* groupName, const wchar_t* linkName, wchar_t (&groupPath)[MAX_PATH],
                       wchar_t (&linkPath)[MAX_PATH])
{
    wchar_t programs[MAX_PATH];
    if (!SpecialFolder(CSIDL_COMMON_PROGRAMS, programs))
        return false;
    return ComposeText(groupPath, {programs, L"\\", groupName}) &&
           ComposeText(linkPath, {groupPath, L"\\", linkName, L".lnk"});
}

}  // namespace

bool CreateDesktopShortcut(const wchar_t* targetPath, const wchar_t* linkName)
{
    ComApartment apartment;
    LinkObject link;
    if (!link.Prepare(targetPath))
        return false;
    wchar_t linkPath[MAX_PATH];
    if (!ComposeDesktopLinkPath(linkName, linkPath))
        return false;
    if (PathExists(linkPath))
        DeleteDesktopShortcut(linkName);
    return link.Save(linkPath);
}

void DeleteDesktopShortcut(const wchar_t* linkName)
{
    wchar_t linkPath[MAX_PATH];
    if (!ComposeDesktopLinkPath(linkName, linkPath))
        return;
    // A link that is already gone is what the caller wants.
    ::DeleteFileW(linkPath);
}

bool CreateStartMenuShortcut(const wchar_t* groupName, const wchar_t* targetPath, const wchar_t* linkName,
                             const wchar_t* arguments)
{
    ComApartment apartment;
    LinkObject link;
    if (!link.Prepare(targetPath))
        return false;
    if (arguments != nullptr && !link.SetArguments(arguments))
        return false;
    wchar_t groupPath[MAX_PATH];
    wchar_t linkPath[MAX_PATH];
    if (!ComposeGroupPaths(groupName, linkName, groupPath, linkPath))
        return false;
    if (!PathExists(groupPath)) {
        // A group folder that cannot be made shows up as a failed save.
        ::CreateDirectoryW(groupPath, nullptr);
    } else if (PathExists(linkPath)) {
        DeleteStartMenuShortcut(groupName, linkName, false);
    }
    return link.Save(linkPath);
}

void DeleteStartMenuShortcut(const wchar_t* groupName, const wchar_t* linkName, bool removeGroupFolder)
{
    wchar_t groupPath[MAX_PATH];
    wchar_t linkPath[MAX_PATH];
    if (!ComposeGroupPaths(groupName, linkName, groupPath, linkPath))
        return;
    // A link that is already gone is what the caller wants; a group folder
    // that still holds something else stays.
    ::DeleteFileW(linkPath);
    if (removeGroupFolder)
        ::RemoveDirectoryW(groupPath);
}
