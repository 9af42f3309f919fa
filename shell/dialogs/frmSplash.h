#pragma once
// The splash window: the start picture of the current language for two seconds (or until
// it is clicked), then the main window. The program's start-up shows the main window
// directly; the splash is kept for an installation that wants it.
#include <QWidget>

#include <functional>

class QLabel;
class QTimer;

class frmSplash : public QWidget {
    Q_OBJECT
public:
    // showMainWindow is called once, when the splash ends.
    explicit frmSplash(std::function<void()> showMainWindow, QWidget* parent = nullptr);
    ~frmSplash() override;

    // Shows a splash window that deletes itself when it ends.
    static frmSplash* ShowSplash(std::function<void()> showMainWindow);

    // The picture for a language: StartE.jpg (English) or StartC.jpg (Chinese) in the
    // program's folder; empty for any other language.
    static QString PictureFile(int language);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Form_Load();
    void picLogo_Click();
    void Timer1_Timer();
    void Finish();

    QLabel* picLogo;
    QTimer* Timer1;
    std::function<void()> showMainWindow_;
    bool finished_ = false;
};
