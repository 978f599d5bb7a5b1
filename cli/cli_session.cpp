#include "cli/cli_session.h"

#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "base/memory_settings_store.h"
#include "base/printable_text.h"
#include "base/runtime_problem.h"
#include "base/safe_file_read.h"
#include "base/safe_file_write.h"
#include "base/tape.h"
#include "cli/cli_dump.h"
#include "cli/cli_view.h"
#include "cli/end_signals.h"
#include "engine/calculator.h"
#include "platform/host_dispatch.h"
#include "platform/qsettings_store.h"
#include "platform/settings_file.h"
#include "platform/system_facts.h"
#include "units/property_database.h"
#include "units/prp_file.h"

namespace zentra::cli {
namespace {

// The keys one token presses; any other token is a usage error.
Expected<std::vector<std::uint32_t>> keysOfToken(const Token& token, NumberBase base) {
    if (auto words = commandWordsOfToken(token.text, base)) return std::move(*words);
    return failure("unknown token " + std::to_string(token.position) + " \"" +
                   printableText(token.text) + "\"");
}

// A file the run will read and write back: only a regular file, and a missing
// one only in a folder that exists (nothing is created for it). Looked at
// before any token, so a refused file leaves every file as it was.
Expected<void> checkKeptFile(const std::string& path) {
    const OpenedFile file = openRegularFile(path);
    switch (file.status) {
        case FileOpenStatus::Opened:
            return {};
        case FileOpenStatus::Missing:
            return checkFolderExists(path);
        case FileOpenStatus::Refused:
            break;
    }
    return failure(file.problem);
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
    if (options.prpPath) {
        const OpenedFile prp = openRegularFile(*options.prpPath, true);
        if (prp.status != FileOpenStatus::Opened) {
            err << kCannotReadText << ": " << printableText(*options.prpPath) << '\n';
            if (!prp.problem.empty()) err << prp.problem << '\n';
            return kExitFileError;
        }
    }
    // The tape is looked at under its lock when it is read, below: another run
    // may be replacing it just now. Here only a missing one is, for its folder.
    std::error_code noTape;
    const bool tapeMissing =
        options.tapePath &&
        !std::filesystem::exists(std::filesystem::symlink_status(*options.tapePath, noTape));
    const Expected<void> kept[] = {
        options.statePath ? checkKeptFile(*options.statePath) : Expected<void>(),
        tapeMissing ? checkKeptFile(*options.tapePath) : Expected<void>()};
    for (const Expected<void>& check : kept) {
        if (check) continue;
        err << "zentra-cli: " << check.error() << '\n';
        return kExitFileError;
    }
    if (options.savePrpPath) {
        if (const auto folder = checkDatabaseFolder(*options.savePrpPath); !folder) {
            err << folder.error() << '\n';
            return kExitFileError;
        }
    }
    DatabaseSource source{dataDirectories(), std::nullopt, kernelVersion()};
    if (options.prpPath) source.file = *options.prpPath;
    calculator.loadDatabase(source, [&err](std::string_view text, std::string_view /*caption*/) {
        err << latin1ToUtf8(text) << '\n';
    });

    TokenStream tokens =
        options.tokens.empty() ? TokenStream(in, options.interactive) : TokenStream(options.tokens);
    DialogAnswers answers(tokens, err);
    CliView view(answers);
    if (options.tapePath) {
        const Expected<TapeFileNotice> opened = calculator.openTapeFile(*options.tapePath, false);
        if (!opened) {
            err << "zentra-cli: " << opened.error() << '\n';
            return kExitFileError;
        }
        for (const auto& notice : {opened->setAside, opened->keptDamaged})
            if (notice) err << "zentra-cli: " << *notice << '\n';
    }
    // Without a state file the calculator starts as on a first start.
    SettingsFile stateFile;
    MemorySettingsStore firstStart;
    std::unique_ptr<QSettingsStore> fileStore;
    if (options.statePath) {
        stateFile = openSettingsFile(QString::fromLocal8Bit(options.statePath->c_str()));
        if (!stateFile.notice.empty()) err << "zentra-cli: " << stateFile.notice << '\n';
        fileStore =
            std::make_unique<QSettingsStore>(*stateFile.settings, stateFile.standIn != nullptr);
    }
    SettingsStore& store = fileStore ? static_cast<SettingsStore&>(*fileStore) : firstStart;
    calculator.restore(store, view);
    // An end signal stops the run before the next token, as the end of input does.
    while (auto token = endSignal() == 0 ? tokens.next() : std::nullopt) {
        view.beeped = false;
        const Expected<std::vector<std::uint32_t>> words =
            keysOfToken(*token, calculator.state().numberBase);
        if (!words) {
            err << "zentra-cli: " << words.error() << '\n';
            return kExitUsage;
        }
        for (std::uint32_t word : *words) {
            calculator.press(view, word);
            if (answers.refusal()) {
                err << "zentra-cli: " << *answers.refusal() << '\n';
                return kExitUsage;
            }
        }
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

    int status = kExitOk;
    if (options.savePrpPath) {
        if (const auto saved = saveDatabase(database, *options.savePrpPath); !saved) {
            err << saved.error() << '\n';
            status = kExitFileError;
        }
    }
    if (fileStore) {
        calculator.save(*fileStore, view.display);
        if (!fileStore->sync()) {
            err << "zentra-cli: could not write " << quotedPath(*options.statePath);
            if (!fileStore->lockProblem().empty()) {
                err << ": " << fileStore->lockProblem();
                stateFile.dropPendingChanges();
            }
            err << '\n';
            status = kExitFileError;
        }
    }
    if (const Expected<void> saved = calculator.saveTapeFile(); !saved) {
        // A tape kept in memory only was said when it was read.
        if (!calculator.tapeInMemoryOnly()) err << "zentra-cli: " << saved.error() << '\n';
        status = kExitFileError;
    }
    // A signal sent during the save or while waiting for input.
    guard.reportPendingSignal();
    if (options.dump) {
        writeDump(out, calculator, view);
    } else if (!options.interactive) {
        out << latin1ToUtf8(view.display) << '\n';
    }
    if (options.printTape) out << tapeIn(calculator.tape(), *options.printTape);
    return status;
}

}  // namespace zentra::cli
