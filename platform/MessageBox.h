#pragma once
// The one message-box function every part of the program uses. A backend shows the box;
// the default backend is a QMessageBox, tests install a scripted double.
#include <QString>

namespace MsgBox {

// Button sets, icons and answers are fixed numbers that callers combine and compare
// against; a style is "buttons + icon".
enum Buttons : int { OKOnly = 0, OKCancel = 1, AbortRetryIgnore = 2, YesNoCancel = 3, YesNo = 4, RetryCancel = 5 };
enum Icon : int { NoIcon = 0, Critical = 16, Question = 32, Exclamation = 48, Information = 64 };
enum Result : int { OK = 1, Cancel = 2, Abort = 3, Retry = 4, Ignore = 5, Yes = 6, No = 7 };

// MsgBox::YesNoCancel + MsgBox::Exclamation, without C++20's warning on mixing enumerations.
constexpr int operator+(Buttons buttons, Icon icon) { return int(buttons) + int(icon); }
constexpr int operator+(Icon icon, Buttons buttons) { return int(buttons) + int(icon); }

class Backend {
public:
    virtual ~Backend() = default;
    // title is never empty here: Show puts the application title in its place.
    virtual Result Show(const QString& prompt, int style, const QString& title) = 0;
};

// Shows prompt with the buttons and icon of style; title empty means the application title.
Result Show(const QString& prompt, int style = OKOnly, const QString& title = QString());

// Installs a backend (nullptr puts the QMessageBox backend back). The caller keeps ownership.
void SetBackend(Backend* backend);

// The application title shown on boxes without a title of their own.
QString ApplicationTitle();

// The button set of a style (an unknown set counts as OKOnly) and its icon (an unknown
// icon counts as none).
Buttons ButtonsOf(int style);
Icon IconOf(int style);

// The answer of the first button of style's button set, which is also its default button.
Result FirstButton(int style);

}  // namespace MsgBox
