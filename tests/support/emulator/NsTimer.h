#pragma once
// A one-shot timer with nanosecond resolution (Linux timerfd) for pacing bytes at line
// speed. A QTimer counts whole milliseconds: rounded up, every paced byte would go out up
// to a millisecond late, which at 9600 baud (1.04 ms a byte) is most of a byte time.
// Where no timerfd can be had it falls back to a millisecond QTimer.
#include <QObject>
#include <QTimer>

class QSocketNotifier;

class NsTimer : public QObject {
    Q_OBJECT
public:
    explicit NsTimer(QObject* parent = nullptr);
    ~NsTimer() override;

    // Fires timeout() once, ns nanoseconds from now (at least 1).
    void Start(qint64 ns);
    void Stop();

signals:
    void timeout();

private:
    void OnReadable();

    int fd_ = -1;
    QSocketNotifier* notifier_ = nullptr;
    QTimer fallback_;
};
