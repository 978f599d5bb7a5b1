#pragma once
// zentra-cli's answer to the Calculator Mode dialog, applied to the dialog's
// copy of the settings with the dialog's own validation:
//   "ok"   accept the settings as they stand;
//   "esc"  cancel;
//   "SETTING=VALUE,..." with base=dec|bin|oct|hex|stats|fin,
//   display=normal|fixed|sci|fin, digits=N, angle=deg|rad|grad, apo=0|1,
//   apotime=N, beep=0|1, top=0|1, bevel=0|1; settings not named keep their values.

#include <string>
#include <string_view>

#include "dialogs/mode_settings.h"

namespace zentra {

enum class ModeAnswerOutcome {
    Accepted,   // OK: settings validated, digits and apoTime filled
    Cancelled,  // esc
    Refused,    // the dialog refused a field; message says why, the dialog stays open
    Malformed,  // not an answer to this dialog; message names the fault
};

struct ModeAnswerResult {
    ModeAnswerOutcome outcome;
    std::string message;
};

// A refused answer keeps what it typed in the dialog (as a person's edits stay
// in the fields), so the next answer goes on from there. A malformed answer
// changes nothing.
ModeAnswerResult applyModeAnswer(std::string_view answer, ModeSettings& settings);

}  // namespace zentra
