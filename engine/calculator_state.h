#pragma once
// The engine's record of everything kept between keys. The display text is not
// here: it lives in the host's display and is the operand of every key.

#include <array>
#include <cstdint>
#include <string>

#include "base/number_modes.h"
#include "base/tape_entry.h"

namespace zentra {

struct Property;
struct Unit;
struct PropertyDatabase;
class Tape;

// The numbers of these enumerations are saved and must not change. Stored
// values outside the listed ones are kept as they are (the underlying type is int).
enum class CalcStatus : int { Ready = 0, Entering = 1, Error = 2 };

// Binary operations waiting for their right operand. Any other number behaves
// as OpEquals.
enum class OperatorCode : int {
    OpEquals = 61,
    OpAdd = 43,
    OpSubtract = 45,
    OpMultiply = 42,
    OpDivide = 47,
    OpPower = 15,
    OpRoot = 107,
    OpPermutations = 1144,
    OpCombinations = 1145,
    OpOr = 32776,
    OpAnd = 32777,
    OpXor = 32779,
    OpXnor = 32780,
    OpPresentValue = 32781,
    OpMortgage = 32782,
    OpInvest = 32783,
    OpSyd = 32784,
    OpSld = 32785,
    OpDdb = 32786,
    OpTerm = 32787,
    OpAnnuity = 32788,
    OpRecallNpv = 32789,
};

// Entry step of the deg key; shown in its caption ("deg", "min", "sec").
// Degrees: no angle is under way, the next deg press starts one.
enum class DmsPhase : int { Degrees = 0, Minutes = 1, Seconds = 2 };

// What a key changed that the captions or the title show. Keys only mark it;
// dispatch redraws once, after the key, from the state. Bits, so that a key
// may mark several.
enum class CaptionChange : unsigned {
    None = 0,
    DegreesStep = 1,  // the deg key's step caption alone
    Brackets = 2,     // the bracket keys' depth captions alone
    Latches = 4,      // every caption that follows shift, hyp or the counters
    Mode = 8,         // the mode's layout and the title, then the latches
    Start = 16,       // the keypad as it starts, then the mode (at restore)
};

// A step a key reports from inside, where only it knows the register, the
// count or the names; the tape adds the key's name after the key.
struct TapeNote {
    bool taken = false;
    TapeKind kind = TapeKind::Separator;
    std::string value;
    std::string result;
    std::string detail;
};

inline constexpr int kBracketLevels = 16;
inline constexpr int kMemoryCount = 10;

struct CalculatorState {
    CalcStatus calcStatus = CalcStatus::Ready;
    bool shift = false;
    bool hyp = false;
    bool autoPowerOff = false;
    bool alwaysOnTop = false;
    bool errorBeep = true;
    // Drawing only: the display and tape put thin spaces between digit groups.
    bool groupDigits = false;
    int apoTime = 120;
    DisplayType displayType = DisplayType::Normal;
    NumberBase numberBase = NumberBase::Decimal;
    double accum = 0.0;
    OperatorCode pendingOperator = OperatorCode::OpEquals;
    std::array<double, kBracketLevels> accumBracket{};
    std::array<OperatorCode, kBracketLevels> operatorBracket = filledOperators();
    int bracketDepth = 0;
    std::array<double, kMemoryCount> memory{};
    double sum = 0.0;
    double sumSq = 0.0;
    // Start values only: the first data point (nSum 0) sets both bounds.
    double max = -1e30;
    double min = 1e30;
    double bankRate = 10.0;
    double discRate = 10.0;
    int nNPV = 1;
    double sNPV = 0.0;
    int nSum = 0;
    int digits = 10;
    Property* currentProperty = nullptr;  // set to the stand-alone "dimensionless" by the host
    Unit* convertFromUnit = nullptr;
    int errorKeyCount = 0;

    // Engine-internal, not saved.
    // Degrees-minutes-seconds entry; the entry rules (entry.h) keep and end it.
    DmsPhase dmsPhase = DmsPhase::Degrees;
    double dmsAngle = 0.0;                 // the angle entered so far by the deg key's steps
    bool dmsCarried = false;               // the key now performed carries the angle on
    bool buttonFontLoaded = false;         // given by the host at start-up
    PropertyDatabase* database = nullptr;  // the database the engine works on
    // Where the keys' steps go (the Calculator's); none: no steps are made, so
    // that the tests of other things and the plain key stream pay nothing.
    Tape* tape = nullptr;
    unsigned captionChanges = 0;  // CaptionChange bits since the last redraw
    TapeNote tapeNote;            // kept only while there is a tape

    static constexpr std::array<OperatorCode, kBracketLevels> filledOperators() {
        std::array<OperatorCode, kBracketLevels> ops{};
        for (auto& op : ops) op = OperatorCode::OpEquals;
        return ops;
    }
};

inline void markCaptions(CalculatorState& state, CaptionChange change) {
    state.captionChanges |= static_cast<unsigned>(change);
}

}  // namespace zentra
