#include "app/ProgramFont.h"

namespace nimbrel::app {

QFont programFont() {
    return QFont(QStringLiteral("Liberation Sans"), 9);
}

} // namespace nimbrel::app
