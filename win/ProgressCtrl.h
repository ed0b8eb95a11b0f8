#pragma once
#include <commctrl.h>

#include "win/SubclassedWindow.h"

namespace win {

// A progress bar ("msctls_progress32").
class ProgressCtrl : public SubclassedWindow {
public:
    // The range is held in 16-bit values (PBM_SETRANGE).
    void SetRange(int lower, int upper) const
    {
        SendMessage(PBM_SETRANGE, 0, MAKELPARAM(lower, upper));
    }
    // Each setter returns what the bar held before.
    int SetStep(int step) const { return static_cast<int>(SendMessage(PBM_SETSTEP, static_cast<WPARAM>(step))); }
    int SetPos(int position) const
    {
        return static_cast<int>(SendMessage(PBM_SETPOS, static_cast<WPARAM>(position)));
    }
    int GetPos() const { return static_cast<int>(SendMessage(PBM_GETPOS)); }
    int StepIt() const { return static_cast<int>(SendMessage(PBM_STEPIT)); }
};

}  // namespace win
