#pragma once

// The fixed English texts of the warning boxes. They are shown before or
// without the language library (a silent install loads none), so they do not
// come from its string table.

constexpr wchar_t kFailCaption[] = L"Fail";

constexpr wchar_t kFailInstallService[] = L"Fail to install the service!";
constexpr wchar_t kFailWriteRunKey[] = L"Fail to write the Run registry key!";
constexpr wchar_t kFailWriteUninstallString[] = L"Fail to write the UninstallString registry key!";
constexpr wchar_t kFailWriteDisplayName[] = L"Fail to write the DisplayName registry key!";
constexpr wchar_t kFailWriteDisplayIcon[] = L"Fail to write the DisplayIcon registry key!";
constexpr wchar_t kFailWriteDisplayVersion[] = L"Fail to write the DisplayVersion registry key!";

// A setup.ini value that cannot name a file or folder: the text goes around
// the key's name.
constexpr wchar_t kRefusedNameBefore[] = L"The value of \"";
constexpr wchar_t kRefusedNameAfter[] =
    L"\" in setup.ini cannot be used as a file or folder name: it must be one plain name, "
    L"without \\ / : * ? \" < > |, not \".\" or \"..\" and not empty. Nothing was installed.";
