#pragma once

// The wizard's few fixed English texts; every other text it shows comes from
// the language library.

constexpr wchar_t kInstallTitleSuffix[] = L" - Installation Wizard";
constexpr wchar_t kUninstallTitleSuffix[] = L" - Uninstallation Wizard";

constexpr wchar_t kSkinLoadError[] = L"Error loading bitmap";

// The face of the three labels' font.
constexpr wchar_t kLabelFontFace[] = L"Arial";
