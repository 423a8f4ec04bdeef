#pragma once

#include "CommandFramer.h"
#include "FaultPlan.h"
#include "PortRegistry.h"
#include "Printer.h"
#include "PseudoTerminal.h"
#include "StateFolder.h"
#include "Trace.h"

#include <random>

namespace nimbrel::sim {

// Serves the printer on its pseudo-terminal until a stop signal arrives: frames what the
// program sends, answers at the line's byte rate and injects the faults asked for.
class Server {
public:
    // stopFd becomes readable when the simulator is to end (a signalfd). stateFolder, when
    // given, receives every change of the mark and logo stores.
    Server(Printer& printer, FaultPlan faults, PseudoTerminal pty, PortRegistry& registry,
           Trace& trace, int stopFd, bool paced, const StateFolder* stateFolder = nullptr);

    // Prints "COMn /dev/pts/K" and flushes it.
    void announce() const;
    // 0 after a stop signal, 1 when the line could not be brought back after a hang-up.
    int run();

private:
    void process(const std::vector<CommandFramer::Item>& items);
    void answer(const Bytes& command);
    void send(const Bytes& bytes);
    void keep(const StoreChange& change);
    bool hangUp();
    // Sleeps, but returns false at once when a stop signal is pending.
    bool pause(Millis duration);

    Printer& m_printer;
    FaultPlan m_faults;
    PseudoTerminal m_pty;
    PortRegistry& m_registry;
    Trace& m_trace;
    int m_stopFd;
    const StateFolder* m_stateFolder;
    CommandFramer m_framer;
    std::mt19937 m_random{std::random_device{}()};
    bool m_paced;
    bool m_stop = false;
    bool m_broken = false;
};

} // namespace nimbrel::sim
