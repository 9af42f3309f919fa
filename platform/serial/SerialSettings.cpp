#include "platform/serial/SerialSettings.h"

#include <QStringList>

#include <algorithm>
#include <array>

namespace SerialSettings {

namespace {

constexpr std::array<int, 17> kBaudRates = {110,   300,   600,   1200,  2400,   4800,   9600,   14400, 19200,
                                            28800, 38400, 56000, 57600, 115200, 128000, 230400, 256000};

bool ParseBaud(const QString& field, int* baud) {
    bool ok = false;
    const int value = field.toInt(&ok);
    if (!ok || std::find(kBaudRates.begin(), kBaudRates.end(), value) == kBaudRates.end()) return false;
    *baud = value;
    return true;
}

bool ParseParity(const QString& field, Parity* parity) {
    if (field.size() != 1) return false;
    switch (field.at(0).toUpper().toLatin1()) {
    case 'N': *parity = Parity::None; return true;
    case 'E': *parity = Parity::Even; return true;
    case 'O': *parity = Parity::Odd; return true;
    case 'M': *parity = Parity::Mark; return true;
    case 'S': *parity = Parity::Space; return true;
    default: return false;
    }
}

bool ParseDataBits(const QString& field, int* bits) {
    bool ok = false;
    const int value = field.toInt(&ok);
    if (!ok || value < 5 || value > 8) return false;
    *bits = value;
    return true;
}

bool ParseStopBits(const QString& field, StopBits* stop) {
    if (field == QLatin1String("1")) *stop = StopBits::One;
    else if (field == QLatin1String("1.5")) *stop = StopBits::OneAndHalf;
    else if (field == QLatin1String("2")) *stop = StopBits::Two;
    else return false;
    return true;
}

}  // namespace

bool Parse(const QString& text, LineSettings* out) {
    const QStringList fields = text.split(QLatin1Char(','));
    if (fields.size() != 4) return false;
    LineSettings s;
    if (!ParseBaud(fields[0].trimmed(), &s.baud) || !ParseParity(fields[1].trimmed(), &s.parity) ||
        !ParseDataBits(fields[2].trimmed(), &s.dataBits) || !ParseStopBits(fields[3].trimmed(), &s.stopBits))
        return false;
    *out = s;
    return true;
}

bool FlowFromHandshaking(int handshaking, FlowControl* out) {
    switch (handshaking) {
    case 0: *out = FlowControl::None; return true;
    case 1: *out = FlowControl::Software; return true;
    case 2:
    case 3: *out = FlowControl::Hardware; return true;
    default: return false;
    }
}

}  // namespace SerialSettings
