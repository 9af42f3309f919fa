#include "tests/support/emulator/RadioEmulatorPty.h"

#include "tests/support/emulator/RadioEmulator.h"

#include <QSocketNotifier>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

RadioEmulatorPty::RadioEmulatorPty(RadioEmulator* radio, QObject* parent) : QObject(parent), radio_(radio) {}

RadioEmulatorPty::~RadioEmulatorPty() {
    Close();
}

bool RadioEmulatorPty::Open(QString* error) {
    Close();
    char name[256] = {};
    if (openpty(&master_, &slave_, name, nullptr, nullptr) != 0) {
        if (error) *error = QString::fromLocal8Bit(std::strerror(errno));
        master_ = slave_ = -1;
        return false;
    }
    termios raw {};
    tcgetattr(slave_, &raw);
    cfmakeraw(&raw);
    cfsetispeed(&raw, B9600);
    cfsetospeed(&raw, B9600);
    tcsetattr(slave_, TCSANOW, &raw);
    fcntl(master_, F_SETFL, fcntl(master_, F_GETFL) | O_NONBLOCK);
    slavePath_ = QString::fromLocal8Bit(name);
    notifier_ = new QSocketNotifier(master_, QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &RadioEmulatorPty::OnReadable);
    radio_->SetWriter([this](const QByteArray& data) { Write(data); });
    return true;
}

void RadioEmulatorPty::Close() {
    if (master_ < 0) return;
    radio_->SetWriter(nullptr);
    delete notifier_;
    notifier_ = nullptr;
    ::close(master_);
    ::close(slave_);
    master_ = slave_ = -1;
}

void RadioEmulatorPty::OnReadable() {
    char buffer[4096];
    const ssize_t n = ::read(master_, buffer, sizeof buffer);
    if (n > 0) {
        radio_->Receive(QByteArray(buffer, static_cast<int>(n)));
    } else if (n == 0 || (errno != EAGAIN && errno != EINTR)) {
        notifier_->setEnabled(false);  // no busy loop on a broken line
    }
}

void RadioEmulatorPty::Write(const QByteArray& data) {
    qsizetype done = 0;
    while (done < data.size()) {
        const ssize_t n = ::write(master_, data.constData() + done, static_cast<size_t>(data.size() - done));
        if (n > 0) done += n;
        else if (n < 0 && errno == EINTR) continue;
        else break;  // the program is not reading: the rest is lost, as on a real line
    }
}
