// zentra-cli: presses keys on the calculator engine and prints the display.

#include <unistd.h>

#include <iostream>
#include <string>

#include "base/printable_text.h"
#include "cli/cli_session.h"
#include "cli/end_signals.h"
#include "zentra_version.h"

namespace {

constexpr const char* kUsage =
    "Usage: zentra-cli [OPTION...] [TOKEN...]\n"
    "Presses calculator keys and prints the display. Without TOKEN arguments the\n"
    "tokens are read from standard input.\n\n"
    "  --state FILE     read the saved state from FILE first and write it back after\n"
    "  --prp FILE       load this properties file instead of default.prp/factory.prp\n"
    "  --save-prp FILE  save the units database to FILE after the last token\n"
    "  --tape FILE      read the tape (the steps of the calculation) from FILE first\n"
    "                   and write it back, with this run's steps, after the last token\n"
    "  --print-tape[=FORMAT]\n"
    "                   print the tape after the display text: FORMAT text (the\n"
    "                   default, its lines) or csv (a header row, then one row per\n"
    "                   entry)\n"
    "  --trace          print each token with the display after it\n"
    "  --dump           print the whole state as KEY=VALUE lines\n"
    "  --help           show this help\n"
    "  --version        show the version\n\n"
    "Exit status:\n"
    "  0  after the last token\n"
    "  1  a file could not be read or written: the --prp file cannot be read\n"
    "     (nothing is pressed), the --save-prp save fails, or the --state or\n"
    "     --tape file cannot be written, or a damaged --tape file could not be\n"
    "     set aside (this run's steps are not kept); also, before any token, when\n"
    "     a --state or --tape file is no regular file or a file's folder does not\n"
    "     exist\n"
    "  2  usage error: an unknown option, tape format or token, or an answer that\n"
    "     does not fit its dialog (the --state and --tape files are not written)\n"
    "SIGHUP, SIGTERM or SIGINT ends the run as the end of input does (the --state\n"
    "and --tape files are written); it then ends by that signal.\n";

}  // namespace

int main(int argc, char** argv) {
    using namespace zentra::cli;
    watchEndSignals();
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        auto value = [&](std::optional<std::string>& target) {
            if (i + 1 >= argc) {
                std::cerr << "zentra-cli: option " << arg << " needs a file name\n";
                return false;
            }
            target = argv[++i];
            return true;
        };
        if (arg == "--state") {
            if (!value(options.statePath)) return kExitUsage;
        } else if (arg == "--prp") {
            if (!value(options.prpPath)) return kExitUsage;
        } else if (arg == "--save-prp") {
            if (!value(options.savePrpPath)) return kExitUsage;
        } else if (arg == "--tape") {
            if (!value(options.tapePath)) return kExitUsage;
        } else if (arg == "--print-tape") {
            options.printTape = zentra::TapeFormat::Text;
        } else if (arg.rfind("--print-tape=", 0) == 0) {
            options.printTape = zentra::tapeFormatNamed(arg.substr(arg.find('=') + 1));
            if (!options.printTape) {
                std::cerr << "zentra-cli: unknown tape format in " << arg << " (argument " << i
                          << "); use text or csv\n";
                return kExitUsage;
            }
        } else if (arg == "--trace") {
            options.trace = true;
        } else if (arg == "--dump") {
            options.dump = true;
        } else if (arg == "--help") {
            std::cout << kUsage;
            return kExitOk;
        } else if (arg == "--version") {
            std::cout << "zentra-cli " << zentra::kProductVersion << '\n';
            return kExitOk;
        } else if (arg == "--") {
            for (++i; i < argc; ++i) options.tokens.emplace_back(argv[i]);
        } else if (arg.size() > 2 && arg.rfind("--", 0) == 0) {
            std::cerr << "zentra-cli: unknown option " << zentra::printableText(arg)
                      << " (argument " << i << ")\n"
                      << kUsage;
            return kExitUsage;
        } else {
            options.tokens.push_back(arg);
        }
    }
    options.interactive = options.tokens.empty() && isatty(STDIN_FILENO);
    SignalAwareInput input(STDIN_FILENO);
    std::istream in(&input);
    in.tie(&std::cout);  // what was printed is out before the next line is awaited
    const int status = runSession(options, in, std::cout, std::cerr);
    if (const int signal = endSignal()) {
        std::cout.flush();
        std::cerr.flush();
        endBySignal(signal);
    }
    return status;
}
