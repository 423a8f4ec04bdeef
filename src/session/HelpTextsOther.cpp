#include "session/HelpTextsPlatform.h"

namespace nimbrel::session {

// Windows: the text itself already leads through the Control Panel.
QString connectingPlatformNote() {
    return {};
}

} // namespace nimbrel::session
