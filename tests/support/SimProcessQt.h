#pragma once

#include "SimProcess.h"

#include <QString>
#include <QStringList>

#include <memory>

namespace nimbrel::testing {

inline std::vector<std::string> toStdArgs(const QStringList& args) {
    std::vector<std::string> out;
    for (const QString& a : args) {
        out.push_back(a.toStdString());
    }
    return out;
}

// A simulator started in runtimeFolder with its port line read; its announced port is empty
// when it did not come up (stderrText() says why).
inline std::unique_ptr<SimProcess> startSimIn(const QString& runtimeFolder,
                                              const QStringList& args) {
    auto sim = std::make_unique<SimProcess>(runtimeFolder.toStdString());
    sim->launch(toStdArgs(args));
    return sim;
}

inline QString portName(const SimProcess& sim) {
    return QString::fromStdString(sim.announced().port);
}
inline QString devicePath(const SimProcess& sim) {
    return QString::fromStdString(sim.announced().path);
}

} // namespace nimbrel::testing
