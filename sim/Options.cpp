#include "Options.h"

#include <charconv>
#include <set>

namespace nimbrel::sim {

namespace {

std::optional<int> parseInt(std::string_view text, int low, int high) {
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || ec != std::errc{} || end != text.data() + text.size() || value < low ||
        value > high) {
        return std::nullopt;
    }
    return value;
}

// "1,5,85": distinct numbers in [low, high], in the given order.
std::optional<std::vector<int>> parseList(std::string_view text, int low, int high) {
    std::vector<int> out;
    std::set<int> seen;
    while (true) {
        const auto comma = text.find(',');
        const auto value = parseInt(text.substr(0, comma), low, high);
        if (!value) {
            return std::nullopt;
        }
        if (seen.insert(*value).second) {
            out.push_back(*value);
        }
        if (comma == std::string_view::npos) {
            return out;
        }
        text = text.substr(comma + 1);
    }
}

} // namespace

std::string usageText() {
    return "usage: nimbrel-sim [--model MODEL] [--com N] [--trace FILE] [--fault KIND[=N][@L]]...\n"
           "  MODEL: " +
           std::string(modelNames()) +
           " (default T260)\n"
           "  --com N       register the port as COMN (1..255); default: the highest free\n"
           "                number from COM200 down\n"
           "  --trace FILE  log every command (<) and reply (>) with the time of day\n"
           "  --state DIR   keep the stored marks and logos in DIR between runs (mark-NN.blk,\n"
           "                logo-NNN.blk), written after every change\n"
           "  --version-text TEXT  answer the version request with TEXT (\"T980 v1.00\");\n"
           "                without --model, a model code in it that is none of the nine\n"
           "                plays a T936\n"
           "  --no-current-mark  start with mark 0 (the mark being printed) empty\n"
           "  --alter-writes  store every mark and logo written with one byte changed (the\n"
           "                font of the mark's first fragment, the logo's first column byte)\n"
           "  --no-pacing   send each reply in one write instead of at the line's byte rate\n"
           "                (a busy machine can stall the paced bytes long enough for the\n"
           "                program to take a reply as complete too early)\n"
           "  --fault       no-reply | cut=N (reply cut to N bytes) | delay=N (ms) |\n"
           "                garbage (random bytes, same length) | split[=N] (halves N ms\n"
           "                apart, default 10) | hangup[=N] (after N commands the line\n"
           "                hangs up and comes back on a new pseudo-terminal, default 1);\n"
           "                pad=N (N stray zero bytes after every reply);\n"
           "                @L limits a fault to commands whose letter is L\n"
           "  --version     print the version and exit\n"
           "Prints \"COMn /dev/pts/K\" once the port is ready, and again after a hang-up.\n";
}

ParsedOptions parseOptions(const std::vector<std::string>& args) {
    Options options;
    auto fail = [](std::string why) { return ParsedOptions{std::nullopt, std::move(why)}; };
    static const std::set<std::string> kWithValue{
        "--model", "--com",          "--trace",        "--state",
        "--fault", "--occupy-marks", "--occupy-logos", "--version-text"};
    bool modelGiven = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string name = args[i];
        std::optional<std::string> inlineValue;
        if (const auto eq = name.find('='); name.starts_with("--") && eq != std::string::npos) {
            inlineValue = name.substr(eq + 1);
            name.resize(eq);
        }
        if ((name == "--help" || name == "-h") && !inlineValue) {
            options.help = true;
            continue;
        }
        if (name == "--version" && !inlineValue) {
            options.version = true;
            continue;
        }
        if (name == "--no-pacing" && !inlineValue) {
            options.paced = false;
            continue;
        }
        if (name == "--alter-writes" && !inlineValue) {
            options.alterWrites = true;
            continue;
        }
        if (name == "--no-current-mark" && !inlineValue) {
            options.currentMark = false;
            continue;
        }
        if (!kWithValue.contains(name)) {
            return fail("unknown option '" + args[i] + "'");
        }
        if (!inlineValue && i + 1 >= args.size()) {
            return fail("option " + name + " needs a value");
        }
        const std::string value = inlineValue ? *inlineValue : args[++i];
        if (name == "--model") {
            modelGiven = true;
            options.model = findModel(value);
            if (options.model == nullptr) {
                return fail("unknown model '" + value + "' (" + std::string(modelNames()) + ")");
            }
        } else if (name == "--com") {
            options.com = parseInt(value, 1, 255);
            if (!options.com) {
                return fail("--com wants a number from 1 to 255, not '" + value + "'");
            }
        } else if (name == "--trace") {
            if (value.empty()) {
                return fail("--trace wants a file name");
            }
            options.tracePath = value;
        } else if (name == "--state") {
            if (value.empty()) {
                return fail("--state wants a folder name");
            }
            options.statePath = value;
        } else if (name == "--version-text") {
            if (value.empty() || value.find('\0') != std::string::npos) {
                return fail("--version-text wants a text");
            }
            options.versionText = value;
        } else if (name == "--fault") {
            std::string error;
            const auto fault = parseFault(value, error);
            if (!fault) {
                return fail(error);
            }
            options.faults.push_back(*fault);
        } else {
            const bool marks = name == "--occupy-marks";
            const auto list = marks ? parseList(value, 1, 85) : parseList(value, 0, 255);
            if (!list) {
                return fail(name + " wants numbers separated by commas, " +
                            (marks ? "1..85" : "0..255"));
            }
            (marks ? options.occupiedMarks : options.occupiedLogos) = *list;
        }
    }
    // A printer that names a model of its own keeps the T7x/T9x layouts.
    if (!options.versionText.empty() && !modelGiven) {
        const ModelInfo* named = findModel(options.versionText.substr(0, 4));
        options.model = named != nullptr ? named : findModel("T936");
    }
    return ParsedOptions{options, {}};
}

} // namespace nimbrel::sim
