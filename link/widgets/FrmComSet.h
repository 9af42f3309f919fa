#pragma once
// The port settings dialog: the user picks the serial port of the radio link from the ports
// the system has. The list is kept current while the dialog is open; OK stores the chosen
// number in Prog::ComPort and as "comPort" in the settings file.
#include "core/Records.h"

#include <QDialog>
#include <QList>

class QComboBox;
class QLabel;
class QPushButton;
class QTimer;

class FrmComSet : public QDialog {
    Q_OBJECT
public:
    explicit FrmComSet(QWidget* parent = nullptr);
    ~FrmComSet() override;

    // Opens the dialog modally over parent and returns when it has closed. The main
    // window's port command calls this; it refreshes its own status bar afterwards.
    static void ShowModal(QWidget* parent);

    // The number of the entry shown, 0 when the list is empty.
    int16 SelectedPort() const { return selectedPort_; }

    // One refresh of the port list; ReShowComPortTimer runs it every second.
    void ReShowComPortTimer_Timer();

    // Closing in any way (OK, Cancel, Escape, the close box) stops the refresh.
    void done(int result) override;

private:
    void Form_Load();
    void ChangShowByLanguage();
    void Combo1_Click();
    void CommandOK_Click();
    void CommandCancel_Click();
    void SelectPortOrFirst(int16 port);
    void RefillPortList(const QList<int>& ports, int16 port);

    QLabel* Label1;
    QComboBox* Combo1;
    QPushButton* CommandOK;
    QPushButton* CommandCancel;
    QTimer* ReShowComPortTimer;
    int16 selectedPort_ = 0;
};
