// The editors' grid set-up on a real QTableWidget: what the user can and cannot do with the
// cells and headers, and the row-label column with its corner caption.
#include "core/widgets/DesignGrid.h"

#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QtTest>

class TestDesignGrid : public QObject {
    Q_OBJECT

private slots:
    void cellsAreLeftToTheWindowsEditors() {
        QTableWidget grid(3, 2);
        QLabel* corner = DesignGrid::SetUp(&grid);
        QCOMPARE(corner->parent(), &grid);
        QCOMPARE(corner->objectName(), QStringLiteral("GridCorner"));
        QVERIFY(corner->testAttribute(Qt::WA_TransparentForMouseEvents));
        QCOMPARE(grid.editTriggers(), QAbstractItemView::NoEditTriggers);
        QCOMPARE(grid.selectionMode(), QAbstractItemView::SingleSelection);
        QVERIFY(!grid.isCornerButtonEnabled());
        QCOMPARE(grid.verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QCOMPARE(grid.horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
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
        for (QHeaderView* header : {grid.horizontalHeader(), grid.verticalHeader()}) {
            QCOMPARE(header->sectionsClickable(), clickable);
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
