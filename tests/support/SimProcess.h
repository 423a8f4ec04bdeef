#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <string_view>
#include <sys/types.h>
#include <vector>

namespace nimbrel::testing {

using SteadyClock = std::chrono::steady_clock;

// "COMn /dev/pts/K", the simulator's port line.
struct Announced {
    std::string port;
    std::string path;
    std::string number() const { return port.size() > 3 ? port.substr(3) : std::string(); }
};

// The built simulator as a child process, registered in a virtual-port folder: its own
// temporary one (removed at the end), or one the test shares with the program it runs.
// stdout is a pipe the test reads the port lines from; stderr goes to a file beside the ports.
class SimProcess {
public:
    SimProcess();
    explicit SimProcess(std::string sharedRuntimeFolder);
    SimProcess(const SimProcess&) = delete;
    SimProcess& operator=(const SimProcess&) = delete;
    // SIGTERM so the simulator removes its link, SIGKILL if it does not end.
    ~SimProcess();

    // NIMBREL_SIM, else where the build put it.
    static std::string programPath();

    // False when the process cannot be started.
    bool start(const std::vector<std::string>& args);
    // start() and the first port line; nothing when either fails.
    std::optional<Announced> launch(const std::vector<std::string>& args, int timeoutMs = 5000);
    // The next port line (the first, or the new one after a hang-up); also kept as announced().
    std::optional<Announced> readAnnouncement(int timeoutMs = 5000);
    const Announced& announced() const { return m_announced; }

    // One line of stdout without its "\n", or nothing after timeoutMs.
    std::optional<std::string> readLine(int timeoutMs = 1000);
    // Exit code once the process has ended, or nothing after timeoutMs.
    std::optional<int> waitExit(int timeoutMs = 1500);
    void signal(int number) const;
    bool running();

    const std::string& runtimeFolder() const { return m_runtime; }
    std::string portsFolder() const { return m_runtime + "/nimbrel/ports"; }
    std::string stderrText() const;

private:
    std::string m_runtime;
    bool m_ownsRuntime = false;
    std::string m_stderrPath;
    pid_t m_pid = -1;
    int m_stdout = -1;
    std::string m_pending;
    Announced m_announced;
};

// The serial line as the program sees it: the slave opened in raw mode.
class SimLine {
public:
    explicit SimLine(const std::string& path);
    SimLine(const SimLine&) = delete;
    SimLine& operator=(const SimLine&) = delete;
    ~SimLine();

    bool isOpen() const { return m_fd >= 0; }
    int waiting() const;
    bool send(const std::string& bytes) const;
    // What arrives until the line stays quiet for quietMs (at most limitMs in all).
    std::string receive(int quietMs = 100, int limitMs = 1000) const;
    std::string ask(const std::string& command) const;
    // True once the line has been hung up under us (a read gives end of file or an error).
    bool hungUp(int timeoutMs = 1000) const;

private:
    int m_fd = -1;
};

bool digitsOnly(std::string_view text);
std::optional<Announced> parseAnnouncement(const std::optional<std::string>& line);
// "HH:MM:SS.mmm"
bool isTimeOfDay(std::string_view text);
std::optional<std::string> linkTarget(const std::string& path);

} // namespace nimbrel::testing
