#pragma once
// The progress window of a single read or write. Loading it starts the transfer, which
// then runs inside the window's modal loop; the end of the transfer (ModComm::EndComm)
// unloads it. It has no close button, and neither Escape nor a close request from the
// system can take it away while the transfer runs.
//
//   FrmProgress::ShowModal(mainWindow);   // returns when the transfer has ended
#include "core/Records.h"

#include <QDialog>

class QLabel;
class QProgressBar;

class FrmProgress final : public QDialog {
    Q_OBJECT
public:
    ~FrmProgress() override;

    // Loads the window for Prog::CommType (a read or a write starts at once), shows it
    // modally and returns once it has been unloaded. Returns at once when the load already
    // ended the transfer.
    static void ShowModal(QWidget* parent);
    // The loaded window, or nullptr.
    static FrmProgress* Loaded();

    // Percentage bar := value (0..100; anything else is refused with a box).
    void SetProgressValue(int32 value);
    // The running transfer's percentage: the bar and the label "<value>%".
    void ShowPercent(int percent);
    // Closes the window and ends its modal loop.
    void Unload();

protected:
    void reject() override;  // Escape does nothing
    void closeEvent(QCloseEvent* event) override;

private:
    explicit FrmProgress(QWidget* parent);
    void Form_Load();
    void ChangShowByLanguage();
    void justSize();

    QProgressBar* ProgressBar1;
    QLabel* Label1;  // "Completion percentage:"
    QLabel* Label2;  // the percentage
    bool unloaded_ = false;
};
