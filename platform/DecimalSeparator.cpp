#include "platform/DecimalSeparator.h"

#include <QLocale>

namespace DecimalSeparator {

LocaleState ReadUserLocale()
{
    const QLocale user = QLocale::system();
    const QString point = user.decimalPoint();
    return {user.name(), point.isEmpty() ? QChar(u'.') : point.front()};
}

}  // namespace DecimalSeparator
