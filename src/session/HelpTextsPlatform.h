#pragma once

#include <QString>

namespace nimbrel::session {

// What this system adds after the text "Подключение Компьютера к Маркиратору", which speaks of
// Windows' Control Panel: a paragraph of its own, or nothing. One source file per system.
QString connectingPlatformNote();

} // namespace nimbrel::session
