#include "SimProcess.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/ioctl.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

extern char** environ;

namespace nimbrel::testing {

namespace {

std::chrono::milliseconds leftUntil(SteadyClock::time_point until) {
    return std::chrono::duration_cast<std::chrono::milliseconds>(until - SteadyClock::now());
}

} // namespace

SimProcess::SimProcess() {
    char pattern[] = "/tmp/nimbrel-simtest-XXXXXX";
    if (const char* made = mkdtemp(pattern); made != nullptr) {
        m_runtime = made;
        m_ownsRuntime = true;
    }
}

SimProcess::SimProcess(std::string sharedRuntimeFolder)
    : m_runtime(std::move(sharedRuntimeFolder)) {}

SimProcess::~SimProcess() {
    if (m_pid > 0) {
        kill(m_pid, SIGTERM);
        if (!waitExit(3000)) {
            kill(m_pid, SIGKILL);
            waitpid(m_pid, nullptr, 0);
        }
    }
    if (m_stdout >= 0) {
        close(m_stdout);
    }
    std::error_code ignored;
    if (m_ownsRuntime) {
        std::filesystem::remove_all(m_runtime, ignored);
    } else if (!m_stderrPath.empty()) {
        std::filesystem::remove(m_stderrPath, ignored);
    }
}

std::string SimProcess::programPath() {
    if (const char* path = std::getenv("NIMBREL_SIM"); path != nullptr && *path != '\0') {
        return path;
    }
#ifdef NIMBREL_SIM_BUILT_AT
    return NIMBREL_SIM_BUILT_AT;
#else
    return {};
#endif
}

bool SimProcess::start(const std::vector<std::string>& args) {
    const std::string program = programPath();
    if (program.empty() || m_runtime.empty() || m_pid > 0) {
        return false;
    }
    // Several simulators may share one folder: each keeps its own stderr file there.
    std::string errPattern = m_runtime + "/sim-stderr-XXXXXX";
    const int errFd = mkstemp(errPattern.data());
    if (errFd < 0) {
        return false;
    }
    m_stderrPath = errPattern;
    int out[2];
    if (pipe2(out, O_CLOEXEC) != 0) {
        close(errFd);
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
        if (std::string_view(*e).rfind("XDG_RUNTIME_DIR=", 0) != 0) {
            envStore.emplace_back(*e);
        }
    }
    std::vector<char*> envp;
    for (std::string& e : envStore) {
        envp.push_back(e.data());
    }
    envp.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&actions, errFd, STDERR_FILENO);
    const int rc =
        posix_spawn(&m_pid, program.c_str(), &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    close(errFd);
    m_stdout = out[0];
    if (rc != 0) {
        m_pid = -1;
        return false;
    }
    return true;
}

std::optional<Announced> SimProcess::launch(const std::vector<std::string>& args, int timeoutMs) {
    if (!start(args)) {
        return std::nullopt;
    }
    return readAnnouncement(timeoutMs);
}

std::optional<Announced> SimProcess::readAnnouncement(int timeoutMs) {
    auto announced = parseAnnouncement(readLine(timeoutMs));
    if (announced) {
        m_announced = *announced;
    }
    return announced;
}

std::optional<std::string> SimProcess::readLine(int timeoutMs) {
    const auto until = SteadyClock::now() + std::chrono::milliseconds(timeoutMs);
    while (m_stdout >= 0) {
        if (const auto nl = m_pending.find('\n'); nl != std::string::npos) {
            std::string line = m_pending.substr(0, nl);
            m_pending.erase(0, nl + 1);
            return line;
        }
        const auto left = leftUntil(until).count();
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
    return std::nullopt;
}

std::optional<int> SimProcess::waitExit(int timeoutMs) {
    const auto until = SteadyClock::now() + std::chrono::milliseconds(timeoutMs);
    while (m_pid > 0) {
        int status = 0;
        const pid_t done = waitpid(m_pid, &status, WNOHANG);
        if (done == m_pid) {
            m_pid = -1;
            return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        }
        if (SteadyClock::now() >= until) {
            return std::nullopt;
        }
        usleep(2000);
    }
    return std::nullopt;
}

void SimProcess::signal(int number) const {
    if (m_pid > 0) {
        kill(m_pid, number);
    }
}

bool SimProcess::running() {
    if (m_pid <= 0) {
        return false;
    }
    return !waitExit(0).has_value();
}

std::string SimProcess::stderrText() const {
    std::string text;
    if (FILE* f = std::fopen(m_stderrPath.c_str(), "r")) {
        char buffer[512];
        size_t n = 0;
        while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0) {
            text.append(buffer, n);
        }
        std::fclose(f);
    }
    return text;
}

SimLine::SimLine(const std::string& path) {
    m_fd = open(path.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
    termios tio{};
    if (m_fd >= 0 && tcgetattr(m_fd, &tio) == 0) {
        cfmakeraw(&tio);
        tcsetattr(m_fd, TCSANOW, &tio);
    }
}

SimLine::~SimLine() {
    if (m_fd >= 0) {
        close(m_fd);
    }
}

int SimLine::waiting() const {
    int count = 0;
    return ioctl(m_fd, FIONREAD, &count) == 0 ? count : -1;
}

bool SimLine::send(const std::string& bytes) const {
    return write(m_fd, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size());
}

std::string SimLine::receive(int quietMs, int limitMs) const {
    std::string got;
    const auto until = SteadyClock::now() + std::chrono::milliseconds(limitMs);
    while (SteadyClock::now() < until) {
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

std::string SimLine::ask(const std::string& command) const {
    return send(command) ? receive() : std::string("<write failed>");
}

bool SimLine::hungUp(int timeoutMs) const {
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

bool digitsOnly(std::string_view text) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::optional<Announced> parseAnnouncement(const std::optional<std::string>& line) {
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

bool isTimeOfDay(std::string_view text) {
    return text.size() == 12 && digitsOnly(text.substr(0, 2)) && text[2] == ':' &&
           digitsOnly(text.substr(3, 2)) && text[5] == ':' && digitsOnly(text.substr(6, 2)) &&
           text[8] == '.' && digitsOnly(text.substr(9, 3));
}

std::optional<std::string> linkTarget(const std::string& path) {
    std::error_code error;
    const auto target = std::filesystem::read_symlink(path, error);
    if (error) {
        return std::nullopt;
    }
    return target.string();
}

} // namespace nimbrel::testing
