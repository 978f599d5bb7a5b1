#include "cli/cli_session.h"

#include <QSettings>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "base/memory_settings_store.h"
#include "base/runtime_problem.h"
#include "base/tape.h"
#include "cli/cli_dump.h"
#include "cli/cli_view.h"
#include "engine/calculator.h"
#include "platform/host_dispatch.h"
#include "platform/qsettings_store.h"
#include "platform/system_facts.h"
#include "units/property_database.h"
#include "units/prp_file.h"

namespace zentra::cli {
namespace {

// The keys one token presses; any other token is a usage error.
std::vector<std::uint32_t> keysOfToken(const Token& token, NumberBase base) {
    if (auto words = commandWordsOfToken(token.text, base)) return *words;
    throw UsageError("unknown token " + std::to_string(token.position) + " \"" + token.text + "\"");
}

// A directory opens but reads nothing, so it is refused first.
bool canRead(const std::string& path) {
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) return false;
    return std::ifstream(path, std::ios::binary).is_open();
}

void messageToStderr(std::string_view text, std::string_view /*caption*/) {
    std::cerr << latin1ToUtf8(text) << '\n';
}

}  // namespace

int runSession(const Options& options, std::istream& in, std::ostream& out, std::ostream& err) {
    PropertyDatabase database;
    database.presentProblem = [&err](const std::string& message) {
        const HostCallScope output;  // a look-up may fail while the engine computes
        err << message << '\n';
    };
    FloatingPointGuard guard(database.presentProblem);
    Calculator calculator(database, guard);
    if (options.prpPath && !canRead(*options.prpPath)) {
        err << kCannotReadText << ": " << *options.prpPath << '\n';
        return kExitFileError;
    }
    DatabaseSource source{dataDirectories(), std::nullopt, kernelVersion()};
    if (options.prpPath) source.file = *options.prpPath;
    calculator.loadDatabase(source, messageToStderr);

    TokenStream tokens =
        options.tokens.empty() ? TokenStream(in, options.interactive) : TokenStream(options.tokens);
    DialogAnswers answers(tokens);
    CliView view(answers);
    if (options.tapePath) {
        TapeLoad load = loadTapeFile(*options.tapePath);
        if (load.setAside)
            err << "zentra-cli: the tape file " << *options.tapePath
                << " could not be read; it was set aside as " << load.setAside->string()
                << " and a new tape starts\n";
        view.tape = std::move(load.tape);
    }
    // Without a state file the calculator starts as on a first start.
    std::unique_ptr<QSettings> settings;
    MemorySettingsStore firstStart;
    std::unique_ptr<QSettingsStore> fileStore;
    if (options.statePath) {
        settings = std::make_unique<QSettings>(QString::fromLocal8Bit(options.statePath->c_str()),
                                               QSettings::IniFormat);
        fileStore = std::make_unique<QSettingsStore>(*settings);
    }
    SettingsStore& store = fileStore ? static_cast<SettingsStore&>(*fileStore) : firstStart;
    calculator.restore(store, view);
    try {
        while (auto token = tokens.next()) {
            view.beeped = false;
            for (std::uint32_t word : keysOfToken(*token, calculator.state().numberBase))
                calculator.press(view, word);
            auto traceLine = [&](const Token& t) {
                out << t.text << '\t' << latin1ToUtf8(view.display) << (view.beeped ? "\tbeep" : "")
                    << '\n';
            };
            if (options.trace) {
                traceLine(*token);
                for (const Token& answer : answers.takeConsumed()) traceLine(answer);
            } else {
                answers.takeConsumed();
            }
            if (options.interactive && tokens.atLineEnd() && !options.trace)
                out << latin1ToUtf8(view.display) << std::endl;
        }
    } catch (const UsageError& error) {
        err << "zentra-cli: " << error.what() << '\n';
        return kExitUsage;
    }

    int status = kExitOk;
    std::vector<std::string> saveProblems;
    if (options.savePrpPath && !saveDatabase(database, *options.savePrpPath, &saveProblems)) {
        err << cannotWriteMessage(saveProblems) << '\n';
        status = kExitFileError;
    }
    if (fileStore) {
        calculator.save(*fileStore, view.display);
        if (!fileStore->sync()) {
            err << "zentra-cli: could not write " << *options.statePath << '\n';
            status = kExitFileError;
        }
    }
    if (options.tapePath) {
        if (const auto problem = saveTapeFile(*options.tapePath, view.tape)) {
            err << "zentra-cli: could not write " << *options.tapePath << ": " << *problem << '\n';
            status = kExitFileError;
        }
    }
    // A signal sent during the save or while waiting for input.
    guard.reportPendingSignal();
    if (options.dump) {
        writeDump(out, calculator, view);
    } else if (!options.interactive) {
        out << latin1ToUtf8(view.display) << '\n';
    }
    if (options.printTape) out << tapeIn(view.tape, *options.printTape);
    return status;
}

}  // namespace zentra::cli
