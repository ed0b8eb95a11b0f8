#include "engine/SelfRemovalBatch.h"

#include <shellapi.h>

#include <cstdio>
#include <initializer_list>

#include "app/PathText.h"

namespace {

const wchar_t kBatchFileName[] = L"QvUninst.bat";

// The script retries the removal of the Uninstall folder once a second while
// the ended uninstaller still holds its files, for about a minute in all: a
// file that can never go must not keep a command interpreter running for ever.
const wchar_t kMaximumPasses[] = L"60";
// ping exists on every Windows the setup runs on and in Wine's command
// interpreter; two echoes lie one second apart.
const wchar_t kOneSecondPause[] = L"ping -n 2 127.0.0.1 >nul";
// Where the script moves itself before the install folder's removal; the
// interpreter fills in the user's temporary folder.
const wchar_t kMovedScript[] = L"\"%TEMP%\\QvUninst.bat\"";

// A path as a line of the script must hold it: in double quotes, and with
// every percent sign doubled, since the interpreter would otherwise read
// "%name%" in a folder name as a variable and act on another path.
std::wstring QuotedForScript(const wchar_t* path)
{
    std::wstring quoted = L"\"";
    for (const wchar_t* c = path; *c != L'\0'; ++c) {
        if (*c == L'%')
            quoted += L'%';
        quoted += *c;
    }
    quoted += L'"';
    return quoted;
}

void AppendLine(std::wstring& script, std::initializer_list<const wchar_t*> parts)
{
    for (const wchar_t* part : parts)
        script += part;
    script += L"\r\n";
}

// Converts text to the code page; false when any character would not come
// back from it as it was: a best-fit or default character could name another,
// existing folder to "rd /s /q".
bool ConvertExactly(const std::wstring& text, UINT codePage, std::string& converted)
{
    converted.clear();
    const int wideLength = static_cast<int>(text.size());
    const int byteLength =
        ::WideCharToMultiByte(codePage, 0, text.data(), wideLength, nullptr, 0, nullptr, nullptr);
    if (byteLength <= 0)
        return false;
    std::string bytes(static_cast<size_t>(byteLength), '\0');
    if (::WideCharToMultiByte(codePage, 0, text.data(), wideLength, &bytes[0], byteLength, nullptr,
                              nullptr) != byteLength)
        return false;

    const int backLength = ::MultiByteToWideChar(codePage, 0, bytes.data(), byteLength, nullptr, 0);
    if (backLength != wideLength)
        return false;
    std::wstring back(static_cast<size_t>(backLength), L'\0');
    if (::MultiByteToWideChar(codePage, 0, bytes.data(), byteLength, &back[0], backLength) != backLength ||
        back != text)
        return false;
    converted = bytes;
    return true;
}

bool WriteWholeFile(const wchar_t* path, const std::string& bytes)
{
    // Binary mode: the text already ends its lines in CR LF. "w" empties a
    // script left from an earlier run.
    FILE* file = _wfopen(path, L"wb");
    if (file == nullptr)
        return false;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    const bool closed = std::fclose(file) == 0;
    if (written && closed)
        return true;
    ::DeleteFileW(path);  // a cut script is never run; if it cannot go either, nothing starts it
    return false;
}

}  // namespace

bool ComposeBatchFolder(const SetupConfig& config, const wchar_t* setupDir,
                        wchar_t (&batchDir)[MAX_PATH])
{
    batchDir[0] = L'\0';
    wchar_t iniPath[MAX_PATH] = {};
    if (!ComposeText(iniPath, {setupDir, kSetupIniFileName}))
        return false;
    wchar_t folderName[MAX_PATH] = {};
    if (::GetPrivateProfileStringW(kSectionCustomizedSetting, kKeyAppFolderName, kDefaultAppFolderName, folderName,
                                   MAX_PATH, iniPath) > 0)
        return ComposeInstallDir(folderName, batchDir);
    // An empty name composes no folder; the install folder the configuration
    // holds is the one the default composition gives for a consistent install.
    return ComposeText(batchDir, {config.szInstallDir}) && batchDir[0] != L'\0';
}

bool ComposeSelfRemovalScript(const wchar_t* installDir, const wchar_t* batchFile, UINT codePage,
                              std::string& script)
{
    script.clear();
    // Without an install folder "rd /s /q" would name \Uninstall of the
    // current drive.
    if (installDir[0] == L'\0' || batchFile[0] == L'\0')
        return false;
    wchar_t uninstallDir[MAX_PATH] = {};
    wchar_t uninstallerPath[MAX_PATH] = {};
    wchar_t uninstallerIni[MAX_PATH] = {};
    wchar_t imagesDir[MAX_PATH] = {};
    if (!ComposeText(uninstallDir, {installDir, L"\\Uninstall"}) ||
        !ComposeText(uninstallerPath, {installDir, L"\\Uninstall\\setup.exe"}) ||
        !ComposeText(uninstallerIni, {installDir, L"\\Uninstall\\setup.ini"}) ||
        !ComposeText(imagesDir, {installDir, L"\\Images"}))
        return false;
    std::wstring text;
    AppendLine(text, {L"@echo off"});
    AppendLine(text, {L"set /a QvUninstPass=0"});
    AppendLine(text, {L":DEL_DIR"});
    AppendLine(text, {L"set /a QvUninstPass+=1"});
    AppendLine(text, {L"if %QvUninstPass% GTR 1 ", kOneSecondPause});
    AppendLine(text, {L"if %QvUninstPass% GTR ", kMaximumPasses, L" goto FINISH"});
    AppendLine(text, {L"rd /s /q ", QuotedForScript(uninstallDir).c_str()});
    AppendLine(text, {L"IF EXIST ", QuotedForScript(uninstallerPath).c_str(), L" GOTO DEL_DIR"});
    AppendLine(text, {L"IF EXIST ", QuotedForScript(uninstallerIni).c_str(), L" GOTO DEL_DIR"});
    AppendLine(text, {L":FINISH"});
    // The interpreter reads a bracketed block whole, so the block runs to its
    // end although the script moves away. A command interpreter may keep the
    // script open until it ends, so the script leaves the install folder
    // before the folder's removal. Each "rd" without /s goes only when the
    // folder is empty: a file the user or the application left there is never
    // lost.
    AppendLine(text, {L"("});
    AppendLine(text, {L"rd ", QuotedForScript(imagesDir).c_str()});
    AppendLine(text, {L"move /y ", QuotedForScript(batchFile).c_str(), L" ", kMovedScript, L" >nul"});
    AppendLine(text, {L"rd ", QuotedForScript(installDir).c_str()});
    AppendLine(text, {L"del ", kMovedScript});
    AppendLine(text, {L")"});
    return ConvertExactly(text, codePage, script);
}

bool WriteSelfRemovalBatch(const SetupConfig& config, const wchar_t* setupDir)
{
    wchar_t batchDir[MAX_PATH] = {};
    if (!ComposeBatchFolder(config, setupDir, batchDir))
        return false;
    wchar_t batchFile[MAX_PATH] = {};
    if (!ComposeText(batchFile, {batchDir, L"\\", kBatchFileName}))
        return false;

    // The command interpreter reads a script in the console's code page, which
    // starts as the OEM code page.
    std::string script;
    if (!ComposeSelfRemovalScript(config.szInstallDir, batchFile, ::GetOEMCP(), script))
        return false;
    if (!WriteWholeFile(batchFile, script))
        return false;

    // The script runs in the batch folder's parent: a process keeps its
    // working folder from being removed, and the console host that serves
    // the hidden interpreter keeps the folder it started in until the script
    // ends, so the install folder could never go.
    wchar_t workingDir[MAX_PATH] = {};
    GetPathDirectory(batchDir, workingDir);
    const HINSTANCE started =
        ::ShellExecuteW(nullptr, L"open", batchFile, nullptr, workingDir, SW_HIDE);
    if (reinterpret_cast<INT_PTR>(started) > 32)
        return true;
    ::DeleteFileW(batchFile);  // a script nothing runs would only be left behind
    return false;
}
