#pragma once
// The language dialog: lists the languages the user may choose (English alone while
// Prog::EnglishOnly is 1), shows the current one, and on OK makes the chosen language
// current and records it as "CurrentLanguage" in the settings file. It re-captions no
// window: the main window applies a change when it is next activated (CurLanguage then
// differs from PreLanguage).
#include <QDialog>

class QComboBox;
class QLabel;
class QPushButton;

class FrmSetLanguage : public QDialog {
    Q_OBJECT
public:
    explicit FrmSetLanguage(QWidget* parent = nullptr);
    ~FrmSetLanguage() override;

    // Opens the dialog modally over parent and returns when it has closed. The main
    // window's "&Language Setup" command calls this.
    static void ShowModal(QWidget* parent);

protected:
    // Combo1_KeyPress: Enter in the list moves the focus on instead of closing the dialog.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Form_Load();
    void ChangShowByLanguage();
    void ShowCurrentLanguage();
    void ApplySelectedLanguage();
    void Command1_Click();
    void Command2_Click();

    QLabel* Label1;
    QComboBox* Combo1;
    QPushButton* Command1;
    QPushButton* Command2;
};
