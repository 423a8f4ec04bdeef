#pragma once

#include "FakeClock.h"
#include "FakeSerialPort.h"
#include "QtPrinters.h"
#include "ScriptedDialogs.h"
#include "TestBytes.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <ostream>
#include <vector>

namespace nimbrel::testing {

inline QString joined(const std::vector<QString>& lines) {
    QString out;
    for (const auto& line : lines)
        out += line;
    return out;
}

// Compares line by line first, so a failure names the line that differs.
inline void expectSameText(const QString& actual, const QString& expected) {
    const QStringList a = actual.split(QStringLiteral("\n\r"));
    const QStringList e = expected.split(QStringLiteral("\n\r"));
    for (qsizetype i = 0; i < std::min(a.size(), e.size()); ++i)
        EXPECT_EQ(a[i], e[i]) << "line " << i;
    EXPECT_EQ(a.size(), e.size());
    EXPECT_EQ(actual, expected);
}

// The user takes `stepMs` to answer each dialog: the PC clock moves on meanwhile.
class SlowUserDialogs final : public platform::Dialogs {
public:
    SlowUserDialogs(platform::Dialogs& inner, FakeClock& clock, qint64 stepMs)
        : m_inner(inner), m_clock(clock), m_stepMs(stepMs) {}

    QString inputDialog(const QString& title, const QString& info, const QString& prompt,
                        const QString& proposed) override {
        return after(m_inner.inputDialog(title, info, prompt, proposed));
    }
    QString questionDialog(const QString& title, const QString& prompt,
                           const QString& proposed) override {
        return after(m_inner.questionDialog(title, prompt, proposed));
    }
    QString requester(const QString& title, const QString& prompt,
                      const QString& proposed) override {
        return after(m_inner.requester(title, prompt, proposed));
    }
    int message(const QString& title, const QString& text, int kind) override {
        return after(m_inner.message(title, text, kind));
    }
    QString openFileName(const QString& title, const QStringList& filters,
                         const QString& directory) override {
        return after(m_inner.openFileName(title, filters, directory));
    }
    QString saveFileName(const QString& title, const QStringList& filters, const QString& directory,
                         const QString& proposedName) override {
        return after(m_inner.saveFileName(title, filters, directory, proposedName));
    }
    QString folderName(const QString& title, const QString& directory) override {
        return after(m_inner.folderName(title, directory));
    }
    std::optional<platform::ConversionOptions> pictureConversion(const QImage& picture,
                                                                 const QString& name) override {
        return after(m_inner.pictureConversion(picture, name));
    }

private:
    template <typename T> T after(T answer) {
        m_clock.advance(m_stepMs);
        return answer;
    }
    platform::Dialogs& m_inner;
    FakeClock& m_clock;
    qint64 m_stepMs;
};

} // namespace nimbrel::testing
