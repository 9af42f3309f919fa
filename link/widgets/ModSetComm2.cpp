#include "link/widgets/ModSetComm2.h"

#include "platform/serial/ComPorts.h"

#include <QComboBox>

namespace ModSetComm2 {

namespace {

PortSource& Source() {
    static PortSource source;
    return source;
}

}  // namespace

void SetPortSource(PortSource source) { Source() = std::move(source); }

QList<int> ListPorts() {
    const QList<int> ports = Source() ? Source()() : ComPorts::AvailablePorts();
    QList<int> valid;
    for (int com : ports)
        if (com >= 1 && com <= ComPorts::MaxComPort) valid.append(com);
    return valid;
}

QStringList ComPortNames(const QList<int>& ports) {
    QStringList names;
    for (int com : ports) names.append(QStringLiteral("COM%1").arg(com));
    return names;
}

int16 FillComPortList(QComboBox* combo, const QList<int>& ports) {
    if (!combo) return 0;
    combo->clear();
    combo->addItems(ComPortNames(ports));
    return ports.isEmpty() ? int16{0} : static_cast<int16>(ports.first());
}

}  // namespace ModSetComm2
