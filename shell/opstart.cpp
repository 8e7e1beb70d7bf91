#include "opstart.h"

#include "dialogen.h"
#include "splashvenster.h"

#include <QCoreApplication>
#include <QLibrary>
#include <QLibraryInfo>
#include <QMainWindow>
#include <QTimer>
#include <QTranslator>

using namespace Qt::StringLiterals;

bool LaadQtVertaling(QTranslator& vertaler)
{
    if (!vertaler.load(u"qtbase_nl"_s, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return false;
    return QCoreApplication::installTranslator(&vertaler);
}

std::unique_ptr<QMainWindow> LaadProgramma(Dialogen& dialogen)
{
    // Stays loaded for the life of the process: the main window's code is in it.
    static QLibrary module(QCoreApplication::applicationDirPath() + u"/tallora_programma"_s);
    using Ingang = QMainWindow* (*)(Dialogen&);
    if (const auto ingang = reinterpret_cast<Ingang>(module.resolve("TalloraMaakHoofdvenster")))
        return std::unique_ptr<QMainWindow>(ingang(dialogen));
    dialogen.Melding(nullptr, u"Tallora kan niet starten : "_s + module.errorString(), ProgrammaTitel(), Knoppen::Ok,
        Icoon::Kritiek);
    return nullptr;
}

Opstart::Opstart(Dialogen& dialogen, Hoofdvensterfabriek maakHoofdvenster)
    : m_maakHoofdvenster(std::move(maakHoofdvenster))
    , m_splash(new SplashVenster(dialogen, [this] {
        MaakHoofdvenster();
        if (m_hoofd)
            m_hoofd->show();
    }))
{
    // Once it has shown the main window the start window goes, with its picture: nothing of it stays in memory.
    m_splash->setAttribute(Qt::WA_DeleteOnClose);
    // The main window is made once the start window is on screen, so that nothing delays its first paint.
    QObject::connect(m_splash, &SplashVenster::Getekend, m_splash,
        [this] { QTimer::singleShot(0, m_splash, [this] { MaakHoofdvenster(); }); });
    m_splash->show();
}

Opstart::~Opstart()
{
    delete m_splash;
}

QWidget& Opstart::Splash() const
{
    return *m_splash;
}

QMainWindow* Opstart::SlaOver()
{
    m_splash->close();
    MaakHoofdvenster();
    return m_hoofd.get();
}

void Opstart::MaakHoofdvenster()
{
    // Tried once: a module that failed to load is not tried again, nor reported twice.
    if (m_geprobeerd)
        return;
    m_geprobeerd = true;
    m_hoofd = m_maakHoofdvenster();
    if (!m_hoofd)
        QCoreApplication::exit(1);
}
