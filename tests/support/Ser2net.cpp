#include "Ser2net.h"

#include <arpa/inet.h>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <netinet/in.h>
#include <signal.h>
#include <spawn.h>
#include <sstream>
#include <sys/socket.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace nimbrel::testing {

namespace {

int boundSocket(sockaddr_in& address) {
    const int fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return -1;
    address = {};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t size = sizeof address;
    if (bind(fd, reinterpret_cast<sockaddr*>(&address), size) != 0 ||
        getsockname(fd, reinterpret_cast<sockaddr*>(&address), &size) != 0) {
        close(fd);
        return -1;
    }
    return fd;
}

// Whether 127.0.0.1:port is in the listening state, read from the kernel's table (a test
// connect would take the server's line for a moment).
bool listening(int port) {
    std::ifstream table("/proc/net/tcp");
    char wanted[32];
    std::snprintf(wanted, sizeof wanted, "0100007F:%04X", port);
    std::string line;
    while (std::getline(table, line)) {
        std::istringstream fields(line);
        std::string slot, local, remote, state;
        fields >> slot >> local >> remote >> state;
        if (local == wanted && state == "0A")
            return true;
    }
    return false;
}

std::string program() {
    for (const char* path : {"/usr/sbin/ser2net", "/usr/bin/ser2net"})
        if (access(path, X_OK) == 0)
            return path;
    return "ser2net";
}

} // namespace

int Ser2net::freePort() {
    sockaddr_in address{};
    const int fd = boundSocket(address);
    if (fd < 0)
        return 0;
    close(fd);
    return ntohs(address.sin_port);
}

Ser2net::Ser2net(const std::string& device, bool noDelay) {
    char pattern[] = "/tmp/nimbrel-ser2net-XXXXXX";
    if (const char* made = mkdtemp(pattern); made != nullptr)
        m_folder = made;
    else
        return;
    m_rfc2217Port = freePort();
    m_rawPort = freePort();
    // Connectors with "local": a pseudo-terminal has no modem lines to watch.
    const std::string config = m_folder + "/ser2net.yaml";
    const std::string tcp = noDelay ? "tcp(nodelay)" : "tcp";
    std::ofstream(config) << "connection: &rfc2217\n"
                          << "  accepter: telnet(rfc2217)," << tcp << ",127.0.0.1," << m_rfc2217Port
                          << "\n"
                          << "  connector: serialdev," << device << ",115200n81,local\n"
                          << "connection: &raw\n"
                          << "  accepter: " << tcp << ",127.0.0.1," << m_rawPort << "\n"
                          << "  connector: serialdev," << device << ",115200n81,local\n";
    const std::string exe = program();
    const std::string pidFile = m_folder + "/ser2net.pid";
    std::vector<std::string> args{exe, "-n", "-u", "-c", config, "-P", pidFile};
    std::vector<char*> argv;
    for (std::string& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    const std::string log = m_folder + "/log";
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, log.c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_adddup2(&actions, STDOUT_FILENO, STDERR_FILENO);
    const int rc = posix_spawnp(&m_pid, exe.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (rc != 0) {
        m_pid = -1;
        return;
    }
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (!(listening(m_rfc2217Port) && listening(m_rawPort))) {
        if (std::chrono::steady_clock::now() > until || waitpid(m_pid, nullptr, WNOHANG) != 0) {
            stop();
            return;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

Ser2net::~Ser2net() {
    stop();
    std::error_code ignored;
    if (!m_folder.empty())
        std::filesystem::remove_all(m_folder, ignored);
}

void Ser2net::stop() {
    if (m_pid <= 0)
        return;
    kill(m_pid, SIGTERM);
    for (int i = 0; i < 300; ++i) {
        if (waitpid(m_pid, nullptr, WNOHANG) == m_pid) {
            m_pid = -1;
            return;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    kill(m_pid, SIGKILL);
    waitpid(m_pid, nullptr, 0);
    m_pid = -1;
}

std::string Ser2net::rfc2217Url() const {
    return "rfc2217://127.0.0.1:" + std::to_string(m_rfc2217Port);
}

std::string Ser2net::rawUrl() const {
    return "tcp://127.0.0.1:" + std::to_string(m_rawPort);
}

std::string Ser2net::logText() const {
    std::ifstream in(m_folder + "/log");
    return std::string(std::istreambuf_iterator<char>(in), {});
}

SilentListener::SilentListener() {
    sockaddr_in address{};
    m_listener = boundSocket(address);
    // A backlog of 0 takes one connection into the queue; the filler takes it, and every
    // later handshake goes unanswered.
    if (m_listener < 0 || listen(m_listener, 0) != 0)
        return;
    m_filler = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    connect(m_filler, reinterpret_cast<sockaddr*>(&address), sizeof address);
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    m_port = ntohs(address.sin_port);
}

SilentListener::~SilentListener() {
    if (m_filler >= 0)
        close(m_filler);
    if (m_listener >= 0)
        close(m_listener);
}

} // namespace nimbrel::testing
