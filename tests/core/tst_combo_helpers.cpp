// Combo-box helpers on real Qt combo boxes.
#include "core/ProgramData.h"
#include "core/widgets/ComboHelpers.h"

#include <QComboBox>
#include <QSignalSpy>
#include <QtTest>

class TestComboHelpers : public QObject {
    Q_OBJECT
private:
    static void Fill(QComboBox& c, const QStringList& items) {
        c.clear();
        c.addItems(items);
    }

private slots:
    void init() { Prog::Reset(); }

    void findAndGetItems() {
        QComboBox c;
        QCOMPARE(ModPubFun::FindComboItem(&c, QStringLiteral("x")), QString());
        QCOMPARE(ModPubFun::GetComboItem(&c, 0), QString());
        Fill(c, {"Off", "1", "2"});
        QCOMPARE(ModPubFun::FindComboItem(&c, QStringLiteral("2")), QStringLiteral("2"));
        QCOMPARE(ModPubFun::FindComboItem(&c, QStringLiteral("7")), QStringLiteral("Off"));
        QCOMPARE(ModPubFun::FindComboItem(&c, QStringLiteral("off")), QStringLiteral("Off"));  // exact match only
        QCOMPARE(ModPubFun::GetComboItem(&c, 2), QStringLiteral("2"));
        QCOMPARE(ModPubFun::GetComboItem(&c, 3), QStringLiteral("Off"));
        QCOMPARE(ModPubFun::GetComboItem(&c, -1), QStringLiteral("Off"));
    }

    void setIndexAndValue() {
        QComboBox c;
        Fill(c, {"OFF", "1", "2", "3"});
        ModFun::SetComboIndex(&c, 1, 2);
        QCOMPARE(c.currentIndex(), 2);
        ModFun::SetComboIndex(&c, 0, 3);  // flag off shows the first item
        QCOMPARE(c.currentIndex(), 0);
        ModFun::SetComboIndex(&c, 1, 9);  // a stored value outside the list shows nothing
        QCOMPARE(c.currentIndex(), -1);
        QCOMPARE(c.count(), 4);
        ModFun::SetComboValue(&c, 1, 3);
        QCOMPARE(c.currentText(), QStringLiteral("3"));
        ModFun::SetComboValue(&c, 1, 8);  // not in the list: the first item
        QCOMPARE(c.currentIndex(), 0);
        ModFun::SetComboValue(&c, 0, 2);
        QCOMPARE(c.currentIndex(), 0);
    }

    void setTextSelectsOrClears() {
        QComboBox c;
        ModPubFun::SetComboText(&c, QStringLiteral("A"));  // empty list: nothing selected, no fault
        QCOMPARE(c.currentIndex(), -1);
        Fill(c, {"A", "B", "C"});
        ModPubFun::SetComboText(&c, QStringLiteral("C"));
        QCOMPARE(c.currentIndex(), 2);
        ModPubFun::SetComboTextByIndex(&c, 1);
        QCOMPARE(c.currentIndex(), 1);
        ModPubFun::SetComboTextByIndex(&c, 5);
        QCOMPARE(c.currentIndex(), 0);
        ModPubFun::SetComboText(&c, QStringLiteral("B"));
        ModPubFun::SetComboText(&c, QStringLiteral("c"));  // not listed (exact match only): the first item
        QCOMPARE(c.currentIndex(), 0);
        QComboBox blankFirst;
        Fill(blankFirst, {"", "B"});
        blankFirst.setCurrentIndex(1);
        ModPubFun::SetComboText(&blankFirst, QStringLiteral("X"));  // the first item is "": nothing selected
        QCOMPARE(blankFirst.currentIndex(), -1);
    }

    void codeNeverRaisesTheUserSignal() {
        QComboBox c;
        Fill(c, {"A", "B"});
        QSignalSpy activated(&c, &QComboBox::activated);
        ModFun::SetComboIndex(&c, 1, 1);
        ModPubFun::SetComboText(&c, QStringLiteral("A"));
        QCOMPARE(activated.count(), 0);
    }

    void modeListFollowsTheEnables() {
        QComboBox c;
        OptFeatRec& o = Prog::RadioData.OptFeatures;
        o.FmEnable = o.AmEnable = o.UsbEnable = o.LsbEnable = o.PaEnable = 1;
        o.CwEnable = 0;
        ModPubFun::FillModeCombo(&c, 0);
        QCOMPARE(c.count(), 5);
        QCOMPARE(c.itemText(4), QStringLiteral("PA"));
        ModPubFun::FillModeCombo(&c, 1);  // no PA
        QCOMPARE(c.count(), 4);
        o.AmEnable = 0;
        o.CwEnable = 1;
        ModPubFun::FillModeCombo(&c, 0);
        QStringList items;
        for (int i = 0; i < c.count(); ++i) items << c.itemText(i);
        QCOMPARE(items, QStringList({"FM", "USB", "LSB", "PA", "CW"}));
    }
};

QTEST_MAIN(TestComboHelpers)
#include "tst_combo_helpers.moc"
