#pragma once

#include <string>
#include <sys/types.h>

namespace nimbrel::testing {

// ser2net as a child process on 127.0.0.1, forwarding two free TCP ports to one serial device:
// one with Telnet and the com-port option (RFC 2217), one raw. Its configuration and pid file
// live in a temporary folder of its own; the process is ended with the object. ser2net's
// defaults stand: it holds the line's bytes for two characters' time (at least 1 ms) before
// passing them on, which keeps a reply whole on the network; with Nagle on, though, a reply's
// piece after its first 64 bytes waits for the client's delayed acknowledgement (40 ms on
// Linux). `noDelay` puts tcp(nodelay) on the accepters.
class Ser2net {
public:
    explicit Ser2net(const std::string& device, bool noDelay = false);
    Ser2net(const Ser2net&) = delete;
    Ser2net& operator=(const Ser2net&) = delete;
    ~Ser2net();

    // Both ports listen.
    [[nodiscard]] bool ok() const { return m_pid > 0 && m_rfc2217Port > 0 && m_rawPort > 0; }
    [[nodiscard]] std::string rfc2217Url() const;
    [[nodiscard]] std::string rawUrl() const;
    // Ends the server now, dropping its connections.
    void stop();
    [[nodiscard]] std::string logText() const;

    // A loopback port nobody listens on, and one that takes no connection (its queue is full),
    // for the refused and the unanswered connects.
    static int freePort();

private:
    std::string m_folder;
    pid_t m_pid = -1;
    int m_rfc2217Port = 0;
    int m_rawPort = 0;
};

// A loopback listener whose accept queue is full: a connect to it is never answered (the
// system drops the handshake) until the object is gone.
class SilentListener {
public:
    SilentListener();
    SilentListener(const SilentListener&) = delete;
    SilentListener& operator=(const SilentListener&) = delete;
    ~SilentListener();
    [[nodiscard]] int port() const { return m_port; }

private:
    int m_listener = -1;
    int m_filler = -1;
    int m_port = 0;
};

} // namespace nimbrel::testing
