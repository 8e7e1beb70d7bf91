#include "dialogen.h"
#include "hoofdvenster.h"
#include "lettertypen.h"
#include "meetpunt.h"
#include "opstart.h"
#include "qtdialogen.h"
#include "wavspeler.h"

#include <QApplication>
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

    QtDialogen dialogen;
    WavSpeler speler;
    ZetGeluidsspeler(&speler);
    Hoofdvenster venster(dialogen);
    QApplication::setWindowIcon(venster.windowIcon());
    ZetMeetpunt(venster);
    venster.show();
    // For measuring the start-up: quit as soon as the main window is on screen.
    if (qEnvironmentVariableIsSet("TALLORA_QUIT_AFTER_SHOW"))
        QTimer::singleShot(0, &app, &QCoreApplication::quit);
    const int afloop = QApplication::exec();
    ZetGeluidsspeler(nullptr);
    return afloop;
}
