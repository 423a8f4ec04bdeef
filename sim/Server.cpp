#include "Server.h"

#include <cerrno>
#include <cstdio>
#include <ctime>
#include <poll.h>
#include <thread>
#include <unistd.h>

namespace nimbrel::sim {

namespace {

// 10 bits a byte at 115200 baud.
constexpr std::chrono::microseconds kByteTime{87};
constexpr std::chrono::microseconds kTurnaround{300};
constexpr std::size_t kBurst = 8;
constexpr Millis kIdlePoll{10};
constexpr Millis kDrainLimit{1000};
constexpr Millis kDrainCheck{10};

Millis steadyNow() {
    return std::chrono::duration_cast<Millis>(std::chrono::steady_clock::now().time_since_epoch());
}

std::int64_t pcLocalSeconds() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return static_cast<std::int64_t>(timegm(&local));
}

std::string joined(const std::vector<std::string>& names) {
    std::string out;
    for (const std::string& name : names) {
        out += out.empty() ? name : ", " + name;
    }
    return out;
}

} // namespace

Server::Server(Printer& printer, FaultPlan faults, PseudoTerminal pty, PortRegistry& registry,
               Trace& trace, int stopFd, bool paced, const StateFolder* stateFolder)
    : m_printer(printer), m_faults(std::move(faults)), m_pty(std::move(pty)), m_registry(registry),
      m_trace(trace), m_stopFd(stopFd), m_stateFolder(stateFolder), m_paced(paced) {}

void Server::announce() const {
    std::printf("%s %s\n", m_registry.portName().c_str(), m_pty.slavePath().c_str());
    std::fflush(stdout);
}

int Server::run() {
    std::uint8_t buffer[4096];
    while (!m_stop && !m_broken) {
        int timeout = -1;
        if (const auto deadline = m_framer.deadline()) {
            timeout =
                static_cast<int>(std::max<Millis::rep>(0, (*deadline - steadyNow()).count())) + 1;
        }
        pollfd fds[2] = {{m_pty.masterFd(), POLLIN, 0}, {m_stopFd, POLLIN, 0}};
        if (poll(fds, 2, timeout) < 0 && errno != EINTR) {
            std::perror("nimbrel-sim: poll");
            return 1;
        }
        if ((fds[1].revents & POLLIN) != 0) {
            break;
        }
        if ((fds[0].revents & POLLIN) != 0) {
            const ssize_t n = read(m_pty.masterFd(), buffer, sizeof buffer);
            if (n > 0) {
                process(m_framer.feed({buffer, static_cast<std::size_t>(n)}, steadyNow()));
            } else if (n < 0 && errno != EAGAIN && errno != EINTR) {
                pause(kIdlePoll);
            }
            continue;
        }
        if ((fds[0].revents & (POLLHUP | POLLERR)) != 0) {
            pause(kIdlePoll);
        }
        process(m_framer.expire(steadyNow()));
    }
    return m_broken ? 1 : 0;
}

void Server::process(const std::vector<CommandFramer::Item>& items) {
    for (const CommandFramer::Item& item : items) {
        if (m_stop || m_broken) {
            return;
        }
        if (item.kind == CommandFramer::Item::Kind::Discarded) {
            m_trace.note("dropped " + Trace::hex(item.bytes));
        } else {
            answer(item.bytes);
        }
    }
}

void Server::answer(const Bytes& command) {
    m_trace.received(command);
    Response response = m_printer.handle(command, pcLocalSeconds());
    if (!response.understood) {
        m_trace.note("not understood");
    } else if (!response.note.empty()) {
        m_trace.note("ignored: " + response.note);
    }
    if (response.changed) {
        keep(*response.changed);
    }
    ReplyPlan plan = m_faults.plan(command, std::move(response.reply), m_random);
    if (!plan.applied.empty()) {
        m_trace.note("fault " + joined(plan.applied));
    }
    if (!plan.first.empty()) {
        if (!pause(plan.delay)) {
            return;
        }
        std::this_thread::sleep_for(kTurnaround);
        send(plan.first);
        if (!plan.second.empty()) {
            if (!pause(plan.pause)) {
                return;
            }
            send(plan.second);
        }
    }
    if (plan.hangup) {
        m_broken = !hangUp();
    }
}

void Server::send(const Bytes& bytes) {
    // Bursts keep to the line's byte rate on average: a late wake-up is made up at once
    // instead of leaving a gap the program would take for the end of the reply.
    auto due = std::chrono::steady_clock::now();
    std::size_t done = 0;
    while (done < bytes.size()) {
        const std::size_t chunk =
            m_paced ? std::min(kBurst, bytes.size() - done) : bytes.size() - done;
        const ssize_t n = write(m_pty.masterFd(), bytes.data() + done, chunk);
        if (n <= 0) {
            break;
        }
        done += static_cast<std::size_t>(n);
        if (m_paced) {
            due += kByteTime * n;
            std::this_thread::sleep_until(due);
        }
    }
    m_trace.sent(Bytes(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(done)));
    if (done < bytes.size()) {
        m_trace.note("line full, " + std::to_string(bytes.size() - done) + " bytes lost");
    }
}

void Server::keep(const StoreChange& change) {
    if (m_stateFolder == nullptr) {
        return;
    }
    std::string error;
    if (!m_stateFolder->save(m_printer.state(), change, error)) {
        // The printer goes on from memory; the next change of the slot tries again.
        std::fprintf(stderr, "nimbrel-sim: %s\n", error.c_str());
        m_trace.note(error);
    }
}

bool Server::hangUp() {
    // Let the program take the last reply before the line drops. Bytes reach the count the
    // program polls a moment after they are written, so the queue must be seen empty twice.
    const Millis until = steadyNow() + kDrainLimit;
    int emptySeen = 0;
    while (emptySeen < 2 && steadyNow() < until) {
        if (!pause(kDrainCheck)) {
            return true;
        }
        emptySeen = m_pty.unreadBySlave() > 0 ? 0 : emptySeen + 1;
    }
    m_pty.close();
    m_trace.note("hang-up");
    std::string error;
    auto fresh = PseudoTerminal::open(error);
    if (!fresh || !m_registry.repoint(fresh->slavePath(), error)) {
        std::fprintf(stderr, "nimbrel-sim: %s\n", error.c_str());
        return false;
    }
    m_pty = std::move(*fresh);
    m_framer = CommandFramer{};
    m_trace.note("new line " + m_pty.slavePath());
    announce();
    return true;
}

bool Server::pause(Millis duration) {
    if (duration.count() <= 0) {
        return true;
    }
    pollfd fd{m_stopFd, POLLIN, 0};
    const int ready = poll(&fd, 1, static_cast<int>(duration.count()));
    if (ready > 0) {
        m_stop = true;
        return false;
    }
    return true;
}

} // namespace nimbrel::sim
