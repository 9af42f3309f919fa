// Design places in twips and the placing of labels, on real Qt labels.
#include "core/widgets/DesignLayout.h"

#include <QLabel>
#include <QWidget>
#include <QtTest>

using namespace DesignLayout;

class TestDesignLayout : public QObject {
    Q_OBJECT

private slots:
    void twipsToPixels() {
        QCOMPARE(Px(14), 0);  // design places are cut
        QCOMPARE(Px(15), 1);
        QCOMPARE(Px(3255), 217);
        QCOMPARE(TwRect(120, 480, 3255, 345), QRect(8, 32, 217, 23));
        QCOMPARE(ToPixels(22.5), 2);  // stored placements: nearest, halves to even
        QCOMPARE(ToPixels(37.5), 2);
        QCOMPARE(ToPixels(52.5), 4);
        QCOMPARE(ToPixels(7.0), 0);
        QCOMPARE(ToPixels(-22.5), -2);
        QCOMPARE(FromPixels(3), 45.0);
    }

    void labelBeforeItsControl() {
        QWidget parent;
        QWidget control(&parent), other(&parent);
        control.setGeometry(200, 40, 100, 23);
        other.setGeometry(200, 80, 100, 23);
        QLabel* label = MakeLabel(&parent, QStringLiteral("Label1"), 360, 450, QStringLiteral("Mode"));
        QCOMPARE(label->objectName(), QStringLiteral("Label1"));
        QCOMPARE(label->pos(), QPoint(24, 30));
        const QSize text = label->sizeHint();
        QVERIFY(text.height() <= 23);

        AlignLabelBefore(label, &control);
        QCOMPARE(label->geometry(), QRect(200 - 6 - text.width(), 40, text.width(), 23));  // 100 twips: 6 pixels
        QVERIFY(label->alignment().testFlag(Qt::AlignRight));

        AlignLabelBefore(label, &control, {.row = &other});  // level with another widget
        QCOMPARE(label->geometry(), QRect(200 - 6 - text.width(), 80, text.width(), 23));

        AlignLabelBefore(label, &control, {.gap = 1, .minWidth = text.width() + 30});
        QCOMPARE(label->geometry(), QRect(200 - 1 - text.width() - 30, 40, text.width() + 30, 23));

        // A control with no room before it: the label runs off the left edge unless kept inside.
        control.move(10, 40);
        AlignLabelBefore(label, &control);
        QCOMPARE(label->x(), 10 - 6 - text.width());
        AlignLabelBefore(label, &control, {.keepInside = true});
        QCOMPARE(label->x(), 0);

        // A control lower than the text: the label keeps its text's height, centred on it.
        control.setGeometry(200, 40, 100, 4);
        AlignLabelBefore(label, &control);
        QCOMPARE(label->height(), text.height());
        QCOMPARE(label->y(), 40 - (text.height() - 4) / 2);
    }

    void labelGrownToItsText() {
        QWidget parent;
        QLabel label(&parent);
        const QRect design = TwRect(1200, 405, 360, 225);  // (80, 27) 24 x 15
        label.setText(QStringLiteral("X"));
        const int lineHeight = std::max(15, label.sizeHint().height());
        QVERIFY(label.sizeHint().width() <= 24);
        GrowLabel(&label, design, 114);
        QCOMPARE(label.geometry(), QRect(80, 27 - (lineHeight - 15) / 2, 24, lineHeight));

        // Wider than its design: to the right while it ends before the limit, then to the left.
        label.setText(QStringLiteral("Language mode"));
        const int w = label.sizeHint().width();
        QVERIFY(w > 24 && w < 114);
        GrowLabel(&label, design, 80 + w + 5);
        QCOMPARE(label.x(), 80);
        GrowLabel(&label, design, 114);
        QCOMPARE(label.x(), std::min(80, 114 - w));
        QCOMPARE(label.width(), w);
        GrowLabel(&label, design, w - 10);  // never past the left edge
        QCOMPARE(label.x(), 0);

        // Room for a wider text than the one shown.
        label.setText(QStringLiteral("0%"));
        GrowLabel(&label, design, INT_MAX, QStringLiteral("100%"));
        QCOMPARE(label.x(), 80);
        QCOMPARE(label.width(), std::max(24, label.fontMetrics().horizontalAdvance(QStringLiteral("100%")) + 2));
    }
};

QTEST_MAIN(TestDesignLayout)
#include "tst_design_layout.moc"
