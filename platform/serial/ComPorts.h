#pragma once
// "COM" port numbers, as the program stores and shows them, and the devices behind them.
//
//   COM1  .. COM32  = /dev/ttyS0   .. /dev/ttyS31
//   COM33 .. COM64  = /dev/ttyUSB0 .. /dev/ttyUSB31
//   COM65 .. COM96  = /dev/ttyACM0 .. /dev/ttyACM31
//
// The environment variable ZR7310N_COM<n> (n written without leading zeros), when set and
// not empty, makes COM<n> the device at its path instead, e.g. ZR7310N_COM1=/dev/pts/3.
// Tests can also put an in-process line (no device at all) behind a number; that wins
// over both.
#include <QList>
#include <QString>
#include <QStringList>

#include <memory>

class InProcessSerialLine;
class SerialBackend;

namespace ComPorts {

constexpr int MaxComPort = 255;

// The device path of COM<com>; empty when the number has none (0, above 96 without an
// override, negative).
QString DevicePath(int com);

// The COM number whose device path is path (the inverse of DevicePath); 0 when no number
// leads there. A mapped device whose number is overridden elsewhere has no number.
int ComNumber(const QString& path);

// The numbers with a ZR7310N_COM<n> override, ascending.
QList<int> OverriddenPorts();

// COM numbers of the given device paths through ComNumber, plus every overridden number
// and every number with an in-process line; ascending, each once.
QList<int> PortsFor(const QStringList& devicePaths);

// PortsFor() of the system's serial ports (QSerialPortInfo::availablePorts()).
QList<int> AvailablePorts();

// Puts an in-process line behind COM<com> (nullptr removes it). The caller keeps the
// line; a destroyed line drops out by itself.
void RegisterInProcessLine(int com, InProcessSerialLine* line);
InProcessSerialLine* InProcessLine(int com);
void ClearInProcessLines();

// A closed backend for COM<com> and, through *path, the device to open with it: the
// in-process host end when a line is registered, else a QSerialPort backend. Returns
// nullptr when the number leads nowhere.
std::unique_ptr<SerialBackend> CreateBackend(int com, QString* path);

}  // namespace ComPorts
