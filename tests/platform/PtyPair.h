#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

namespace nimbrel::testing {

// A pseudo-terminal made for one test. The test keeps a slave descriptor of its own open, so
// the port under test can close and reopen the slave without the master seeing a hang-up.
class PtyPair {
public:
    PtyPair();
    ~PtyPair();
    PtyPair(const PtyPair&) = delete;
    PtyPair& operator=(const PtyPair&) = delete;

    [[nodiscard]] bool ok() const { return m_master >= 0 && m_slave >= 0; }
    [[nodiscard]] int master() const { return m_master; }
    [[nodiscard]] int slave() const { return m_slave; }
    [[nodiscard]] const QString& slavePath() const { return m_slavePath; }

    void closeMaster();
    // Every byte written to the master, or false.
    bool writeMaster(const QByteArray& bytes);
    // Reads from the master until `count` bytes are in or the line stays quiet for a while.
    QByteArray readMaster(int count);

private:
    int m_master = -1;
    int m_slave = -1;
    QString m_slavePath;
};

// Polls `probe` until it returns `expected`, giving up after a generous bound; returns the
// last value seen. Bytes written to a pty reach the other side's queue a little later.
int waitForCount(int expected, const std::function<int()>& probe);

// The line's output rate as the kernel records it (termios2), or -1.
int kernelLineRate(int fd);
// Whether the line runs at a rate without a termios constant.
bool kernelRateIsArbitrary(int fd);

} // namespace nimbrel::testing
