#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <optional>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <string>
#include <string_view>
#include <sys/ioctl.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace nimbrel::sim::testing {

using Clock = std::chrono::steady_clock;

// The built simulator as a child process, with its own virtual-port folder under a temporary
// XDG_RUNTIME_DIR. Its stdout is a pipe the test reads lines from; stderr goes to a file.
class SimProcess {
public:
    SimProcess() {
        char pattern[] = "/tmp/nimbrel-simtest-XXXXXX";
        const char* made = mkdtemp(pattern);
        if (made != nullptr) {
            m_runtime = made;
        }
    }
    SimProcess(const SimProcess&) = delete;
    SimProcess& operator=(const SimProcess&) = delete;

    ~SimProcess() {
        if (m_pid > 0) {
            kill(m_pid, SIGKILL);
            waitpid(m_pid, nullptr, 0);
        }
        if (m_stdout >= 0) {
            close(m_stdout);
        }
        std::error_code ignored;
        if (!m_runtime.empty()) {
            std::filesystem::remove_all(m_runtime, ignored);
        }
    }

    const std::string& runtimeFolder() const { return m_runtime; }
    std::string portsFolder() const { return m_runtime + "/nimbrel/ports"; }
    std::string stderrText() const {
        std::string text;
        if (FILE* f = std::fopen((m_runtime + "/stderr.txt").c_str(), "r")) {
            char buffer[512];
            size_t n = 0;
            while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0) {
                text.append(buffer, n);
            }
            std::fclose(f);
        }
        return text;
    }

    // NIMBREL_SIM, else where the build put it.
    static std::string programPath() {
        if (const char* path = std::getenv("NIMBREL_SIM"); path != nullptr && *path != '\0') {
            return path;
        }
#ifdef NIMBREL_SIM_BUILT_AT
        return NIMBREL_SIM_BUILT_AT;
#else
        return {};
#endif
    }

    // False when the process cannot be started.
    bool start(const std::vector<std::string>& args) {
        const std::string program = programPath();
        if (program.empty() || m_runtime.empty()) {
            return false;
        }
        int out[2];
        if (pipe2(out, O_CLOEXEC) != 0) {
            return false;
        }
        std::vector<std::string> argStore{program};
        argStore.insert(argStore.end(), args.begin(), args.end());
        std::vector<char*> argv;
        for (std::string& a : argStore) {
            argv.push_back(a.data());
        }
        argv.push_back(nullptr);
        std::vector<std::string> envStore{"XDG_RUNTIME_DIR=" + m_runtime};
        for (char** e = environ; *e != nullptr; ++e) {
            if (std::string(*e).rfind("XDG_RUNTIME_DIR=", 0) != 0) {
                envStore.emplace_back(*e);
            }
        }
        std::vector<char*> envp;
        for (std::string& e : envStore) {
            envp.push_back(e.data());
        }
        envp.push_back(nullptr);
        const std::string errPath = m_runtime + "/stderr.txt";
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
        posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, errPath.c_str(),
                                         O_WRONLY | O_CREAT | O_TRUNC, 0600);
        const int rc =
            posix_spawn(&m_pid, program.c_str(), &actions, nullptr, argv.data(), envp.data());
        posix_spawn_file_actions_destroy(&actions);
        close(out[1]);
        m_stdout = out[0];
        if (rc != 0) {
            m_pid = -1;
            return false;
        }
        return true;
    }

    // One line of stdout without its "\n", or nothing after timeoutMs.
    std::optional<std::string> readLine(int timeoutMs = 1000) {
        const auto until = Clock::now() + std::chrono::milliseconds(timeoutMs);
        while (true) {
            if (const auto nl = m_pending.find('\n'); nl != std::string::npos) {
                std::string line = m_pending.substr(0, nl);
                m_pending.erase(0, nl + 1);
                return line;
            }
            const auto left =
                std::chrono::duration_cast<std::chrono::milliseconds>(until - Clock::now()).count();
            pollfd fd{m_stdout, POLLIN, 0};
            if (left <= 0 || poll(&fd, 1, static_cast<int>(left)) <= 0) {
                return std::nullopt;
            }
            char buffer[256];
            const ssize_t n = read(m_stdout, buffer, sizeof buffer);
            if (n <= 0) {
                return std::nullopt;
            }
            m_pending.append(buffer, static_cast<std::size_t>(n));
        }
    }

    // Exit code once the process has ended, or nothing after timeoutMs.
    std::optional<int> waitExit(int timeoutMs = 1500) {
        const auto until = Clock::now() + std::chrono::milliseconds(timeoutMs);
        while (m_pid > 0) {
            int status = 0;
            const pid_t done = waitpid(m_pid, &status, WNOHANG);
            if (done == m_pid) {
                m_pid = -1;
                return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
            }
            if (Clock::now() >= until) {
                return std::nullopt;
            }
            usleep(2000);
        }
        return std::nullopt;
    }

    void signal(int number) const {
        if (m_pid > 0) {
            kill(m_pid, number);
        }
    }

private:
    std::string m_runtime;
    pid_t m_pid = -1;
    int m_stdout = -1;
    std::string m_pending;
};

// The serial line as the program sees it: the slave opened in raw mode.
class Line {
public:
    explicit Line(const std::string& path) {
        m_fd = open(path.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
        termios tio{};
        if (m_fd >= 0 && tcgetattr(m_fd, &tio) == 0) {
            cfmakeraw(&tio);
            tcsetattr(m_fd, TCSANOW, &tio);
        }
    }
    Line(const Line&) = delete;
    Line& operator=(const Line&) = delete;
    ~Line() {
        if (m_fd >= 0) {
            close(m_fd);
        }
    }

    bool isOpen() const { return m_fd >= 0; }

    int waiting() const {
        int count = 0;
        return ioctl(m_fd, FIONREAD, &count) == 0 ? count : -1;
    }

    bool send(const std::string& bytes) const {
        return write(m_fd, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size());
    }

    // What arrives until the line stays quiet for quietMs (at most limitMs in all).
    std::string receive(int quietMs = 100, int limitMs = 1000) const {
        std::string got;
        const auto until = Clock::now() + std::chrono::milliseconds(limitMs);
        while (Clock::now() < until) {
            pollfd fd{m_fd, POLLIN, 0};
            if (poll(&fd, 1, quietMs) <= 0 || (fd.revents & POLLIN) == 0) {
                break;
            }
            char buffer[512];
            const ssize_t n = read(m_fd, buffer, sizeof buffer);
            if (n <= 0) {
                break;
            }
            got.append(buffer, static_cast<std::size_t>(n));
        }
        return got;
    }

    std::string ask(const std::string& command) const {
        return send(command) ? receive() : std::string("<write failed>");
    }

    // True once the line has been hung up under us (a read gives end of file or an error).
    bool hungUp(int timeoutMs = 1000) const {
        pollfd fd{m_fd, POLLIN, 0};
        if (poll(&fd, 1, timeoutMs) <= 0) {
            return false;
        }
        if ((fd.revents & (POLLHUP | POLLERR)) != 0) {
            return true;
        }
        char b = 0;
        return read(m_fd, &b, 1) <= 0;
    }

private:
    int m_fd = -1;
};

struct Announced {
    std::string port;
    std::string path;
};

inline bool digitsOnly(std::string_view text) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// "COMn /dev/pts/K", the simulator's port line.
inline std::optional<Announced> parseAnnouncement(const std::optional<std::string>& line) {
    if (!line) {
        return std::nullopt;
    }
    const std::string_view text = *line;
    const auto space = text.find(' ');
    if (space == std::string_view::npos) {
        return std::nullopt;
    }
    const std::string_view port = text.substr(0, space);
    const std::string_view path = text.substr(space + 1);
    constexpr std::string_view kCom = "COM";
    constexpr std::string_view kPts = "/dev/pts/";
    if (!port.starts_with(kCom) || !digitsOnly(port.substr(kCom.size())) ||
        !path.starts_with(kPts) || !digitsOnly(path.substr(kPts.size()))) {
        return std::nullopt;
    }
    return Announced{std::string(port), std::string(path)};
}

// "HH:MM:SS.mmm"
inline bool isTimeOfDay(std::string_view text) {
    return text.size() == 12 && digitsOnly(text.substr(0, 2)) && text[2] == ':' &&
           digitsOnly(text.substr(3, 2)) && text[5] == ':' && digitsOnly(text.substr(6, 2)) &&
           text[8] == '.' && digitsOnly(text.substr(9, 3));
}

inline std::optional<std::string> linkTarget(const std::string& path) {
    std::error_code error;
    const auto target = std::filesystem::read_symlink(path, error);
    if (error) {
        return std::nullopt;
    }
    return target.string();
}

} // namespace nimbrel::sim::testing
