#include "LogoBlock.h"
#include "MarkBlock.h"
#include "Options.h"
#include "PortRegistry.h"
#include "Printer.h"
#include "PseudoTerminal.h"
#include "Server.h"
#include "StateFolder.h"
#include "Trace.h"
#include "nimbrel/Version.h"

#include <csignal>
#include <cstdio>
#include <optional>
#include <sys/signalfd.h>
#include <unistd.h>

using namespace nimbrel::sim;

namespace {

constexpr int kExitFailure = 1;
constexpr int kExitUsage = 2;

// The stop signals arrive on a descriptor the serve loop polls, so no work runs in a handler.
int stopSignalFd() {
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, SIGINT);
    sigaddset(&set, SIGTERM);
    sigaddset(&set, SIGHUP);
    if (sigprocmask(SIG_BLOCK, &set, nullptr) != 0) {
        return -1;
    }
    return signalfd(-1, &set, SFD_CLOEXEC);
}

int fail(int code, const std::string& message) {
    std::fprintf(stderr, "nimbrel-sim: %s\n", message.c_str());
    return code;
}

} // namespace

int main(int argc, char** argv) {
    const ParsedOptions parsed = parseOptions(std::vector<std::string>(argv + 1, argv + argc));
    if (!parsed.options) {
        std::fprintf(stderr, "nimbrel-sim: %s\n%s", parsed.error.c_str(), usageText().c_str());
        return kExitUsage;
    }
    const Options& options = *parsed.options;
    if (options.help) {
        std::fputs(usageText().c_str(), stdout);
        return 0;
    }
    if (options.version) {
        std::printf("nimbrel-sim %s\n", nimbrel::kVersion);
        return 0;
    }

    // Whoever reads our port line may go away; that must not kill the printer.
    std::signal(SIGPIPE, SIG_IGN);
    // A state file past the file-size limit is a failed save with a message, not an exit.
    std::signal(SIGXFSZ, SIG_IGN);
    const int stopFd = stopSignalFd();
    if (stopFd < 0) {
        return fail(kExitFailure, "cannot watch for stop signals");
    }

    std::string error;
    Trace trace;
    if (!options.tracePath.empty() && !trace.open(options.tracePath, error)) {
        return fail(kExitUsage, error);
    }

    PrinterState state = makeInitialState(*options.model);
    state.alterWrites = options.alterWrites;
    state.versionText = options.versionText;
    if (!options.currentMark) {
        state.marks.erase(0);
    }
    for (int slot : options.occupiedMarks) {
        state.marks[slot] = placeholderMark(slot);
    }
    for (int slot : options.occupiedLogos) {
        state.logos[slot] = placeholderLogo();
    }
    std::optional<StateFolder> stateFolder;
    if (!options.statePath.empty()) {
        stateFolder.emplace(options.statePath);
        if (!stateFolder->prepare(error)) {
            return fail(kExitUsage, error);
        }
        for (const std::string& warning : stateFolder->load(state)) {
            std::fprintf(stderr, "nimbrel-sim: %s\n", warning.c_str());
            trace.note(warning);
        }
    }
    Printer printer(std::move(state));

    auto pty = PseudoTerminal::open(error);
    if (!pty) {
        return fail(kExitFailure, "cannot open a pseudo-terminal: " + error);
    }
    PortRegistry registry(PortRegistry::folderFromEnvironment());
    switch (registry.add(options.com, pty->slavePath(), error)) {
    case PortRegistry::Status::Ok:
        break;
    case PortRegistry::Status::InUse:
    case PortRegistry::Status::NoneFree:
        return fail(kExitUsage, error);
    case PortRegistry::Status::Failed:
        return fail(kExitFailure, error);
    }
    trace.note("model " + std::string(options.model->name) + " on " + registry.portName() + " " +
               pty->slavePath());

    Server server(printer, FaultPlan(options.faults), std::move(*pty), registry, trace, stopFd,
                  options.paced, stateFolder ? &*stateFolder : nullptr);
    server.announce();
    const int code = server.run();
    registry.remove();
    close(stopFd);
    return code;
}
