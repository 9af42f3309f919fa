// The main of every GoogleTest program: puts the test environment in place (offscreen Qt,
// private runtime folder, a home folder of the build) before any test or Qt reads it, then
// runs the tests. Values already set by the caller win.
#include <gtest/gtest.h>

#include <QByteArray>
#include <QList>
#include <cstdlib>

int main(int argc, char** argv) {
    const QList<QByteArray> entries = QByteArray(ZR_TEST_ENV).split('|');
    for (const QByteArray& entry : entries) {
        const auto eq = entry.indexOf('=');
        if (eq > 0 && qgetenv(entry.left(eq).constData()).isEmpty()) qputenv(entry.left(eq).constData(), entry.mid(eq + 1));
    }
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
