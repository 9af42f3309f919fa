#include "core/widgets/FreqEditFilter.h"

#include <QEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QMouseEvent>

namespace FreqEditFilter {

namespace {

constexpr char16_t kCtrlC = 3, kCtrlV = 22, kCtrlX = 24;

class Filter final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
        case QEvent::KeyPress:
            return Refuses(*static_cast<QKeyEvent*>(event));
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
            // The middle button pastes the selection on X11.
            return static_cast<QMouseEvent*>(event)->button() == Qt::MiddleButton;
        default:
            return QObject::eventFilter(watched, event);
        }
    }
};

}  // namespace

bool Refuses(const QKeyEvent& key) {
    if (key.matches(QKeySequence::Paste) || key.matches(QKeySequence::Cut) || key.matches(QKeySequence::Copy))
        return true;
    const QString text = key.text();
    if (text.isEmpty()) return false;
    const char16_t k = text.at(0).unicode();
    if (k == kCtrlC || k == kCtrlV || k == kCtrlX) return true;
    if (k > 127) return true;
    if (k >= 32 && k <= 126) return !((k >= u'0' && k <= u'9') || k == u'.');
    return false;
}

QObject* Install(QLineEdit* box, int maxLength) {
    box->setContextMenuPolicy(Qt::NoContextMenu);
    box->setAcceptDrops(false);
    box->setDragEnabled(false);
    box->setAttribute(Qt::WA_InputMethodEnabled, false);
    box->setMaxLength(maxLength);
    auto* filter = new Filter(box);
    box->installEventFilter(filter);
    return filter;
}

}  // namespace FreqEditFilter
