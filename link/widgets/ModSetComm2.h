#pragma once
// The serial port list as the port dialog shows it: one entry "COM<n>" per port.
#include "core/Records.h"

#include <QList>
#include <QStringList>

#include <functional>

class QComboBox;

namespace ModSetComm2 {

// "COM" followed by each port number, in the order the port list gives them.
QStringList ComPortNames();

// Refills combo with "COM" followed by each port number, in the order the port list gives
// them, and returns the first number listed; 0 when there is no port.
int16 FillComPortList(QComboBox* combo);

// Where the port numbers come from: ComPorts::AvailablePorts() unless a test puts its own
// list here (an empty function puts the system's list back).
using PortSource = std::function<QList<int>()>;
void SetPortSource(PortSource source);
QList<int> ListPorts();

}  // namespace ModSetComm2
