#pragma once
// The two about boxes, one per language: FrmAbout2 in English, frmAbout in Chinese. Each
// shows the application icon, title and version, the program's description and a notice,
// and closes with its OK button or its close box.
#include <QDialog>

class QLabel;
class QPushButton;
class QWidget;

namespace AboutBoxes {

// Help > About and the toolbar's About button: the English box when the current language
// is English, the Chinese box otherwise; modal over parent.
void ShowAboutBox(QWidget* parent);

}  // namespace AboutBoxes

// What the two boxes share: controls, layout, texts of one language.
class AboutBoxBase : public QDialog {
    Q_OBJECT
protected:
    // language 1 English, 2 Chinese; the design size is in twips.
    AboutBoxBase(int language, int widthTwips, int heightTwips, QWidget* parent);

    void Form_Load();
    void cmdOK_Click();

    const int language_;
    QLabel* picIcon;
    QLabel* lblTitle;
    QLabel* lblVersion;
    QLabel* lblDescription;
    QLabel* Label1;
    QLabel* lblDisclaimer;
    QWidget* Line1[2];
    QPushButton* cmdOK;
};

class FrmAbout2 : public AboutBoxBase {
    Q_OBJECT
public:
    explicit FrmAbout2(QWidget* parent = nullptr);
    static void ShowModal(QWidget* parent);
};

class frmAbout : public AboutBoxBase {
    Q_OBJECT
public:
    explicit frmAbout(QWidget* parent = nullptr);
    static void ShowModal(QWidget* parent);

    // Starts the system's information tool; tells the user when there is none or it cannot
    // be started.
    void StartSysInfo();

private:
    void cmdSysInfo_Click();

    QPushButton* cmdSysInfo;  // present but never shown
};
