#pragma once

#include "logos/LogoState.h"

#include <QString>

namespace nimbrel::logos {

// The graphics window's status-bar texts.
QString openedFileStatus(const QString& path);
QString savedFileStatus(const QString& path);
QString sizeStatus(const LogoState& logo);

} // namespace nimbrel::logos
