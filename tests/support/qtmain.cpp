#include "schaal.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// Widget tests need one QApplication for the whole run; the platform is offscreen. The run gets a home folder of
// its own, so no test reads or changes the user's settings or writes into their documents.
int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    const QTemporaryDir thuis;
    qputenv("HOME", QFile::encodeName(thuis.path()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(thuis.path() + QStringLiteral("/.config")));
    qunsetenv("XDG_DOCUMENTS_DIR");
    QApplication app(argc, argv);
    ZetSchaalstijl(); // as the program does
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
