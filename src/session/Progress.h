#pragma once

#include <QString>

namespace nimbrel::session {

// Work of many exchanges shows how far it is and may be stopped between two steps. The
// window shows it in a progress box with "Стоп"; without one (tests, no window) nothing is
// shown and nothing stops.
class Progress {
public:
    virtual ~Progress() = default;

    // Shown from here to end(): what the work is and how many steps it has.
    virtual void begin(const QString& title, int steps) = 0;
    // Before step `index` (from 0): what it does, "Марка #23 из 86". False once the user has
    // asked to stop: the work ends here, before the step.
    virtual bool next(int index, const QString& text) = 0;
    virtual void end() = 0;
};

} // namespace nimbrel::session
