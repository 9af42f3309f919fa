// The text boxes of the optional-features editor. Each kind has its own key filter and
// moment of storing: the start characters and the trims on every change of their text,
// "Max", "Tx Offset" and the RSSI steps when the box loses the focus or on Enter.
#include "core/ProgramData.h"
#include "features/optfeatures/FrmOptFeatures.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>

#include <algorithm>

namespace {

template <std::size_t N>
int IndexIn(const std::array<QLineEdit*, N>& boxes, const QObject* box) {
    const auto it = std::find(boxes.begin(), boxes.end(), box);
    return it == boxes.end() ? -1 : static_cast<int>(it - boxes.begin());
}

// The character code of a key press. Ctrl with a letter is the letter's control code
// (Ctrl+A 1, Ctrl+C 3, Ctrl+V 22, Ctrl+X 24) whatever text the key event carries; keys
// without a character give 0.
char16_t KeyCodeOf(const QKeyEvent* key) {
    if ((key->modifiers() & Qt::ControlModifier) && key->key() >= Qt::Key_A && key->key() <= Qt::Key_Z)
        return static_cast<char16_t>(key->key() - Qt::Key_A + 1);
    const QString typed = key->text();
    return typed.size() == 1 ? typed[0].unicode() : 0;
}

bool IsEnterKey(const QKeyEvent* key) { return key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter; }

}  // namespace

FrmOptFeatures::~FrmOptFeatures() {
    // The boxes outlive this part of the window; their last focus change must not reach it.
    for (QLineEdit* box : findChildren<QLineEdit*>()) box->removeEventFilter(this);
}

void FrmOptFeatures::ConnectTextBoxes() {
    for (QLineEdit* box : findChildren<QLineEdit*>()) {
        if (const int length = ModOptFeat::MaxLength(KindOf(box)); length > 0) box->setMaxLength(length);
        box->installEventFilter(this);
    }
    for (int i = 0; i < static_cast<int>(Text1.size()); ++i)
        connect(Text1[static_cast<std::size_t>(i)], &QLineEdit::textChanged, this, [this, i] { Text1_Change(i); });
    for (int i = 0; i < static_cast<int>(Text3.size()); ++i)
        connect(Text3[static_cast<std::size_t>(i)], &QLineEdit::textChanged, this, [this, i] { Text3_Change(i); });
}

ModOptFeat::TextKind FrmOptFeatures::KindOf(const QLineEdit* box) const {
    using ModOptFeat::TextKind;
    if (IndexIn(Text3, box) >= 0) return TextKind::StartChar;
    if (box == Text5) return TextKind::TxOffset;
    if (IndexIn(Text1, box) >= 0) return TextKind::Trim;
    if (IndexIn(Text4, box) >= 0) return TextKind::Rssi;
    return TextKind::Volt;
}

bool FrmOptFeatures::eventFilter(QObject* watched, QEvent* event) {
    auto* box = qobject_cast<QLineEdit*>(watched);
    if (!box) return ChildForm::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::KeyPress: return TextKeyPress(box, KindOf(box), event);
    case QEvent::FocusIn:
        // Typing replaces the whole text; after the click that gave the focus has placed
        // the cursor.
        if (IndexIn(Text1, box) < 0) QTimer::singleShot(0, box, [box] { box->selectAll(); });
        break;
    case QEvent::FocusOut:
        // A context menu of the box itself takes the focus for a moment only.
        if (static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason && RunsLostFocusCheck(box))
            LostFocusCheck(box);
        break;
    default: break;
    }
    return ChildForm::eventFilter(watched, event);
}

bool FrmOptFeatures::TextKeyPress(QLineEdit* box, ModOptFeat::TextKind kind, QEvent* event) {
    const auto* key = static_cast<QKeyEvent*>(event);
    if (IsEnterKey(key) && RunsLostFocusCheck(box)) {
        LostFocusCheck(box);
        focusNextChild();  // which checks the box once more, on the same text
        return true;
    }
    const char16_t k = KeyCodeOf(key);
    if (k == 0) return false;  // no character: cursor keys and the like
    const char16_t taken = ModOptFeat::FilterKey(kind, k);
    if (taken == k) return false;
    if (taken != 0) box->insert(QString(QChar(taken)));
    return true;
}

bool FrmOptFeatures::RunsLostFocusCheck(const QLineEdit* box) const {
    return IndexIn(Text2, box) >= 0 || IndexIn(Text4, box) >= 0 || box == Text5;
}

void FrmOptFeatures::LostFocusCheck(QLineEdit* box) {
    if (const int i = IndexIn(Text2, box); i >= 0) Text2_LostFocus(i);
    else if (const int k = IndexIn(Text4, box); k >= 0) Text4_LostFocus(k);
    else if (box == Text5) Text5_LostFocus();
}

// A main-window command (a radio write) uses the data while the focus may still be in a
// box that stores on leaving: the typed value is stored first, as if the focus left it. A
// box the focus has already left was stored then; its text may be older than the data.
void FrmOptFeatures::ValidateControls() {
    auto* box = qobject_cast<QLineEdit*>(focusWidget());
    if (box && box->hasFocus() && RunsLostFocusCheck(box)) LostFocusCheck(box);
}

void FrmOptFeatures::ShowTextBoxes(const DataFileRec& shown) {
    const OptFeatRec& o = shown.OptFeatures;
    Text2[0]->setText(ModOptFeat::TenthsText(o.MaxVolt));
    Text1[0]->setText(ModOptFeat::TenthsText(o.Rtix));
    Text1[1]->setText(ModOptFeat::TenthsText(o.Ttix));
    const auto chars = ModOptFeat::StartCharBoxes(o.StartChar);
    for (std::size_t i = 0; i < chars.size(); ++i) Text3[i]->setText(chars[i]);
    for (std::size_t i = 0; i < Text4.size(); ++i) Text4[i]->setText(QString::number(shown.RssiPoint[i + 1]));
    Text5->setText(ModOptFeat::TxOffsetText(shown.TxOffset));
}

// The trims store their text as the user changes it; shown from the record they store
// nothing, so opening the window changes no trim.
void FrmOptFeatures::Text1_Change(int index) {
    if (DataShown_ == 0) return;
    QLineEdit* box = Text1[static_cast<std::size_t>(index)];
    const auto checked = ModOptFeat::CheckTrim(box->text());
    if (checked.text != box->text()) {
        box->setText(checked.text);  // whose change stores it
        return;
    }
    OptFeatRec& o = Prog::RadioData.OptFeatures;
    (index == 0 ? o.Rtix : o.Ttix) = static_cast<int16>(checked.stored);
}

void FrmOptFeatures::Text2_LostFocus(int index) {
    QLineEdit* box = Text2[static_cast<std::size_t>(index)];
    if (index == 0) {
        const auto checked = ModOptFeat::CheckMaxVolt(box->text());
        box->setText(checked.text);
        Prog::RadioData.OptFeatures.MaxVolt = static_cast<int16>(checked.stored);
        return;
    }
    box->setText(ModOptFeat::CheckVoltLimit(box->text()));
    if (ModOptFeat::VoltLimitsReversed(Text2[1]->text(), Text2[2]->text())) {
        const QString low = Text2[2]->text();
        Text2[2]->setText(Text2[1]->text());
        Text2[1]->setText(low);
    }
}

// Stores on every change, also while the window shows the data: a stored zero character
// becomes a blank.
void FrmOptFeatures::Text3_Change(int index) {
    std::array<QString, 5> boxes;
    for (std::size_t i = 0; i < boxes.size(); ++i) boxes[i] = Text3[i]->text();
    Prog::RadioData.OptFeatures.StartChar.Set(ModOptFeat::StartCharOf(boxes));
    // The next key replaces the character (a box without the focus selects all on getting it).
    if (QLineEdit* box = Text3[static_cast<std::size_t>(index)]; box->hasFocus()) box->selectAll();
}

void FrmOptFeatures::Text4_LostFocus(int index) {
    auto& points = Prog::RadioData.RssiPoint;
    const int16 v = ModOptFeat::CheckStepValue(points, index, Text4[static_cast<std::size_t>(index)]->text());
    Text4[static_cast<std::size_t>(index)]->setText(QString::number(v));
    points[static_cast<std::size_t>(index + 1)] = v;
}

void FrmOptFeatures::Text5_LostFocus() {
    if (DataShown_ == 0) return;
    const auto checked = ModOptFeat::CheckTxOffset(Text5->text());
    Text5->setText(checked.text);
    Prog::RadioData.TxOffset = checked.stored;
}
