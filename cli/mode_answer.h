#pragma once
// zentra-cli's answer to the Calculator Mode dialog, written into the settings
// the dialog shows; the dialog's own OK then judges them:
//   "ok"   accept the settings as they stand;
//   "esc"  cancel;
//   "SETTING=VALUE,..." with base=dec|bin|oct|hex|stats|fin,
//   display=normal|fixed|sci|fin, digits=N, angle=deg|rad|grad, apo=0|1,
//   apotime=N, beep=0|1, top=0|1, bevel=0|1, group=0|1; settings not named keep their
//   values, and then the dialog's OK.

#include <string>
#include <string_view>

#include "dialogs/mode_settings.h"

namespace zentra {

enum class ModeAnswerOutcome {
    Edited,     // the named settings are written; OK follows
    Cancelled,  // esc
    Malformed,  // not an answer to this dialog; message names the fault
};

struct ModeAnswerResult {
    ModeAnswerOutcome outcome;
    std::string message;
};

// A malformed answer changes nothing. The edit fields are taken as typed: the
// dialog's OK refuses what it refuses.
ModeAnswerResult applyModeAnswer(std::string_view answer, ModeSettings& settings);

}  // namespace zentra
