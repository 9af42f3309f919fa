#include "platform/MessageBox.h"

#include "platform/MessageBoxStyle.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QLayout>

namespace MsgBox {
namespace {

constexpr int kButtonsMask = 0x0F;
constexpr int kIconMask = 0x70;

// Boxes without Cancel (and not OK alone) cannot be left with Escape or the close box:
// QMessageBox would otherwise pick an answer such as No or Abort on its own.
class EscapeBlocker final : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Close) {
            event->ignore();
            return true;
        }
        if (event->type() == QEvent::KeyPress)
            return static_cast<QKeyEvent*>(event)->matches(QKeySequence::Cancel);
        return QObject::eventFilter(watched, event);
    }
};

// A window manager draws the title in its own, often bold, font between the window's icon
// and its frame buttons, and cuts a title that does not fit. The box is made at least as wide
// as that needs: the title in the bold application font, the icon and three frame buttons of
// about two lines each, and a line at either end.
int TitleBarWidth(const QString& title)
{
    QFont font = QApplication::font();
    font.setBold(true);
    const QFontMetrics metrics(font);
    return metrics.horizontalAdvance(title) + 10 * metrics.height();
}

// QMessageBox takes its width from its layout when it is shown; the row of buttons spans the
// whole box, so its least width carries the title's.
void LeaveRoomForTitle(QMessageBox& box)
{
    auto* buttons = box.findChild<QDialogButtonBox*>();
    if (!buttons || !box.layout()) return;
    const QMargins margins = box.layout()->contentsMargins();
    buttons->setMinimumWidth(TitleBarWidth(box.windowTitle()) - margins.left() - margins.right());
}

class QtMessageBoxes final : public Backend {
public:
    Result Show(const QString& prompt, int style, const QString& title) override
    {
        if (!qobject_cast<QApplication*>(QCoreApplication::instance())) {
            qWarning("Message box without a window system: %s", qUtf8Printable(prompt));
            return FirstButton(style);
        }
        const QtBoxStyle qtStyle = ToQtStyle(style);
        QMessageBox box(qtStyle.icon, title, prompt, qtStyle.buttons, QApplication::activeWindow());
        box.setTextFormat(Qt::PlainText);  // file names and the like are never markup
        LeaveRoomForTitle(box);
        box.setDefaultButton(qtStyle.defaultButton);
        EscapeBlocker blocker;
        if (qtStyle.escapeButton != QMessageBox::NoButton)
            box.setEscapeButton(qtStyle.escapeButton);
        else
            box.installEventFilter(&blocker);
        box.exec();
        const auto clicked = ToResult(box.standardButton(box.clickedButton()));
        const auto escaped = ToResult(qtStyle.escapeButton);
        return clicked.value_or(escaped.value_or(FirstButton(style)));
    }
};

QtMessageBoxes qtMessageBoxes;
Backend* current = &qtMessageBoxes;

}  // namespace

Result Show(const QString& prompt, int style, const QString& title)
{
    return current->Show(prompt, style, title.isEmpty() ? ApplicationTitle() : title);
}

void SetBackend(Backend* backend) { current = backend ? backend : &qtMessageBoxes; }

QString ApplicationTitle() { return QStringLiteral("ZRW7310N_II"); }

Buttons ButtonsOf(int style)
{
    const int buttons = style & kButtonsMask;
    return buttons <= RetryCancel ? static_cast<Buttons>(buttons) : OKOnly;
}

Icon IconOf(int style)
{
    switch (style & kIconMask) {
    case Critical: return Critical;
    case Question: return Question;
    case Exclamation: return Exclamation;
    case Information: return Information;
    default: return NoIcon;
    }
}

Result FirstButton(int style)
{
    switch (ButtonsOf(style)) {
    case AbortRetryIgnore: return Abort;
    case YesNoCancel:
    case YesNo: return Yes;
    case RetryCancel: return Retry;
    case OKOnly:
    case OKCancel: break;
    }
    return OK;
}

QtBoxStyle ToQtStyle(int style)
{
    using QMB = QMessageBox;
    QtBoxStyle qt;
    switch (ButtonsOf(style)) {
    case OKOnly: qt = {QMB::Ok, QMB::Ok, QMB::Ok}; break;
    case OKCancel: qt = {QMB::Ok | QMB::Cancel, QMB::Ok, QMB::Cancel}; break;
    case AbortRetryIgnore: qt = {QMB::Abort | QMB::Retry | QMB::Ignore, QMB::Abort, QMB::NoButton}; break;
    case YesNoCancel: qt = {QMB::Yes | QMB::No | QMB::Cancel, QMB::Yes, QMB::Cancel}; break;
    case YesNo: qt = {QMB::Yes | QMB::No, QMB::Yes, QMB::NoButton}; break;
    case RetryCancel: qt = {QMB::Retry | QMB::Cancel, QMB::Retry, QMB::Cancel}; break;
    }
    switch (IconOf(style)) {
    case Critical: qt.icon = QMB::Critical; break;
    case Question: qt.icon = QMB::Question; break;
    case Exclamation: qt.icon = QMB::Warning; break;
    case Information: qt.icon = QMB::Information; break;
    case NoIcon: qt.icon = QMB::NoIcon; break;
    }
    return qt;
}

std::optional<Result> ToResult(QMessageBox::StandardButton button)
{
    switch (button) {
    case QMessageBox::Ok: return OK;
    case QMessageBox::Cancel: return Cancel;
    case QMessageBox::Abort: return Abort;
    case QMessageBox::Retry: return Retry;
    case QMessageBox::Ignore: return Ignore;
    case QMessageBox::Yes: return Yes;
    case QMessageBox::No: return No;
    default: return std::nullopt;
    }
}

}  // namespace MsgBox
