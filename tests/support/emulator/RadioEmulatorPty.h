#pragma once
// Serves a RadioEmulator on a pseudo-terminal: the slave device (SlavePath()) is what the
// program opens as its serial port, the emulator sits on the master side. The line is in
// raw mode; every byte value passes unchanged.
//
// Close() hangs the line up, as when the cable is pulled: the program's open port then
// reports the loss.
#include <QObject>
#include <QString>

class QSocketNotifier;
class RadioEmulator;

class RadioEmulatorPty : public QObject {
    Q_OBJECT
public:
    explicit RadioEmulatorPty(RadioEmulator* radio, QObject* parent = nullptr);
    ~RadioEmulatorPty() override;

    bool Open(QString* error);
    void Close();
    bool IsOpen() const { return master_ >= 0; }
    QString SlavePath() const { return slavePath_; }

private:
    void OnReadable();
    void Write(const QByteArray& data);

    RadioEmulator* radio_;
    int master_ = -1;
    // Kept open so that the master does not see a hang-up while the program has the
    // slave closed (between transfers).
    int slave_ = -1;
    QString slavePath_;
    QSocketNotifier* notifier_ = nullptr;
};
