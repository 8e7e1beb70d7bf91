#include <QApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// Widget tests need one QApplication for the whole run; the platform is offscreen. The user's settings of the
// run go to a folder of its own, so no test reads or changes the real ones.
int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    const QTemporaryDir instellingen;
    qputenv("XDG_CONFIG_HOME", instellingen.path().toLocal8Bit());
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
