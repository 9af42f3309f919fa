#include "platform/serial/ComPorts.h"

#include "platform/serial/InProcessSerialBackend.h"
#include "platform/serial/QtSerialBackend.h"

#include <QMap>
#include <QPointer>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QSerialPortInfo>

#include <algorithm>

namespace ComPorts {

namespace {

struct Range {
    int firstCom;
    const char* prefix;
};
constexpr Range kRanges[] = {{1, "/dev/ttyS"}, {33, "/dev/ttyUSB"}, {65, "/dev/ttyACM"}};
constexpr int kPerRange = 32;

QMap<int, QPointer<InProcessSerialLine>>& Lines() {
    static QMap<int, QPointer<InProcessSerialLine>> lines;
    return lines;
}

QString OverrideOf(int com) {
    return qEnvironmentVariable(QStringLiteral("ZR7310N_COM%1").arg(com).toLatin1().constData());
}

QString MappedPath(int com) {
    for (const Range& r : kRanges)
        if (com >= r.firstCom && com < r.firstCom + kPerRange)
            return QLatin1String(r.prefix) + QString::number(com - r.firstCom);
    return {};
}

int MappedNumber(const QString& path) {
    for (const Range& r : kRanges) {
        const QString prefix = QLatin1String(r.prefix);
        if (!path.startsWith(prefix)) continue;
        const QString digits = path.mid(prefix.size());
        static const QRegularExpression canonical(QStringLiteral("^(0|[1-9][0-9]?)$"));
        if (!canonical.match(digits).hasMatch()) return 0;
        const int index = digits.toInt();
        return index < kPerRange ? r.firstCom + index : 0;
    }
    return 0;
}

}  // namespace

QString DevicePath(int com) {
    if (com < 1 || com > MaxComPort) return {};
    const QString overridden = OverrideOf(com);
    return overridden.isEmpty() ? MappedPath(com) : overridden;
}

int ComNumber(const QString& path) {
    if (path.isEmpty()) return 0;
    for (int com : OverriddenPorts())
        if (OverrideOf(com) == path) return com;
    const int mapped = MappedNumber(path);
    return mapped != 0 && DevicePath(mapped) == path ? mapped : 0;
}

QList<int> OverriddenPorts() {
    static const QRegularExpression name(QStringLiteral("^ZR7310N_COM([1-9][0-9]{0,2})$"));
    QList<int> ports;
    for (const QString& key : QProcessEnvironment::systemEnvironment().keys()) {
        const QRegularExpressionMatch m = name.match(key);
        if (!m.hasMatch()) continue;
        const int com = m.captured(1).toInt();
        if (com <= MaxComPort && !OverrideOf(com).isEmpty()) ports.append(com);
    }
    std::sort(ports.begin(), ports.end());
    return ports;
}

QList<int> PortsFor(const QStringList& devicePaths) {
    QList<int> ports = OverriddenPorts();
    for (const QString& path : devicePaths)
        if (const int com = ComNumber(path)) ports.append(com);
    for (auto it = Lines().cbegin(); it != Lines().cend(); ++it)
        if (it.value()) ports.append(it.key());
    std::sort(ports.begin(), ports.end());
    ports.erase(std::unique(ports.begin(), ports.end()), ports.end());
    return ports;
}

QList<int> AvailablePorts() {
    QStringList paths;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) paths.append(info.systemLocation());
    return PortsFor(paths);
}

void RegisterInProcessLine(int com, InProcessSerialLine* line) {
    if (com < 1 || com > MaxComPort) return;
    if (line) Lines().insert(com, line);
    else Lines().remove(com);
}

InProcessSerialLine* InProcessLine(int com) {
    return Lines().value(com).data();
}

void ClearInProcessLines() {
    Lines().clear();
}

std::unique_ptr<SerialBackend> CreateBackend(int com, QString* path) {
    if (InProcessSerialLine* line = InProcessLine(com)) {
        if (path) *path = QStringLiteral("in-process:COM%1").arg(com);
        return std::make_unique<InProcessSerialBackend>(line, InProcessSerialLine::Host);
    }
    const QString device = DevicePath(com);
    if (device.isEmpty()) return nullptr;
    if (path) *path = device;
    return std::make_unique<QtSerialBackend>();
}

}  // namespace ComPorts
