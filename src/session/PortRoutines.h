#pragma once

#include "platform/DeviceList.h"
#include "session/Context.h"

namespace nimbrel::session {

// Port open: lists the devices, asks for a COM number, checks it and opens the device.
// Leaves the link error flag clear only when a port is open afterwards.
void openPort(Context& ctx, platform::DeviceLister& lister);

// Port close (item 3).
void closePort(Context& ctx);

// Line settings items 110 to 116: reopens the port with the item's settings.
void changeLineSettings(Context& ctx, int itemId);

// Asked twice a second while no exchange runs: a port whose device has gone (hang-up,
// adapter pulled, the printer's server ended) turns both link icons to the error at once.
// False while the port is open but its device gone.
bool watchPort(Context& ctx);

// Before a printer command: a port whose device has gone is opened again. False (the user
// told, the port closed) when the device is still away.
bool reopenLostPort(Context& ctx, platform::DeviceLister& lister);

// Shown instead of any printer command while no port is open.
void showConnectionCheck(Context& ctx);

} // namespace nimbrel::session
