// Test probe: reads a shell link through the platform's shell-link object and
// prints its target and arguments, one per line, in UTF-8:
//   target=C:\Program Files\ZTA470\RIDoreDizor.exe
//   arguments=delpkg
// Exit code 1 when the link cannot be loaded.
#include <windows.h>
#include <objbase.h>
#include <objidl.h>
#include <shellapi.h>
#include <shlobj.h>

#include <cstdio>
#include <string>

namespace {

void PrintField(const char* name, const wchar_t* value)
{
    const int bytes = ::WideCharToMultiByte(CP_UTF8, 0, value, -1, nullptr, 0, nullptr, nullptr);
    std::string utf8(bytes > 0 ? bytes : 1, '\0');
    if (bytes > 0)
        ::WideCharToMultiByte(CP_UTF8, 0, value, -1, &utf8[0], bytes, nullptr, nullptr);
    std::printf("%s=%s\n", name, utf8.c_str());
}

int PrintLink(const wchar_t* linkPath)
{
    IShellLinkW* link = nullptr;
    if (FAILED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                  reinterpret_cast<void**>(&link))))
        return 1;
    IPersistFile* file = nullptr;
    int result = 1;
    if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
        wchar_t target[MAX_PATH] = {};
        wchar_t arguments[1024] = {};
        if (SUCCEEDED(file->Load(linkPath, STGM_READ)) &&
            SUCCEEDED(link->GetPath(target, MAX_PATH, nullptr, SLGP_RAWPATH)) &&
            SUCCEEDED(link->GetArguments(arguments, 1024))) {
            PrintField("target", target);
            PrintField("arguments", arguments);
            result = 0;
        }
        file->Release();
    }
    link->Release();
    return result;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, LPWSTR, int)
{
    int argc = 0;
    wchar_t** argv = ::CommandLineToArgvW(::GetCommandLineW(), &argc);
    if (argv == nullptr || argc != 2) {
        std::printf("usage: lnkinfo LINK.lnk\n");
        return 2;
    }
    if (FAILED(::CoInitialize(nullptr)))
        return 1;
    const int result = PrintLink(argv[1]);
    std::fflush(stdout);
    ::CoUninitialize();
    return result;
}
