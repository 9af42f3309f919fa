#pragma once
// What a user does with the windows, for the window tests: lists opened with the mouse and
// entries taken from them, keys typed, grid cells clicked. A step that cannot be done fails
// the running test the way a QVERIFY in it would and returns at once; callers with more steps
// of their own look at QTest::currentTestFailed() first.
#include <QPoint>
#include <QString>
#include <QStringList>
#include <Qt>

class QComboBox;
class QLineEdit;
class QTableWidget;
class QWidget;

namespace UserInput {

// The entries of list, in order.
QStringList Items(const QComboBox* list);

// Opens list with a click, moves to entry with the keyboard (End for the last entry, Home and
// Down for the others), takes it with Enter and waits for the list to close. The list must be
// shown, enabled and hold entry. When kept, the list must show entry afterwards (the window
// may put a refused choice back).
void Pick(QComboBox* list, const QString& entry, bool kept = true);

// Gives list the focus as Tab does and steps to entry with Up and Down, the list staying shut.
void ChooseByKeys(QComboBox* list, const QString& entry);

// Opens list with a click and clicks entry in it; the list must show it afterwards.
void ClickEntry(QComboBox* list, const QString& entry);

// Text and keys to whichever widget has the focus.
void Type(const QString& text);
void Key(Qt::Key key, Qt::KeyboardModifiers mods = {});

// Clicks into box, selects all of its text with Ctrl+A, deletes it and types text.
void Retype(QLineEdit* box, const QString& text);

// Grid cells, rows and columns counted from 1: scrolled into view, then clicked, or clicked
// and double-clicked.
QPoint CellCentre(QTableWidget* grid, int row, int col);
void ClickCell(QTableWidget* grid, int row, int col);
void DoubleClickCell(QTableWidget* grid, int row, int col);

// Turns the mouse wheel by notches (positive away from the user, that is up) with the pointer
// over the centre of over, delivered as the window system delivers it: to the widget under the
// pointer, handing the focus to one that takes it by wheel and passing the wheel on to the
// parents for as long as a widget ignores it.
void Wheel(QWidget* over, int notches);

}  // namespace UserInput
