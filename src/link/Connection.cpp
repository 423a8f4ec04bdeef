#include "link/Connection.h"

namespace nimbrel::link {

const std::vector<LineSpeed>& lineSpeeds() {
    static const std::vector<LineSpeed> speeds = {
        {115200, ": baud=115200 parity=N Data=8 stop=1", ": 115200,n,8,1"},
        {57600, ": baud=57600 parity=N Data=8 stop=1", ": 57600,n,8,1"},
        {38400, ": baud=38400 parity=N Data=8 stop=1", ": 38400,n,8,1"},
        {28800, ": baud=28800 parity=N Data=8 stop=1", ": 28800,n,8,1"},
        {19200, ": baud=19200 parity=N Data=8 stop=1", ": 19200,n,8,1"},
        {14400, ": baud=14400 parity=N Data=8 stop=1", ": 14400,n,8,1"},
        {9600, ": baud=9600 parity=N Data=8 stop=1", ": 9600,n,8,1"},
    };
    return speeds;
}

} // namespace nimbrel::link
