// The network port on gensio: its Telnet com-port (RFC 2217) and TCP stacks, driven through
// the blocking calls from the one thread that uses the port.
#include "platform/NetworkPorts.h"
#include "platform/SerialPortNetwork.h"

#include <gensio/gensio.h>
#include <gensio/gensio_os_funcs_public.h>
#include <gensio/sergensio.h>

#include <algorithm>
#include <csignal>
#include <cstdarg>
#include <thread>

namespace nimbrel::platform {

namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

// The local port's time-outs, so a reply reads the same over either.
constexpr qint64 kReadIntervalMs = 100;
constexpr qint64 kReadPerByteMs = 10;
constexpr qint64 kReadConstantMs = 100;
constexpr qint64 kWritePerByteMs = 100;
constexpr qint64 kWriteConstantMs = 10;
// The server answers each line setting; a server that does not still gives a usable port.
constexpr int kSettingsWaitMs = 500;
constexpr int kLineSettings = 4;
constexpr int kAnswerSliceMs = 1;
// A server whose line is taken accepts and drops the connection at once; what comes in this
// long after the settings is also from before the open.
constexpr int kSettleMs = 20;
constexpr int kSettleLimitMs = 250;
constexpr int kCloseWaitMs = 500;
constexpr int kBusyRetryMs = 1000;
constexpr int kBusyRetryPauseMs = 50;

gensio_time timeOf(qint64 ms) {
    ms = std::max<qint64>(ms, 0);
    return gensio_time{ms / 1000, static_cast<int32_t>((ms % 1000) * 1000000)};
}

qint64 msUntil(Clock::time_point deadline) {
    return std::chrono::duration_cast<milliseconds>(deadline - Clock::now()).count();
}

// gensio writes its complaints to standard error otherwise; the program reports by itself.
void quietLog(gensio_os_funcs*, gensio_log_levels, const char*, va_list) {}

// One set of OS functions for the process, made on first use.
gensio_os_funcs* osFuncs() {
    static gensio_os_funcs* os = [] {
        // A write to a connection the server has just dropped raises SIGPIPE, which would end
        // the program instead of failing the write. A handler the program set is kept.
        struct sigaction current {};
        if (::sigaction(SIGPIPE, nullptr, &current) == 0 && current.sa_handler == SIG_DFL)
            ::signal(SIGPIPE, SIG_IGN);
        gensio_os_funcs* o = nullptr;
        // No wake signal: only the thread that calls the port ever waits.
        if (gensio_default_os_hnd(0, &o) != 0)
            return static_cast<gensio_os_funcs*>(nullptr);
        gensio_os_funcs_set_vlog(o, quietLog);
        return o;
    }();
    return os;
}

QString gensioText(int error) {
    return QString::fromLocal8Bit(gensio_err_to_str(error));
}

OpenResult connectFailure(int error) {
    switch (error) {
    case GE_CONNREFUSE:
    case GE_TIMEDOUT:
    case GE_HOSTDOWN:
    case GE_NOTFOUND:
    case GE_UNKNOWN_NAME_ERROR:
    case GE_NAME_ERROR:
    case GE_NAME_SERVER_FAILURE:
    case GE_NAME_INVALID:
    case GE_NAME_NET_NOT_UP:
    case GE_REMCLOSE: // no route to the host, or no server
        return {OpenError::NotFound, gensioText(error)};
    default:
        return {OpenError::Other, gensioText(error)};
    }
}

} // namespace

struct SerialPortNetwork::Impl {
    gensio_os_funcs* os = nullptr;
    gensio_waiter* waiter = nullptr;
    gensio* io = nullptr;

    bool opened = false;
    int openError = 0;
    bool closed = false;
    int answers = 0;
    int accepted = 0;

    bool broken = false; // the connection failed; nothing more goes through it
    bool settingsApplied = false;
    QByteArray input; // arrived and not yet read
    Clock::time_point drainedAt{};
    std::chrono::microseconds perByte{87};

    static int onEvent(gensio*, void*, int, int, unsigned char*, gensiods*, const char* const*) {
        return GE_NOTSUP;
    }
    static void onOpen(gensio*, int err, void* data) {
        auto* self = static_cast<Impl*>(data);
        self->openError = err;
        self->opened = true;
        gensio_os_funcs_wake(self->os, self->waiter);
    }
    static void onClose(gensio*, void* data) {
        auto* self = static_cast<Impl*>(data);
        self->closed = true;
        gensio_os_funcs_wake(self->os, self->waiter);
    }
    static void onSetting(sergensio*, int err, unsigned int, void* data) {
        auto* self = static_cast<Impl*>(data);
        ++self->answers;
        if (err == 0)
            ++self->accepted;
        gensio_os_funcs_wake(self->os, self->waiter);
    }

    // Runs gensio's events until `done` holds or `ms` have passed.
    template <typename Done> bool waitUntil(Done done, qint64 ms) {
        const Clock::time_point deadline = Clock::now() + milliseconds(ms);
        while (!done()) {
            const qint64 left = msUntil(deadline);
            if (left <= 0)
                return false;
            gensio_time t = timeOf(left);
            gensio_os_funcs_wait(os, waiter, 1, &t);
        }
        return true;
    }

    // Takes what arrives within `ms` into the input; the bytes taken, or -1 when nothing came.
    int pull(qint64 ms) {
        if (io == nullptr || broken)
            return -1;
        // A read may also end on an event that carries no data; the wait goes on then.
        const Clock::time_point deadline = Clock::now() + milliseconds(ms);
        do {
            char chunk[4096];
            gensiods count = 0;
            gensio_time t = timeOf(msUntil(deadline));
            const int rc = gensio_read_s(io, &count, chunk, sizeof chunk, &t);
            if (rc != 0 && rc != GE_TIMEDOUT) {
                broken = true;
                return -1;
            }
            if (count > 0) {
                input.append(chunk, static_cast<qsizetype>(count));
                return static_cast<int>(count);
            }
        } while (msUntil(deadline) > 0);
        return -1;
    }

    // Runs an asynchronous open and waits for its end; its error, GE_TIMEDOUT after `ms`.
    template <typename Open> int start(Open open, qint64 ms) {
        opened = false;
        openError = 0;
        int rc = open(onOpen);
        if (rc == 0 && !waitUntil([this] { return opened; }, ms))
            rc = GE_TIMEDOUT;
        return rc != 0 ? rc : openError;
    }

    void pullArrived() {
        while (pull(0) > 0) {
        }
    }

    void release() {
        if (io == nullptr)
            return;
        closed = false;
        if (gensio_close(io, onClose, this) == 0)
            waitUntil([this] { return closed; }, kCloseWaitMs);
        gensio_free(io);
        io = nullptr;
    }

    void setLine(const LineSettings& settings) {
        sergensio* sio = gensio_to_sergensio(io);
        if (sio == nullptr)
            return;
        static constexpr unsigned kParity[] = {SERGENSIO_PARITY_NONE, SERGENSIO_PARITY_ODD,
                                               SERGENSIO_PARITY_EVEN, SERGENSIO_PARITY_MARK,
                                               SERGENSIO_PARITY_SPACE};
        answers = accepted = 0;
        int asked = 0;
        asked += sergensio_baud(sio, static_cast<unsigned>(settings.baud), onSetting, this) == 0;
        asked +=
            sergensio_datasize(sio, static_cast<unsigned>(settings.dataBits), onSetting, this) == 0;
        asked +=
            sergensio_parity(sio, kParity[static_cast<int>(settings.parity)], onSetting, this) == 0;
        asked +=
            sergensio_stopbits(sio, static_cast<unsigned>(settings.stopBits), onSetting, this) == 0;
        // Asked without waiting: a server on a line without modem lines never answers it.
        sergensio_rts(sio, SERGENSIO_RTS_OFF, nullptr, nullptr);
        // The answers are taken in with the data, so the wait reads (what comes is from
        // before the open and dropped after).
        const Clock::time_point deadline = Clock::now() + milliseconds(kSettingsWaitMs);
        while (answers < asked && !broken && msUntil(deadline) > 0)
            pull(kAnswerSliceMs);
        settingsApplied = asked == kLineSettings && accepted == kLineSettings;
        // As the local open flushes the device: what the server holds from before is dropped.
        sergensio_flush(sio, SERGENSIO_FLUSH_RCV_XMIT_BUFFERS);
    }

    // Drops what arrives until the line has been quiet for kSettleMs (at most kSettleLimitMs).
    void settle() {
        const Clock::time_point limit = Clock::now() + milliseconds(kSettleLimitMs);
        while (!broken && msUntil(limit) > 0 && pull(kSettleMs) > 0) {
        }
        pullArrived();
        input.clear();
    }
    // One connection, Telnet started on it and the line set; Busy when the server turns it
    // away.
    OpenResult connect(const NetworkAddress& address, const LineSettings& settings) {
        // The connection first, then Telnet on it: a server that takes the connection and drops
        // it during the Telnet start has its line in use.
        const QString tcp = QStringLiteral("tcp(nodelay),") + address.host + QLatin1Char(',') +
                            QString::number(address.port);
        int rc = str_to_gensio(tcp.toUtf8().constData(), os, onEvent, this, &io);
        if (rc != 0) {
            io = nullptr;
            return connectFailure(rc);
        }
        rc = start([this](gensio_done_err done) { return gensio_open(io, done, this); },
                   kConnectTimeoutMs);
        if (rc != 0) {
            release();
            return connectFailure(rc);
        }
        if (address.rfc2217) {
            gensio* telnet = nullptr;
            rc = str_to_gensio_child(io, "telnet(rfc2217)", os, onEvent, this, &telnet);
            if (rc != 0) {
                release();
                return {OpenError::Other, gensioText(rc)};
            }
            io = telnet;
            rc = start([this](gensio_done_err done) { return gensio_open_nochild(io, done, this); },
                       kConnectTimeoutMs);
            if (rc != 0) {
                release();
                return {OpenError::Busy, gensioText(rc)};
            }
        }
        rc = gensio_set_sync(io);
        if (rc != 0) {
            release();
            return {OpenError::Other, gensioText(rc)};
        }

        broken = false;
        input.clear();
        perByte = byteTime(settings);
        drainedAt = Clock::now();
        setLine(settings);
        // What arrives now is from before the open; a connection that is dropped already was
        // turned away.
        settle();
        if (broken) {
            release();
            return {OpenError::Busy, gensioText(GE_REMCLOSE)};
        }
        return {};
    }
};

std::chrono::microseconds byteTime(const LineSettings& settings) {
    const int bits =
        1 + settings.dataBits + (settings.parity == Parity::None ? 0 : 1) + settings.stopBits;
    const int baud = settings.baud > 0 ? settings.baud : 115200;
    return std::chrono::microseconds((bits * 1000000LL + baud - 1) / baud);
}

SerialPortNetwork::SerialPortNetwork() : m_impl(std::make_unique<Impl>()) {}

SerialPortNetwork::~SerialPortNetwork() {
    close();
    if (m_impl->waiter != nullptr)
        gensio_os_funcs_free_waiter(m_impl->os, m_impl->waiter);
}

OpenResult SerialPortNetwork::open(const QString& url, const LineSettings& settings) {
    close();
    Impl& d = *m_impl;
    const std::optional<NetworkAddress> address = parseNetworkPortName(url);
    if (!address)
        return {OpenError::NotFound, gensioText(GE_INVAL)};
    d.os = osFuncs();
    if (d.os == nullptr)
        return {OpenError::Other, gensioText(GE_NOTSUP)};
    if (d.waiter == nullptr)
        d.waiter = gensio_os_funcs_alloc_waiter(d.os);
    if (d.waiter == nullptr)
        return {OpenError::Other, gensioText(GE_NOMEM)};

    // A server lets its line go a moment after the client before: it turns a new connection
    // away meanwhile as it does while another client holds the line.
    const Clock::time_point retryUntil = Clock::now() + milliseconds(kBusyRetryMs);
    for (;;) {
        const OpenResult result = d.connect(*address, settings);
        if (result.error != OpenError::Busy || msUntil(retryUntil) <= 0)
            return result;
        std::this_thread::sleep_for(milliseconds(kBusyRetryPauseMs));
    }
}

void SerialPortNetwork::close() {
    m_impl->release();
    m_impl->input.clear();
    m_impl->broken = false;
    m_impl->settingsApplied = false;
}

bool SerialPortNetwork::isOpen() const {
    return m_impl->io != nullptr;
}

bool SerialPortNetwork::isAlive() {
    m_impl->pullArrived();
    return m_impl->io != nullptr && !m_impl->broken;
}

bool SerialPortNetwork::settingsApplied() const {
    return m_impl->settingsApplied;
}

bool SerialPortNetwork::write(const QByteArray& bytes) {
    Impl& d = *m_impl;
    if (d.io == nullptr || d.broken)
        return false;
    gensiods count = 0;
    gensio_time t = timeOf(kWritePerByteMs * bytes.size() + kWriteConstantMs);
    const int rc =
        gensio_write_s(d.io, &count, bytes.constData(), static_cast<gensiods>(bytes.size()), &t);
    if (rc != 0 && rc != GE_TIMEDOUT)
        d.broken = true;
    if (rc != 0 || count != static_cast<gensiods>(bytes.size()))
        return false;
    d.drainedAt = std::max(d.drainedAt, Clock::now()) + d.perByte * bytes.size();
    return true;
}

QByteArray SerialPortNetwork::read(int maxBytes) {
    Impl& d = *m_impl;
    QByteArray out;
    if (d.io == nullptr || maxBytes <= 0)
        return out;
    const Clock::time_point totalDeadline =
        Clock::now() + milliseconds(kReadPerByteMs * maxBytes + kReadConstantMs);
    Clock::time_point lastByteAt{};
    for (;;) {
        const qsizetype take = std::min<qsizetype>(maxBytes - out.size(), d.input.size());
        if (take > 0) {
            out += d.input.left(take);
            d.input.remove(0, take);
            lastByteAt = Clock::now();
        }
        if (out.size() >= maxBytes)
            break;
        qint64 remaining = msUntil(totalDeadline);
        // The gap between bytes only counts once the first byte is in.
        if (!out.isEmpty())
            remaining = std::min(remaining, msUntil(lastByteAt + milliseconds(kReadIntervalMs)));
        if (remaining <= 0 || d.pull(remaining) < 0)
            break;
    }
    return out;
}

int SerialPortNetwork::bytesWaitingInput() {
    m_impl->pullArrived();
    return static_cast<int>(m_impl->input.size());
}

int SerialPortNetwork::bytesWaitingOutput() {
    const Impl& d = *m_impl;
    if (d.io == nullptr)
        return 0;
    const auto left = d.drainedAt + std::chrono::microseconds(kDrainMarginUs) - Clock::now();
    if (left <= Clock::duration::zero())
        return 0;
    const auto perByte = std::chrono::duration_cast<Clock::duration>(d.perByte);
    return static_cast<int>(
        std::max<long long>(1, (left + perByte - Clock::duration(1)) / perByte));
}

void SerialPortNetwork::discardInput() {
    m_impl->pullArrived();
    m_impl->input.clear();
}

} // namespace nimbrel::platform
