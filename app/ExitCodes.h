#pragma once

// Exit codes of setup.exe, the ones deployment tools already know from the
// platform's own installer.
constexpr int kExitSuccess = 0;             // the work was done
constexpr int kExitUserCancelled = 1602;    // the user closed the wizard before the work
constexpr int kExitInstallFailure = 1603;   // a failure was met
constexpr int kExitAlreadyRunning = 1618;   // another copy of the setup is running
