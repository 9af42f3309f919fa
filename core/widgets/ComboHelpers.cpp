#include "core/widgets/ComboHelpers.h"

#include "core/ProgramData.h"

#include <QComboBox>

namespace ModFun {

void SetComboIndex(QComboBox* combo, int flag, int index) {
    if (!combo) return;
    const int i = flag != 0 ? index : 0;
    combo->setCurrentIndex(i >= 0 && i < combo->count() ? i : -1);
}

void SetComboValue(QComboBox* combo, int flag, int value) {
    if (!combo) return;
    if (flag != 0)
        ModPubFun::SetComboText(combo, ModPubFun::FindComboItem(combo, QString::number(value)));
    else
        SetComboIndex(combo, 1, 0);
}

}  // namespace ModFun

namespace ModPubFun {

void FillModeCombo(QComboBox* combo, int noPA) {
    if (!combo) return;
    const OptFeatRec& o = Prog::RadioData.OptFeatures;
    combo->clear();
    if (o.FmEnable > 0) combo->addItem(QStringLiteral("FM"));
    if (o.AmEnable > 0) combo->addItem(QStringLiteral("AM"));
    if (o.UsbEnable > 0) combo->addItem(QStringLiteral("USB"));
    if (o.LsbEnable > 0) combo->addItem(QStringLiteral("LSB"));
    if (noPA == 0 && o.PaEnable > 0) combo->addItem(QStringLiteral("PA"));
    if (o.CwEnable > 0) combo->addItem(QStringLiteral("CW"));
}

QString FindComboItem(const QComboBox* combo, const QString& text) {
    if (!combo || combo->count() == 0) return QString();
    const int i = combo->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    return combo->itemText(i >= 0 ? i : 0);
}

QString GetComboItem(const QComboBox* combo, int index) {
    if (!combo || combo->count() == 0) return QString();
    return combo->itemText(index >= 0 && index < combo->count() ? index : 0);
}

void SetComboText(QComboBox* combo, const QString& text) {
    if (!combo) return;
    const int found = combo->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    const int i = found >= 0 ? found : 0;  // the item FindComboItem gives
    combo->setCurrentIndex(combo->itemText(i).isEmpty() ? -1 : i);
}

void SetComboTextByIndex(QComboBox* combo, int index) { SetComboText(combo, GetComboItem(combo, index)); }

}  // namespace ModPubFun
