#pragma once

#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace nimbrel::testing {

// The printer simulator as a child process, registered in a virtual-port folder of its own.
// The test process points XDG_RUNTIME_DIR at the same folder, so the program lists it.
class SimProcess {
public:
    explicit SimProcess(const QStringList& args, const QString& runtimeDir) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtimeDir);
        m_process.setProcessEnvironment(env);
        m_process.setProgram(simPath());
        m_process.setArguments(args);
        m_process.start();
        if (!m_process.waitForStarted(5000))
            return;
        readPortLine();
    }
    ~SimProcess() {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.terminate();
            if (!m_process.waitForFinished(3000))
                m_process.kill();
            m_process.waitForFinished(3000);
        }
    }

    static QString simPath() {
        const QByteArray env = qgetenv("NIMBREL_SIM");
        return env.isEmpty() ? QStringLiteral("nimbrel-sim") : QString::fromLocal8Bit(env);
    }

    // Reads the next "COMn /dev/pts/K" line; false when none comes within the time.
    bool readPortLine(int timeoutMs = 5000) {
        while (!m_process.canReadLine()) {
            if (!m_process.waitForReadyRead(timeoutMs))
                return false;
        }
        const QStringList parts =
            QString::fromLocal8Bit(m_process.readLine()).trimmed().split(QLatin1Char(' '));
        if (parts.size() < 2)
            return false;
        portName = parts[0];
        devicePath = parts[1];
        return true;
    }

    QString number() const { return portName.mid(3); }
    bool running() const { return m_process.state() == QProcess::Running; }

    QString portName;
    QString devicePath;

private:
    QProcess m_process;
};

} // namespace nimbrel::testing
