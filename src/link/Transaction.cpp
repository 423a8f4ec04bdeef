#include "link/Transaction.h"

namespace nimbrel::link {

int waitForReply(platform::SerialPort& port, platform::Clock& clock, const WaitParams& params) {
    if (params.firstDelayMs > 0)
        clock.sleepMs(params.firstDelayMs);
    for (int pass = 0; pass < params.maxPasses; ++pass) {
        clock.sleepMs(params.pauseMs);
        const int first = port.bytesWaitingInput();
        clock.sleepMs(params.pauseMs);
        const int second = port.bytesWaitingInput();
        if (first == second && second > 0)
            return second;
    }
    return 0;
}

bool waitForOutputSent(platform::SerialPort& port, platform::Clock& clock, int limitMs) {
    for (int waited = 0; waited < limitMs; ++waited) {
        if (port.bytesWaitingOutput() <= 0)
            return true;
        clock.sleepMs(1);
    }
    return port.bytesWaitingOutput() <= 0;
}

bool sendCommand(Context& ctx, const QByteArray& command) {
    if (!ctx.port.isOpen())
        return false;
    // Whatever is waiting now belongs to an earlier exchange that failed or ran late.
    ctx.port.discardInput();
    return ctx.port.write(command);
}

QString readErrorText(const ConnectionState& conn) {
    return QStringLiteral("Ошибка при чтении данных из Маркиратора (") + conn.portName +
           QStringLiteral(")!");
}

void reportReadError(Context& ctx) {
    ctx.conn.linkError = 1;
    ctx.shell.setLinkIcon(LinkIcon::Error);
    ctx.dialogs.message(QStringLiteral("ОШИБКА"), readErrorText(ctx.conn), platform::kError);
}

int runCommand(Context& ctx, const QByteArray& command, const WaitParams& params) {
    TalkingScope talking(ctx.shell);
    ctx.conn.linkError = 0;
    int waiting = 0;
    if (sendCommand(ctx, command))
        waiting = waitForReply(ctx.port, ctx.clock, params);
    if (waiting <= 0) {
        ctx.shell.setTalking(false);
        reportReadError(ctx);
        return 0;
    }
    ctx.conn.linkError = 0;
    return waiting;
}

QByteArray readReply(Context& ctx, int waiting, int bufferSize, int* received) {
    QByteArray buffer(bufferSize, '\0');
    const QByteArray got = ctx.port.read(std::min(waiting, bufferSize));
    std::copy(got.begin(), got.end(), buffer.begin());
    // Bytes past the buffer are drained, never left for the next reply.
    if (waiting > bufferSize)
        ctx.port.read(waiting - bufferSize);
    if (received)
        *received = static_cast<int>(got.size());
    return buffer;
}

} // namespace nimbrel::link
