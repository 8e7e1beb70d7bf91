#include "dialogen.h"
#include "hoofdvenster.h"
#include "lettertypen.h"
#include "opstart.h"
#include "qtdialogen.h"
#include "splashvenster.h"
#include "wavspeler.h"

#include <QApplication>
#include <QIcon>
#include <QTimer>
#include <QTranslator>

#include <memory>

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
    // The main window is made while the start window counts down, and shown when it ends.
    std::unique_ptr<Hoofdvenster> venster;
    const auto maakHoofdvenster = [&venster, &dialogen] {
        if (!venster)
            venster = std::make_unique<Hoofdvenster>(dialogen);
    };
    SplashVenster splash(dialogen, [&venster, &maakHoofdvenster] {
        maakHoofdvenster();
        venster->show();
    });
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/iconen/tallora.svg")));
    splash.show();
    QTimer::singleShot(0, &app, maakHoofdvenster);
    // For measuring the start-up: quit as soon as the first window is on screen and the main window is made.
    if (qEnvironmentVariableIsSet("TALLORA_QUIT_AFTER_SHOW"))
        QTimer::singleShot(0, &app, &QCoreApplication::quit);
    const int afloop = QApplication::exec();
    ZetGeluidsspeler(nullptr);
    return afloop;
}
