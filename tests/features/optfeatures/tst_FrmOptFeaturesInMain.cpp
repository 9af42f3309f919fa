// The optional-features editor inside the program's real main window: opened from the Edit
// menu, the public setting closes and reopens the channel editor through the main window's
// services, and new roger-beep sets reach its list.
#include "ScriptedMessageBoxes.h"
#include "ShellTestEnv.h"
#include "channels/ChannelForms.h"
#include "channels/ModRBTone.h"
#include "features/optfeatures/FrmOptFeatures.h"
#include "features/optfeatures/OptFeatureForms.h"

#include <QAbstractItemView>
#include <QComboBox>

class TestOptFeaturesInMain : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        RegisterChannelForms();
        RegisterOptFeatureForms();
    }

    void publicSettingReopensTheChannelEditorAndRogerListFollows() {
        ScriptedMessageBoxes boxes;
        ShellTestEnv env;
        frmMain* main = env.Start();
        QVERIFY(main);
        QPointer<ChildForm> editor = main->FindChildForm(QStringLiteral("frmCommChInfo"));
        QVERIFY(editor);  // the new document shows it

        main->MenuEntry(QStringLiteral("mnuOptFeature"))->trigger();
        auto* form = static_cast<FrmOptFeatures*>(main->FindChildForm(QStringLiteral("FrmOptFeatures")));
        QVERIFY(form);

        // "HAM Public" to the other entry, chosen from the opened list.
        Prog::RadioData.HamPublic = 0;
        auto* list = form->findChild<QComboBox*>(QStringLiteral("Combo1_60"));
        QTest::mouseClick(list, Qt::LeftButton);
        QTRY_VERIFY(list->view()->isVisible());
        QTest::keyClick(list->view(), Qt::Key_End);
        QTest::keyClick(list->view(), Qt::Key_Return);
        QCOMPARE(Prog::RadioData.HamPublic, byte8(1));
        QTRY_VERIFY(editor.isNull());  // closed, and a new one opened in its place
        QVERIFY(main->FindChildForm(QStringLiteral("frmCommChInfo")));
        QCOMPARE(main->FindChildForm(QStringLiteral("FrmOptFeatures")), form);

        // Roger-beep sets changed elsewhere: the public list offers the valid ones.
        for (int n = 2; n <= kRBSetCount; ++n) Prog::RadioData.ToneTips[static_cast<std::size_t>(n)].RepeatTimes = 0;
        ModRBTone::RefreshRBUse();
        QCOMPARE(form->findChild<QComboBox*>(QStringLiteral("Combo2_5"))->count(), 2);  // "OFF" and 1
        QCOMPARE(boxes.unscriptedCount(), 0);
    }
};

QTEST_MAIN(TestOptFeaturesInMain)
#include "tst_FrmOptFeaturesInMain.moc"
