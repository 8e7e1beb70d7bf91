#include "opstart.h"

#include "hoofdvenster.h"
#include "splashvenster.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTimer>
#include <QTranslator>

using namespace Qt::StringLiterals;

bool LaadQtVertaling(QTranslator& vertaler)
{
    if (!vertaler.load(u"qtbase_nl"_s, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return false;
    return QCoreApplication::installTranslator(&vertaler);
}

Opstart::Opstart(Dialogen& dialogen)
    : m_dialogen(dialogen)
    , m_splash(new SplashVenster(dialogen, [this] {
        MaakHoofdvenster();
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

Hoofdvenster& Opstart::SlaOver()
{
    m_splash->close();
    MaakHoofdvenster();
    return *m_hoofd;
}

void Opstart::MaakHoofdvenster()
{
    if (!m_hoofd)
        m_hoofd = std::make_unique<Hoofdvenster>(m_dialogen);
}
