// The editors' grid set-up on a real QTableWidget: what the user can and cannot do with the
// cells and headers, and the row-label column with its corner caption.
#include "core/widgets/DesignGrid.h"

#include <QApplication>
#include <QHeaderView>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTableWidget>
#include <QtTest>

class TestDesignGrid : public QObject {
    Q_OBJECT

private slots:
    // Double-clicks and keys open no editor of the grid's own and change no cell; clicks
    // select one cell at a time, never a row or a second cell.
    void cellsAreLeftToTheWindowsEditors() {
        QTableWidget grid(3, 2);
        for (int row = 0; row < 3; ++row)
            for (int col = 0; col < 2; ++col) grid.setItem(row, col, new QTableWidgetItem(QStringLiteral("x")));
        QLabel* corner = DesignGrid::SetUp(&grid);
        QCOMPARE(corner->parent(), &grid);
        QCOMPARE(corner->objectName(), QStringLiteral("GridCorner"));
        QVERIFY(corner->testAttribute(Qt::WA_TransparentForMouseEvents));
        QVERIFY(!grid.isCornerButtonEnabled());
        grid.resize(300, 200);
        grid.show();
        QVERIFY(QTest::qWaitForWindowExposed(&grid));

        const auto at = [&](int row, int col) { return grid.visualItemRect(grid.item(row, col)).center(); };
        const auto noEditor = [&] { return grid.viewport()->findChildren<QLineEdit*>().isEmpty(); };
        QTest::mouseDClick(grid.viewport(), Qt::LeftButton, {}, at(1, 1));
        QVERIFY(noEditor());
        QTest::keyClick(&grid, Qt::Key_F2);
        QTest::keyClicks(&grid, QStringLiteral("7a"));
        QTest::keyClick(&grid, Qt::Key_Delete);
        QVERIFY(noEditor());
        for (int row = 0; row < 3; ++row)
            for (int col = 0; col < 2; ++col) QCOMPARE(grid.item(row, col)->text(), QStringLiteral("x"));

        QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, at(0, 0));
        QCOMPARE(grid.selectedItems(), QList<QTableWidgetItem*>{grid.item(0, 0)});
        QTest::mouseClick(grid.viewport(), Qt::LeftButton, Qt::ControlModifier, at(2, 1));
        QCOMPARE(grid.selectedItems(), QList<QTableWidgetItem*>{grid.item(2, 1)});
        QTest::mouseClick(grid.viewport(), Qt::LeftButton, Qt::ShiftModifier, at(0, 1));
        QCOMPARE(grid.selectedItems(), QList<QTableWidgetItem*>{grid.item(0, 1)});
    }

    // Typed text, text from an input method and Tab leave the current cell where it is (no
    // search for a cell that starts with the text); the arrow keys move it. A fresh grid each,
    // as the search joins texts typed in quick succession.
    void typingMovesNoCurrentCell() {
        for (int way = 0; way < 3; ++way) {
            QTableWidget grid(3, 2);
            for (int row = 0; row < 3; ++row)
                for (int col = 0; col < 2; ++col) grid.setItem(row, col, new QTableWidgetItem(QStringLiteral("x")));
            DesignGrid::SetUp(&grid);
            grid.show();
            QVERIFY(QTest::qWaitForWindowExposed(&grid));
            grid.setCurrentCell(0, 1);
            if (way == 0) QTest::keyClicks(&grid, QStringLiteral("x X"));
            if (way == 1) {
                QInputMethodEvent composed;
                composed.setCommitString(QStringLiteral("x"));
                QApplication::sendEvent(&grid, &composed);
            }
            if (way == 2) QTest::keyClick(&grid, Qt::Key_Tab);
            QCOMPARE(grid.currentItem(), grid.item(0, 1));
            QTest::keyClick(&grid, Qt::Key_Down);
            QCOMPARE(grid.currentItem(), grid.item(1, 1));
        }
    }

    // A vertical scroll bar even when every row fits, and none across however wide the
    // columns are.
    void scrollBars() {
        QTableWidget grid(3, 2);
        DesignGrid::SetUp(&grid);
        grid.setColumnWidth(0, 500);
        grid.setColumnWidth(1, 500);
        grid.resize(300, 400);
        grid.show();
        QVERIFY(QTest::qWaitForWindowExposed(&grid));
        QVERIFY(grid.verticalScrollBar()->isVisible());
        QVERIFY(!grid.horizontalScrollBar()->isVisible());
    }

    void headers_data() {
        QTest::addColumn<bool>("clickable");
        QTest::newRow("clickable") << true;
        QTest::newRow("captions only") << false;
    }
    void headers() {
        QFETCH(bool, clickable);
        QTableWidget grid(3, 2);
        DesignGrid::SetUpHeaders(&grid, 34, 18, clickable);
        grid.resize(300, 200);
        grid.show();
        QVERIFY(QTest::qWaitForWindowExposed(&grid));
        for (QHeaderView* header : {grid.horizontalHeader(), grid.verticalHeader()}) {
            QSignalSpy clicked(header, &QHeaderView::sectionClicked);
            const int middle = header->sectionViewportPosition(1) + header->sectionSize(1) / 2;
            const QPoint onSection1 = header->orientation() == Qt::Horizontal ? QPoint(middle, header->height() / 2)
                                                                              : QPoint(header->width() / 2, middle);
            QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, onSection1);
            QCOMPARE(clicked.count(), clickable ? 1 : 0);
            QVERIFY(!header->highlightSections());
            QCOMPARE(header->sectionResizeMode(0), QHeaderView::Fixed);
        }
        QCOMPARE(grid.horizontalHeader()->height(), 34);
        QCOMPARE(grid.rowHeight(2), 18);
    }

    void labelColumnFitsItsCaption() {
        QTableWidget grid(3, 2);
        QLabel* corner = DesignGrid::SetUp(&grid);
        QCOMPARE(DesignGrid::LabelColumnWidth(corner, QStringLiteral("."), 33), 33);
        const QString wide(40, QLatin1Char('W'));
        QCOMPARE(DesignGrid::LabelColumnWidth(corner, wide, 33), corner->fontMetrics().horizontalAdvance(wide) + 8);

        DesignGrid::SetLabelColumn(&grid, corner, 50, 34);
        QCOMPARE(grid.verticalHeader()->width(), 50);
        QCOMPARE(corner->geometry(), QRect(grid.frameWidth(), grid.frameWidth(), 50, 34));
    }

    void cellEditorHasNoFrameOfItsOwn() {
        QLineEdit box;
        DesignGrid::StyleCellEditor(&box);
        QVERIFY(!box.hasFrame());
        QCOMPARE(box.alignment(), Qt::AlignCenter);
    }
};

QTEST_MAIN(TestDesignGrid)
#include "tst_design_grid.moc"
