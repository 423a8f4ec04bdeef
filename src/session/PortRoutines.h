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

// Shown instead of any printer command while no port is open.
void showConnectionCheck(Context& ctx);

} // namespace nimbrel::session
