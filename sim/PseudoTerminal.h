#pragma once

#include <optional>
#include <string>

namespace nimbrel::sim {

// A pseudo-terminal whose slave side is the printer's serial line. The simulator keeps one
// slave descriptor open itself, so the master never sees a hang-up while the program closes and
// reopens the port; the program's own opens come and go.
class PseudoTerminal {
public:
    static std::optional<PseudoTerminal> open(std::string& error);

    PseudoTerminal(PseudoTerminal&& other) noexcept;
    PseudoTerminal& operator=(PseudoTerminal&& other) noexcept;
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;
    ~PseudoTerminal();

    int masterFd() const { return m_master; }
    const std::string& slavePath() const { return m_slavePath; }

    // Bytes written to the line that the program has not read yet.
    int unreadBySlave() const;

    // Closing the master hangs the line up for whoever has the slave open.
    void close();

private:
    PseudoTerminal(int master, int slave, std::string path);

    int m_master = -1;
    int m_slave = -1;
    std::string m_slavePath;
};

} // namespace nimbrel::sim
