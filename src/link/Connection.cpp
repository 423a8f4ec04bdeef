#include "link/Connection.h"

namespace nimbrel::link {

const std::vector<LineSettingsItem>& lineSettingsItems() {
    static const std::vector<LineSettingsItem> items = {
        {110, "115200,N,8,1", ": baud=115200 parity=N Data=8 stop=1", ": 115200,n,8,1"},
        {111, "57600,N,8,1", ": baud=57600 parity=N Data=8 stop=1", ": 57600,n,8,1"},
        {112, "38400,N,8,1", ": baud=38400 parity=N Data=8 stop=1", ": 38400,n,8,1"},
        {113, "28800,N,8,1", ": baud=28800 parity=N Data=8 stop=1", ": 28800,n,8,1"},
        {114, "19200,N,8,1", ": baud=19200 parity=N Data=8 stop=1", ": 19200,n,8,1"},
        {115, "14400,N,8,1", ": baud=14400 parity=N Data=8 stop=1", ": 14400,n,8,1"},
        {116, "9600,N,8,1", ": baud=9600 parity=N Data=8 stop=1", ": 9600,n,8,1"},
    };
    return items;
}

} // namespace nimbrel::link
