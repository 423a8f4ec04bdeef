#include "PortRegistry.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

namespace nimbrel::sim {

namespace {

constexpr int kHighestAutomatic = 200;

std::optional<std::string> readLink(const std::string& path) {
    char buffer[4096];
    const ssize_t n = readlink(path.c_str(), buffer, sizeof buffer - 1);
    if (n < 0) {
        return std::nullopt;
    }
    return std::string(buffer, static_cast<std::size_t>(n));
}

// The owner file beside COMn: the PID of the simulator that made the link.
std::optional<long> readOwner(const std::string& path) {
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        return std::nullopt;
    }
    char buffer[32] = {};
    const ssize_t n = read(fd, buffer, sizeof buffer - 1);
    close(fd);
    if (n <= 0) {
        return std::nullopt;
    }
    char* end = nullptr;
    const long pid = std::strtol(buffer, &end, 10);
    if (pid <= 0 || end == buffer || (*end != '\n' && *end != '\0')) {
        return std::nullopt;
    }
    return pid;
}

bool processGone(long pid) {
    return kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH;
}

bool writeOwner(const std::string& path, long pid) {
    const std::string temporary = path + ".new";
    const int fd = open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0) {
        return false;
    }
    const std::string text = std::to_string(pid) + "\n";
    const bool written = write(fd, text.data(), text.size()) == static_cast<ssize_t>(text.size());
    close(fd);
    if (!written || std::rename(temporary.c_str(), path.c_str()) != 0) {
        unlink(temporary.c_str());
        return false;
    }
    return true;
}

bool makeDirectory(const std::string& path, std::string& error) {
    if (mkdir(path.c_str(), 0700) != 0 && errno != EEXIST) {
        error = "cannot create " + path + ": " + std::strerror(errno);
        return false;
    }
    struct stat info {};
    if (stat(path.c_str(), &info) != 0 || !S_ISDIR(info.st_mode)) {
        error = path + " is not a folder";
        return false;
    }
    return true;
}

} // namespace

std::string PortRegistry::folderFromEnvironment() {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (runtime != nullptr && *runtime != '\0') {
        return std::string(runtime) + "/nimbrel/ports";
    }
    return "/tmp/nimbrel-" + std::to_string(getuid()) + "/ports";
}

PortRegistry::~PortRegistry() {
    remove();
}

bool PortRegistry::ensureFolder(std::string& error) const {
    const auto slash = m_folder.rfind('/');
    const std::string parent = m_folder.substr(0, slash);
    if (slash == std::string::npos || !makeDirectory(parent, error)) {
        return false;
    }
    // In the shared /tmp someone else may have made the folder first.
    struct stat info {};
    if (lstat(parent.c_str(), &info) != 0 || !S_ISDIR(info.st_mode) || info.st_uid != getuid()) {
        error = parent + " is not a folder of this user";
        return false;
    }
    return makeDirectory(m_folder, error);
}

std::string PortRegistry::linkPath(int number) const {
    return m_folder + "/COM" + std::to_string(number);
}

std::string PortRegistry::ownerPath(int number) const {
    return m_folder + "/.COM" + std::to_string(number) + ".owner";
}

PortRegistry::Status PortRegistry::tryLink(int number, const std::string& target,
                                           std::string& error) {
    const std::string path = linkPath(number);
    for (int attempt = 0; attempt < 2; ++attempt) {
        if (symlink(target.c_str(), path.c_str()) == 0) {
            m_number = number;
            m_target = target;
            // Without it a link left by a killed simulator would hold the number as long as
            // its target path lives on (a new pseudo-terminal often gets the same one).
            if (!writeOwner(ownerPath(number), getpid())) {
                error = "cannot record the owner of " + path + ": " + std::strerror(errno);
            }
            return Status::Ok;
        }
        if (errno != EEXIST) {
            error = "cannot create " + path + ": " + std::strerror(errno);
            return Status::Failed;
        }
        struct stat info {};
        const auto existing = readLink(path);
        const auto owner = readOwner(ownerPath(number));
        const bool ownerGone = existing && owner && processGone(*owner);
        if (!existing || (stat(path.c_str(), &info) == 0 && !ownerGone)) {
            error = path + " is in use" + (existing ? " (-> " + *existing + ")" : "") +
                    (owner ? " by process " + std::to_string(*owner) : "");
            return Status::InUse;
        }
        unlink(path.c_str());
    }
    error = path + " is in use";
    return Status::InUse;
}

PortRegistry::Status PortRegistry::add(std::optional<int> com, const std::string& target,
                                       std::string& error) {
    if (!ensureFolder(error)) {
        return Status::Failed;
    }
    if (com) {
        return tryLink(*com, target, error);
    }
    for (int number = kHighestAutomatic; number >= 1; --number) {
        const Status status = tryLink(number, target, error);
        if (status != Status::InUse) {
            return status;
        }
    }
    error = "no free COM number in " + m_folder;
    return Status::NoneFree;
}

bool PortRegistry::repoint(const std::string& target, std::string& error) {
    const std::string path = linkPath(m_number);
    const std::string temporary =
        m_folder + "/.COM" + std::to_string(m_number) + ".new." + std::to_string(getpid());
    unlink(temporary.c_str());
    if (symlink(target.c_str(), temporary.c_str()) != 0 ||
        std::rename(temporary.c_str(), path.c_str()) != 0) {
        error = "cannot re-point " + path + ": " + std::strerror(errno);
        unlink(temporary.c_str());
        return false;
    }
    m_target = target;
    return true;
}

void PortRegistry::remove() {
    if (m_number == 0) {
        return;
    }
    const std::string path = linkPath(m_number);
    if (readLink(path) == m_target) {
        unlink(path.c_str());
        if (readOwner(ownerPath(m_number)) == getpid()) {
            unlink(ownerPath(m_number).c_str());
        }
    }
    m_number = 0;
}

} // namespace nimbrel::sim
