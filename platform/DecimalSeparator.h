#pragma once
// The user's decimal separator. The program itself formats and parses every decimal with
// "." whatever the user's locale; it only reads the user's setting (and never changes a
// system setting), so that the start-up and exit steps that keep it have something to keep.
#include <QChar>
#include <QString>

namespace DecimalSeparator {

struct LocaleState {
    QString localeId;   // e.g. "de_DE"
    QChar separator;    // the first character of the user's decimal separator
};

// Reads the user's locale (LC_NUMERIC / LANG as Qt sees it) and its decimal separator.
LocaleState ReadUserLocale();

}  // namespace DecimalSeparator
