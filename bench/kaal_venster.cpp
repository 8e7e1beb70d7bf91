#include "meetpunt.h"

#include <QApplication>
#include <QMainWindow>
#include <QMdiArea>
#include <QTimer>

// The yardstick for the start-up of tallora: an empty main window with a work area, built, measured and quit the
// same way (TALLORA_MEETPUNT, TALLORA_QUIT_AFTER_SHOW).
int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QMainWindow venster;
    venster.setCentralWidget(new QMdiArea(&venster));
    venster.resize(601, 470);
    ZetMeetpunt(venster, [&venster] { return &venster; });
    venster.show();
    if (qEnvironmentVariableIsSet("TALLORA_QUIT_AFTER_SHOW"))
        QTimer::singleShot(0, &app, &QCoreApplication::quit);
    return QApplication::exec();
}
