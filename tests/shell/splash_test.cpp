#include "hoofdvenster.h"
#include "nepdialogen.h"
#include "opstart.h"
#include "programmagegevens.h"
#include "splashvenster.h"
#include "werkmap.h"
#include "widgets.h"

#include <QFrame>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QTranslator>

#include <gtest/gtest.h>

#include <functional>

namespace {

const QColor Lichtgeel {255, 255, 192};
const QColor Lichtrood {255, 128, 128};

QColor Tekstkleur(const QWidget& venster)
{
    return vind<QLabel>(venster, "lblTeller")->palette().color(QPalette::WindowText);
}

class Splash : public ::testing::Test
{
protected:
    Splash()
    {
        splash.show();
        QApplication::processEvents();
    }

    NepDialogen dialogen;
    int getoond = 0;
    SplashVenster splash {dialogen, [this] { ++getoond; }};
};

} // namespace

// The texts of the start window, and ten ticks: 9 down to 0, the odd numbers light yellow and the even ones light
// red; the tenth shows the main window, once, and ends the start window.
TEST_F(Splash, TeltTienSecondenAfEnToontHetHoofdvensterEenKeer)
{
    EXPECT_EQ(tekst(splash, "lblVersion"), "Versie 2.1.0");
    EXPECT_EQ(tekst(splash, "lblPlatform"), PlatformTekst());
    EXPECT_TRUE(PlatformTekst().startsWith("voor ") && PlatformTekst() != "voor Windows");
    EXPECT_TRUE(splash.windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_EQ(splash.palette().color(QPalette::Window), Qt::black);
    EXPECT_EQ(splash.frameGeometry().center(), splash.screen()->geometry().center());
    EXPECT_EQ(tekst(splash, "lblTeller"), "Klik, druk of wacht 10 seconden.");
    EXPECT_EQ(Tekstkleur(splash), Lichtgeel);
    EXPECT_TRUE(vind<QTimer>(splash, "Timer1")->isActive());
    for (int teller = 9; teller >= 0; --teller) {
        splash.Tik();
        EXPECT_EQ(tekst(splash, "lblTeller"), QStringLiteral("Klik, druk of wacht %1 seconden.").arg(teller));
        EXPECT_EQ(Tekstkleur(splash), teller % 2 ? Lichtgeel : Lichtrood) << teller;
        EXPECT_EQ(getoond, teller == 0 ? 1 : 0);
    }
    EXPECT_FALSE(splash.isVisible());
    EXPECT_FALSE(vind<QTimer>(splash, "Timer1")->isActive());
    splash.Tik();
    EXPECT_EQ(getoond, 1);
    EXPECT_TRUE(dialogen.meldingen().empty()) << "the screen is wide enough";
}

// A click on the picture or its frame, a key, or closing the window: the main window at once, exactly once.
TEST(SplashEinde, KlikToetsOfSluitenToontHetHoofdvensterMeteen)
{
    const std::vector<std::function<void(SplashVenster&)>> manieren {
        [](SplashVenster& s) { QTest::mouseClick(vind<QLabel>(s, "imgBeeld"), Qt::LeftButton); },
        [](SplashVenster& s) {
            QTest::mouseClick(vind<QFrame>(s, "fraBeeld"), Qt::LeftButton, {}, {2, 2});
        },
        [](SplashVenster& s) { QTest::keyClick(&s, Qt::Key_Space); },
        [](SplashVenster& s) { s.close(); },
    };
    for (std::size_t i = 0; i < manieren.size(); ++i) {
        SCOPED_TRACE(i);
        NepDialogen dialogen;
        int getoond = 0;
        SplashVenster splash(dialogen, [&getoond] { ++getoond; });
        splash.show();
        splash.Tik();
        manieren[i](splash);
        EXPECT_EQ(getoond, 1);
        EXPECT_FALSE(splash.isVisible());
        for (int tik = 0; tik < 10; ++tik)
            splash.Tik();
        QTest::keyClick(&splash, Qt::Key_A);
        splash.close();
        EXPECT_EQ(getoond, 1);
    }
}

// Below 800 pixels wide a warning with the program's title, then the countdown; from 800 on none. This test runs
// once on a screen of 800 pixels and once on one of 799.
TEST(SplashScherm, SmalSchermKrijgtEenWaarschuwing)
{
    NepDialogen dialogen;
    SplashVenster splash(dialogen, [] {});
    splash.show();
    QApplication::processEvents();
    const bool smal = splash.screen()->geometry().width() < 800;
    ASSERT_EQ(dialogen.meldingen().size(), smal ? 1u : 0u);
    if (smal) {
        EXPECT_EQ(dialogen.laatste().prompt,
            "Dit programma zal met grote moeite lopen, \r\nu kan best uw scherm op een grotere resolutie zetten.");
        EXPECT_EQ(dialogen.laatste().titel, "Tallora");
        EXPECT_EQ(dialogen.laatste().knoppen, Knoppen::Ok);
    }
    EXPECT_TRUE(vind<QTimer>(splash, "Timer1")->isActive());
}

// The real start: the main window is made during the countdown, after the start window's first paint, but not shown; a
// click on the start window shows it at once, and there is exactly one.
TEST(Opstart, KlikToontPreciesEenHoofdvenster)
{
    Werkmap map;
    NepDialogen dialogen;
    const Opstart opstart(dialogen, [&dialogen] { return std::make_unique<Hoofdvenster>(dialogen); });
    // Made once the start window has been painted.
    ASSERT_TRUE(QTest::qWaitFor([&opstart] { return opstart.Hoofd() != nullptr; }, 5000));
    EXPECT_FALSE(opstart.Hoofd()->isVisible());
    // The visible top-level windows, by objectName.
    const auto zichtbaar = [] {
        QStringList namen;
        for (const QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible())
                namen << w->objectName();
        return namen;
    };
    ASSERT_EQ(zichtbaar(), QStringList {"frmSplash"});
    const QWidgetList vensters = QApplication::topLevelWidgets();
    QWidget* splash = *std::ranges::find_if(vensters, [](const QWidget* w) { return w->objectName() == "frmSplash"; });
    QTest::mouseClick(vind<QLabel>(*splash, "imgBeeld"), Qt::LeftButton);
    EXPECT_EQ(zichtbaar(), QStringList {"MDIForm1"});
    QTest::keyClick(splash, Qt::Key_Space);
    QApplication::processEvents();
    EXPECT_EQ(zichtbaar(), QStringList {"MDIForm1"});
    EXPECT_TRUE(dialogen.meldingen().empty());
}

// Without its program module beside it (none lies beside the tests) the program tells the teacher why it cannot start
// and ends, instead of showing a start window that leads nowhere.
TEST(Opstart, ZonderProgrammamoduleEenMeldingEnGeenHoofdvenster)
{
    NepDialogen dialogen;
    EXPECT_EQ(LaadProgramma(dialogen), nullptr);
    ASSERT_EQ(dialogen.meldingen().size(), 1U);
    EXPECT_TRUE(dialogen.laatste().prompt.startsWith("Tallora kan niet starten : "));
    EXPECT_EQ(dialogen.laatste().icoon, Icoon::Kritiek);

    Opstart opstart(dialogen, [&dialogen] { return LaadProgramma(dialogen); });
    EXPECT_EQ(opstart.SlaOver(), nullptr);
    EXPECT_EQ(dialogen.meldingen().size(), 2U);
}

TEST(Opstart, StandaardknoppenInHetNederlands)
{
    QTranslator vertaler;
    ASSERT_TRUE(LaadQtVertaling(vertaler));
    QMessageBox vraag(QMessageBox::Information, "Afsluiten ?", "?", QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(vraag.button(QMessageBox::Yes)->text().remove(u'&'), "Ja");
    EXPECT_EQ(vraag.button(QMessageBox::No)->text().remove(u'&'), "Nee");
}
