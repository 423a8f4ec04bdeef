#pragma once

#include <optional>
#include <string>

namespace nimbrel::sim {

// The virtual-port folder: a symbolic link COMn per simulated port, pointing at its
// pseudo-terminal, so the program's port list shows it.
class PortRegistry {
public:
    enum class Status { Ok, InUse, NoneFree, Failed };

    // $XDG_RUNTIME_DIR/nimbrel/ports, or /tmp/nimbrel-<uid>/ports when that is unset.
    static std::string folderFromEnvironment();

    explicit PortRegistry(std::string folder) : m_folder(std::move(folder)) {}
    PortRegistry(const PortRegistry&) = delete;
    PortRegistry& operator=(const PortRegistry&) = delete;
    ~PortRegistry();

    // Links COM<com>, or the highest free number from 200 down, to target, and records this
    // process as its owner in ".COM<n>.owner" beside it. A link whose target is gone, or whose
    // recorded owner has ended, is stale and taken over; a live one is left alone.
    Status add(std::optional<int> com, const std::string& target, std::string& error);
    // Points the link at a new target in one step.
    bool repoint(const std::string& target, std::string& error);
    // Removes the link if it still points at our target.
    void remove();

    int number() const { return m_number; }
    std::string portName() const { return "COM" + std::to_string(m_number); }

private:
    bool ensureFolder(std::string& error) const;
    Status tryLink(int number, const std::string& target, std::string& error);
    std::string linkPath(int number) const;
    std::string ownerPath(int number) const;

    std::string m_folder;
    std::string m_target;
    int m_number = 0;
};

} // namespace nimbrel::sim
