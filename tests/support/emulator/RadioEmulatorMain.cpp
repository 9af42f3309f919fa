// zr_radio_emulator: a radio on a pseudo-terminal for running the program (or a test)
// against. Prints the device path on one line, then serves until SIGINT, SIGTERM or the
// end of its standard input (--no-stdin when started in the background of a script,
// whose standard input is often /dev/null).
//
//   build/bin/zr_radio_emulator --dump written.bin      prints e.g. /dev/pts/4
//   ZR7310N_COM1=/dev/pts/4 build/root/V200/ZRW7310N_II  the program's COM1 is that radio
#include "tests/support/emulator/RadioEmulator.h"
#include "tests/support/emulator/RadioEmulatorPty.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QSocketNotifier>

#include <csignal>
#include <cstdio>
#include <unistd.h>

namespace {

int g_signalPipe[2] = {-1, -1};

void OnSignal(int) {
    const char byte = 1;
    [[maybe_unused]] const ssize_t n = ::write(g_signalPipe[1], &byte, 1);
}

void QuitOnSignals(QCoreApplication& app) {
    if (::pipe(g_signalPipe) != 0) return;
    auto* notifier = new QSocketNotifier(g_signalPipe[0], QSocketNotifier::Read, &app);
    QObject::connect(notifier, &QSocketNotifier::activated, &app, &QCoreApplication::quit);
    struct sigaction action {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
}

void QuitOnStdinEnd(QCoreApplication& app) {
    auto* notifier = new QSocketNotifier(STDIN_FILENO, QSocketNotifier::Read, &app);
    QObject::connect(notifier, &QSocketNotifier::activated, &app, [&app, notifier] {
        char buffer[256];
        const ssize_t n = ::read(STDIN_FILENO, buffer, sizeof buffer);
        if (n <= 0) {
            notifier->setEnabled(false);
            app.quit();
        }
    });
}

QSet<int> Numbers(const QCommandLineParser& parser, const QString& option) {
    QSet<int> numbers;
    for (const QString& value : parser.values(option)) numbers.insert(value.toInt());
    return numbers;
}

void AddOptions(QCommandLineParser& parser) {
    parser.setApplicationDescription(QStringLiteral("Radio emulator on a pseudo-terminal; prints the device path."));
    parser.addHelpOption();
    parser.addOptions({
        {QStringLiteral("image"), QStringLiteral("Memory image to serve (0x6600 bytes)."), QStringLiteral("file")},
        {QStringLiteral("dump"), QStringLiteral("Write the memory image to file on exit."), QStringLiteral("file")},
        {QStringLiteral("pace"), QStringLiteral("Send replies at 9600 baud byte timing.")},
        {QStringLiteral("model"), QStringLiteral("Model in the identity reply (default ZR73103)."), QStringLiteral("text")},
        {QStringLiteral("firmware"), QStringLiteral("Firmware version in the identity reply (default V200)."), QStringLiteral("text")},
        {QStringLiteral("drop-reply"), QStringLiteral("Do not send reply n (repeatable)."), QStringLiteral("n")},
        {QStringLiteral("bad-checksum"), QStringLiteral("Wrong checksum in block reply n (repeatable)."), QStringLiteral("n")},
        {QStringLiteral("split-reply"), QStringLiteral("Send reply n in two writes (repeatable)."), QStringLiteral("n")},
        {QStringLiteral("split-gap"), QStringLiteral("Milliseconds between the halves (default 20)."), QStringLiteral("ms")},
        {QStringLiteral("extra-byte"), QStringLiteral("Append a byte to reply n (repeatable)."), QStringLiteral("n")},
        {QStringLiteral("silent-from-block"), QStringLiteral("Answer nothing from block frame n on."), QStringLiteral("n")},
        {QStringLiteral("no-end-ack"), QStringLiteral("Never acknowledge END.")},
        {QStringLiteral("no-stdin"), QStringLiteral("Do not stop at the end of standard input.")},
    });
}

RadioEmulatorFaults Faults(const QCommandLineParser& parser) {
    RadioEmulatorFaults faults;
    faults.dropReplies = Numbers(parser, QStringLiteral("drop-reply"));
    faults.badChecksumReplies = Numbers(parser, QStringLiteral("bad-checksum"));
    faults.splitReplies = Numbers(parser, QStringLiteral("split-reply"));
    faults.extraByteReplies = Numbers(parser, QStringLiteral("extra-byte"));
    if (parser.isSet(QStringLiteral("split-gap"))) faults.splitGapMs = parser.value(QStringLiteral("split-gap")).toInt();
    faults.silentFromBlock = parser.value(QStringLiteral("silent-from-block")).toInt();
    faults.noEndAck = parser.isSet(QStringLiteral("no-end-ack"));
    return faults;
}

bool Configure(RadioEmulator& radio, const QCommandLineParser& parser) {
    QString error;
    if (parser.isSet(QStringLiteral("image")) && !radio.LoadImageFile(parser.value(QStringLiteral("image")), &error)) {
        std::fprintf(stderr, "zr_radio_emulator: %s\n", qPrintable(error));
        return false;
    }
    if (parser.isSet(QStringLiteral("model"))) radio.SetModel(parser.value(QStringLiteral("model")).toLatin1());
    if (parser.isSet(QStringLiteral("firmware")))
        radio.SetFirmwareVersion(parser.value(QStringLiteral("firmware")).toLatin1());
    radio.SetPacing(parser.isSet(QStringLiteral("pace")));
    radio.SetFaults(Faults(parser));
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    AddOptions(parser);
    parser.process(app);

    RadioEmulator radio;
    if (!Configure(radio, parser)) return 2;
    RadioEmulatorPty pty(&radio);
    QString error;
    if (!pty.Open(&error)) {
        std::fprintf(stderr, "zr_radio_emulator: cannot open a pseudo-terminal: %s\n", qPrintable(error));
        return 1;
    }
    std::printf("%s\n", qPrintable(pty.SlavePath()));
    std::fflush(stdout);

    QuitOnSignals(app);
    if (!parser.isSet(QStringLiteral("no-stdin"))) QuitOnStdinEnd(app);
    app.exec();

    pty.Close();
    if (parser.isSet(QStringLiteral("dump")) && !radio.SaveImageFile(parser.value(QStringLiteral("dump")), &error)) {
        std::fprintf(stderr, "zr_radio_emulator: %s\n", qPrintable(error));
        return 1;
    }
    return 0;
}
