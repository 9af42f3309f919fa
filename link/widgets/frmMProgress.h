#pragma once
// The progress window of a group write: the radios written so far above the percentage of
// the radio being written. Loading it starts the transfer; closing it with its close box
// ends the transfer as failed (port closed, no completion message). The end of the
// transfer unloads it.
#include <QDialog>

class QLabel;
class QProgressBar;

class frmMProgress final : public QDialog {
    Q_OBJECT
public:
    ~frmMProgress() override;

    // Loads the window (the group write starts), shows it modally and returns once it has
    // been unloaded.
    static void ShowModal(QWidget* parent);
    // The loaded window, or nullptr.
    static frmMProgress* Loaded();

    // Percentage bar and label of the radio being written.
    void ShowPercent(int percent);
    // Radios written: bar and number.
    void ShowRadio(int radiosDone);
    // Closes the window (the transfer has ended) and ends its modal loop.
    void Unload();

protected:
    void reject() override;  // Escape does nothing
    void closeEvent(QCloseEvent* event) override;

private:
    explicit frmMProgress(QWidget* parent);
    void Form_Load();
    void Form_Unload();
    void ChangShowByLanguage();
    void justSize();

    QProgressBar* ProgressBar2;  // radios written
    QLabel* Label4;              // radio-number label (empty)
    QLabel* Label3;              // radio number
    QProgressBar* ProgressBar1;  // percentage
    QLabel* Label1;              // "Completion percentage:"
    QLabel* Label2;              // the percentage
    bool unloaded_ = false;
};
