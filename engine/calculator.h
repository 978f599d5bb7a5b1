#pragma once
// The engine as its hosts see it. A Calculator owns the calculation and the
// appearance settings, works on the properties database the host keeps, and
// reaches the host only through the CalculatorView each call is given. The
// window and zentra-cli include this header and no other of the engine; the
// order of start-up, restoring, keys and saving is written here once.

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "base/appearance_settings.h"
#include "base/expected.h"
#include "base/message_texts.h"
#include "base/settings_store.h"
#include "base/tape.h"
#include "engine/calculator_state.h"
#include "engine/calculator_view.h"
#include "engine/command_id.h"
#include "engine/key_names.h"
#include "units/prp_file.h"

namespace zentra {

struct PropertyDatabase;

// The keys of the keypad, each named by its CommandId.
inline constexpr int kKeyCount = 44;

// How a host runs the engine's work, so that a runtime problem (or a
// floating-point trap) abandons only the step it happened in. The platform's
// floating-point guard is the hosts' one; tests may use a plain one.
class CommandGuard {
public:
    virtual ~CommandGuard() = default;
    // Host-side work on the engine's behalf (loading the database). False when
    // a runtime problem abandoned it.
    virtual bool runHost(const std::function<void()>& work) = 0;
    // The engine's computation against host; compute reaches the host only
    // through the view it is given. False when it was abandoned.
    virtual bool runEngine(CalculatorView& host,
                           const std::function<void(CalculatorView&)>& compute) = 0;
};

// Where start-up reads the properties database from: the first of the user's
// and the factory file found in the data directories, or (zentra-cli --prp)
// the built-in content and one given file.
struct DatabaseSource {
    std::vector<std::string> dataDirectories;
    std::optional<std::filesystem::path> file;
    double osVersion = 0.0;  // for the "Windows Version" constant
};

// What opening the tape file found, in words for the user, the same in every
// host; each unset when there is nothing to say.
struct TapeFileNotice {
    // A damaged file was renamed beside itself and a new tape starts.
    std::optional<std::string> setAside;
    // A damaged file that could not be set aside stays as it was: this run's
    // steps are kept in memory only, and saving the tape fails.
    std::optional<std::string> keptDamaged;
};

class Calculator {
public:
    Calculator(PropertyDatabase& database, CommandGuard& guard);
    // Its state points at its own tape.
    Calculator(const Calculator&) = delete;
    Calculator& operator=(const Calculator&) = delete;

    // Start-up: the database, its messages (a corrupt or missing file) through
    // messages. False when a runtime problem abandoned it.
    bool loadDatabase(const DatabaseSource& source, const MessageSink& messages);
    // Once the host's controls exist: every saved key, then the host's
    // appearance, the saved display text unchanged, and the captions and title
    // of the restored mode. Values that would break the model are held to it.
    void restore(SettingsStore& store, CalculatorView& view);
    // One key, as its full command word, through the error gate. True when it
    // passed the gate but is the host's own to perform (copy, paste, Help).
    bool press(CalculatorView& view, std::uint32_t commandWord);
    // A value from the tape, typed into the display key by key as a new number
    // through the error gate (a minus sign by the sign key). False when the
    // gate refused it or the text is no number of the current base.
    bool typeValue(CalculatorView& view, std::string_view text);
    // The Calculator Mode dialog outside the gate (the window's right click
    // and menu open it even in Error status).
    void openModeDialog(CalculatorView& view);
    // The tape's file: read under its lock, the steps made so far following
    // the file's; a damaged file is set aside, or else kept as it was. Fails,
    // saying why, when the path may not be used at all (no regular file, a
    // link not to be followed, unreadable): the steps then stay in memory only.
    // createFolder makes the folder (the window's own data folder; a folder the
    // user named must exist).
    Expected<TapeFileNotice> openTapeFile(const std::filesystem::path& path, bool createFolder);
    // Merges the steps not yet in the file with what other runs saved there
    // meanwhile; the tape then holds that. Without a file opened there is
    // nothing to do; with one that was kept or refused it fails, saying why.
    Expected<void> saveTapeFile();
    // The opening kept the file out of use (damaged and not set aside, or a path
    // that may not be used): the steps stay in memory only, and saving fails
    // for the reason already given.
    bool tapeInMemoryOnly() const { return tapeNotSaved_.has_value(); }
    // Every step the keys made, the newest last; hosts edit it (clear, remove
    // lines) and show it, and hear of the keys' steps through tapeGrew.
    Tape& tape() { return tape_; }
    const Tape& tape() const { return tape_; }

    // Writes every saved key; the display text is cut to what the engine reads back.
    void save(SettingsStore& store, std::string_view displayText) const;
    // The saved keys with the settings store's text forms, in --dump's order.
    std::vector<std::pair<std::string, std::string>> dumpedKeys(std::string_view displayText) const;

    CalculatorState& state() { return state_; }
    const CalculatorState& state() const { return state_; }
    AppearanceSettings& appearance() { return appearance_; }
    PropertyDatabase& database() { return database_; }

private:
    // A key abandoned half-way (a runtime problem, a trap) still shows the
    // captions of what it changed, and leaves no note for the next key's tape.
    void finishAbandoned(CalculatorView& view);
    // Tells the host of the steps added since the tape had appendedBefore entries.
    void reportTape(CalculatorView& view, std::uint64_t appendedBefore);

    PropertyDatabase& database_;
    CommandGuard& guard_;
    CalculatorState state_;
    AppearanceSettings appearance_;
    Tape tape_;
    std::optional<std::filesystem::path> tapePath_;
    bool tapeCreatesFolder_ = false;
    std::optional<std::string> tapeNotSaved_;  // why the file is not written, said when opened
};

}  // namespace zentra
