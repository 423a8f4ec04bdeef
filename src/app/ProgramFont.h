#pragma once

#include <QFont>

namespace nimbrel::app {

// The program's interface font: Arial's metrics (Liberation Sans), which the fixed control
// and status-field sizes were laid out for.
QFont programFont();

} // namespace nimbrel::app
