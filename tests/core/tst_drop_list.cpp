// The program's drop-down list under the mouse wheel, delivered as the window system does.
#include "UserInput.h"
#include "core/widgets/DropList.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <QtTest>

namespace {

// A frame that counts the wheels that reach it, as a scrolling parent would take them.
class WheelCounter : public QWidget {
public:
    int wheels = 0;

protected:
    void wheelEvent(QWheelEvent* event) override {
        ++wheels;
        event->accept();
    }
};

}  // namespace

class TestDropList : public QObject {
    Q_OBJECT
private slots:
    void wheelChangesOnlyAFocusedList() {
        WheelCounter window;
        auto* other = new QLineEdit(&window);
        auto* list = new DropList(&window);
        list->addItems({QStringLiteral("FM"), QStringLiteral("AM"), QStringLiteral("USB")});
        list->setCurrentIndex(0);
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(other);
        layout->addWidget(list);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        other->setFocus();
        QTRY_VERIFY(other->hasFocus());
        QSignalSpy activated(list, &QComboBox::activated);

        UserInput::Wheel(list, -1);  // towards the user: the next item, were it taken
        QCOMPARE(list->currentIndex(), 0);
        QCOMPARE(activated.count(), 0);
        QVERIFY(other->hasFocus());
        QCOMPARE(window.wheels, 1);

        list->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(list->hasFocus());
        UserInput::Wheel(list, -1);
        QCOMPARE(list->currentIndex(), 1);
        QCOMPARE(activated.count(), 1);
        QCOMPARE(activated.at(0).at(0).toInt(), 1);
        QCOMPARE(window.wheels, 1);
    }
};

QTEST_MAIN(TestDropList)
#include "tst_drop_list.moc"
