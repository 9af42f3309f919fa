#include "UserInput.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTableWidget>
#include <QWheelEvent>
#include <QtTest/qtestspontaneevent.h>
#include <QtTest>

namespace UserInput {

QStringList Items(const QComboBox* list) {
    QStringList out;
    for (int i = 0; i < list->count(); ++i) out << list->itemText(i);
    return out;
}

void Pick(QComboBox* list, const QString& entry, bool kept) {
    QVERIFY(list);
    QVERIFY2(list->isVisible() && list->isEnabled(), qPrintable(list->objectName() + QLatin1Char(' ') + entry));
    const int want = list->findText(entry, Qt::MatchExactly);
    QVERIFY2(want >= 0, qPrintable(list->objectName() + QStringLiteral(" has no ") + entry));
    QTest::mouseClick(list, Qt::LeftButton);
    QAbstractItemView* view = list->view();
    QTRY_VERIFY(view->isVisible());
    if (want == list->count() - 1) {
        QTest::keyClick(view, Qt::Key_End);
    } else {
        QTest::keyClick(view, Qt::Key_Home);
        for (int i = 0; i < want; ++i) QTest::keyClick(view, Qt::Key_Down);
    }
    QTest::keyClick(view, Qt::Key_Return);
    QTRY_VERIFY(!view->isVisible());
    if (kept) QCOMPARE(list->currentIndex(), want);
}

void ChooseByKeys(QComboBox* list, const QString& entry) {
    QVERIFY(list);
    list->setFocus(Qt::TabFocusReason);
    const int want = list->findText(entry);
    QVERIFY2(want >= 0, qPrintable(list->objectName() + QStringLiteral(" has no ") + entry));
    // At most one step per entry: a list that does not move fails instead of hanging.
    for (int steps = list->count(); list->currentIndex() != want && steps > 0; --steps)
        QTest::keyClick(list, want > list->currentIndex() ? Qt::Key_Down : Qt::Key_Up);
    QCOMPARE(list->currentIndex(), want);
}

void ClickEntry(QComboBox* list, const QString& entry) {
    QVERIFY(list);
    const int want = list->findText(entry);
    QVERIFY2(want >= 0, qPrintable(list->objectName() + QStringLiteral(" has no ") + entry));
    QTest::mouseClick(list, Qt::LeftButton);
    QAbstractItemView* view = list->view();
    QTRY_VERIFY(view->isVisible());
    QTest::qWait(QApplication::doubleClickInterval() + 50);  // the list ignores a release this early
    const QPoint at(view->viewport()->width() / 2, view->visualRect(view->model()->index(want, 0)).center().y());
    QTest::mouseMove(view->viewport(), at);  // the pointer marks the entry
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
    QTRY_VERIFY(!view->isVisible());
    QCOMPARE(list->currentIndex(), want);
}

void Type(const QString& text) { QTest::keyClicks(QApplication::focusWidget(), text); }

void Key(Qt::Key key, Qt::KeyboardModifiers mods) { QTest::keyClick(QApplication::focusWidget(), key, mods); }

void Retype(QLineEdit* box, const QString& text) {
    QTest::mouseClick(box, Qt::LeftButton);
    QTRY_VERIFY(box->hasFocus());
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClicks(box, text);
}

QPoint CellCentre(QTableWidget* grid, int row, int col) {
    const QModelIndex index = grid->model()->index(row - 1, col - 1);
    grid->scrollTo(index);
    return grid->visualRect(index).center();
}

void ClickCell(QTableWidget* grid, int row, int col) {
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, CellCentre(grid, row, col));
}

void DoubleClickCell(QTableWidget* grid, int row, int col) {
    const QPoint at = CellCentre(grid, row, col);
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, at);
}

void Wheel(QWidget* over, int notches) {
    QVERIFY(over && over->isVisible());
    QWidget* window = over->window();
    const QPoint inWindow = over->mapTo(window, over->rect().center());
    QWidget* under = window->childAt(inWindow);
    if (!under) under = window;
    const QPointF at = under->mapFrom(window, inWindow);
    QWheelEvent wheel(at, under->mapToGlobal(at), QPoint(), QPoint(0, 120 * notches), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    // Only a wheel that comes from the window system takes the focus and travels to the parents.
    QSpontaneKeyEvent::setSpontaneous(&wheel);
    QApplication::instance()->notify(under, &wheel);
}

}  // namespace UserInput
