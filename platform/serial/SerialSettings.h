#pragma once
// The serial control's line settings text ("9600,N,8,1") and handshaking value, turned
// into the values a backend applies to a port.
#include <QString>

namespace SerialSettings {

enum class Parity { None, Even, Odd, Mark, Space };
enum class StopBits { One, OneAndHalf, Two };
// Handshaking 0..3 of the control. Both XON/XOFF and RTS/CTS at once (3) cannot be
// asked of the ports we drive, so it maps to Hardware.
enum class FlowControl { None, Software, Hardware };

struct LineSettings {
    int baud = 9600;
    Parity parity = Parity::None;
    int dataBits = 8;
    StopBits stopBits = StopBits::One;
    friend bool operator==(const LineSettings&, const LineSettings&) = default;
};

// Parses "baud,parity,data bits,stop bits": baud one of the standard rates 110 .. 256000,
// parity one of N E O M S (either case), data bits 5 to 8, stop bits 1, 1.5 or 2. Blanks
// around a field are allowed. Returns false, leaving *out alone, for anything else.
bool Parse(const QString& text, LineSettings* out);

// Handshaking 0 none, 1 XON/XOFF, 2 RTS/CTS, 3 both (given as RTS/CTS). False for
// any other value.
bool FlowFromHandshaking(int handshaking, FlowControl* out);

}  // namespace SerialSettings
