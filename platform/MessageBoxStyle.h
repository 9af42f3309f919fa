#pragma once
// How a message-box style (buttons + icon) becomes a QMessageBox, and a clicked QMessageBox button
// an answer. Used by the QMessageBox backend; kept apart so that it can be tested alone.
#include "platform/MessageBox.h"

#include <QMessageBox>

#include <optional>

namespace MsgBox {

struct QtBoxStyle {
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
    QMessageBox::StandardButton escapeButton = QMessageBox::NoButton;  // none: Escape does nothing
    QMessageBox::Icon icon = QMessageBox::NoIcon;
};

QtBoxStyle ToQtStyle(int style);

// The answer of a standard button; none for a button that no style shows.
std::optional<Result> ToResult(QMessageBox::StandardButton button);

}  // namespace MsgBox
