#include "dialogen.h"
#include "lettertypen.h"
#include "meetpunt.h"
#include "opstart.h"
#include "qtdialogen.h"
#include "schaal.h"

#include <QApplication>
#include <QMainWindow>
#include <QTimer>
#include <QTranslator>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(ProgrammaTitel());
    QApplication::setOrganizationName(ProgrammaTitel()); // the settings go to ~/.config/Tallora/
    QTranslator vertaler;
    LaadQtVertaling(vertaler);
    ZetLettertypeVervangingen();
    ZetSchaalstijl();

    QtDialogen dialogen;
    Opstart opstart(dialogen, [&dialogen] { return LaadProgramma(dialogen); });
    ZetMeetpunt(opstart.Splash(), [&opstart] { return opstart.SlaOver(); });
    // For measuring the start-up: quit as soon as the first window is on screen and the main window is made.
    if (qEnvironmentVariableIsSet("TALLORA_QUIT_AFTER_SHOW"))
        QTimer::singleShot(0, &app, &QCoreApplication::quit);
    return QApplication::exec();
}
