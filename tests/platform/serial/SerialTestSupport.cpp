#include "tests/platform/serial/SerialTestSupport.h"

#include "platform/serial/SerialBackend.h"

#include <QProcessEnvironment>

namespace SerialTest {

void ClearComOverrides() {
    for (const QString& key : QProcessEnvironment::systemEnvironment().keys())
        if (key.startsWith(QLatin1String("ZR7310N_COM"))) qunsetenv(key.toLatin1().constData());
}

Collector::Collector(SerialBackend* port) {
    connect(port, &SerialBackend::bytesArrived, this, [this](const QByteArray& data) { chunks.append(data); });
}

QByteArray Collector::All() const {
    QByteArray all;
    for (const QByteArray& c : chunks) all += c;
    return all;
}

}  // namespace SerialTest
