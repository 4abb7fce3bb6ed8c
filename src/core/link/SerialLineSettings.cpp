#include "link/SerialLineSettings.h"

#include "link/LinkSettings.h"

namespace norvane {

namespace {

speed_t baudOf(int index)
{
    switch (index) {
    case 0:
        return B2400;
    case 1:
        return B4800;
    case 3:
        return B19200;
    case 4:
        return B38400;
    case 5:
        return B57600;
    case 6:
        return B115200;
    default:
        return B9600;
    }
}

} // namespace

void ApplySerialLineSettings(termios& line, const SerialLinkSettings& settings)
{
    cfmakeraw(&line);
    line.c_cflag |= CLOCAL | CREAD;
    line.c_cc[VMIN] = 0;
    line.c_cc[VTIME] = 0;

    cfsetispeed(&line, baudOf(settings.baudRate));
    cfsetospeed(&line, baudOf(settings.baudRate));

    line.c_cflag &= ~CSIZE;
    line.c_cflag |= settings.dataBits == 0 ? CS7 : CS8;

    line.c_cflag &= ~(PARENB | PARODD);
    line.c_iflag &= ~INPCK;
    if (settings.parity == 1) {
        line.c_cflag |= PARENB | PARODD;
        line.c_iflag |= INPCK;
    } else if (settings.parity == 2) {
        line.c_cflag |= PARENB; // even parity is generated, but received bytes are not checked for it
    }

    if (settings.stopBits == 1 || settings.stopBits == 2)
        line.c_cflag |= CSTOPB;
    else
        line.c_cflag &= ~CSTOPB;

    if (settings.hardwareHandshake == 0)
        line.c_cflag &= ~CRTSCTS;
    else
        line.c_cflag |= CRTSCTS;

    line.c_iflag &= ~(IXON | IXOFF | IXANY);
    if (settings.softwareHandshake == 1)
        line.c_iflag |= IXON | IXOFF;
}

} // namespace norvane
