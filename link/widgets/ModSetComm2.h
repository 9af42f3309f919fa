#pragma once
// The serial port list as the port dialog shows it: one entry "COM<n>" per port.
#include "core/Records.h"

#include <QList>
#include <QStringList>

#include <functional>

class QComboBox;

namespace ModSetComm2 {

// "COM" followed by each port number, in the order of ports.
QStringList ComPortNames(const QList<int>& ports);

// Refills combo with ComPortNames(ports) and returns the first number of ports; 0 when
// ports is empty.
int16 FillComPortList(QComboBox* combo, const QList<int>& ports);

// Where the port numbers come from: ComPorts::AvailablePorts() unless a test puts its own
// list here (an empty function puts the system's list back).
using PortSource = std::function<QList<int>()>;
void SetPortSource(PortSource source);
// The numbers of that list that are valid port numbers, in its order.
QList<int> ListPorts();

}  // namespace ModSetComm2
