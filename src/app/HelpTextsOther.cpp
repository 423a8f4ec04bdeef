#include "app/HelpTextsPlatform.h"

namespace nimbrel::app {

// Windows: the text itself already leads through the Control Panel.
QString connectingPlatformNote() {
    return {};
}

} // namespace nimbrel::app
