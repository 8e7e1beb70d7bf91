#include "chronovenster.h"
#include "programma.h"
#include "werkmap.h"
#include "widgets.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTextBrowser>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {

QMdiSubWindow* Kader(const QWidget& venster)
{
    return qobject_cast<QMdiSubWindow*>(venster.parentWidget());
}

QString Stand(const QWidget& chrono)
{
    return tekst(chrono, "lblMinuten") + ":" + tekst(chrono, "lblSeconden") + "." + tekst(chrono, "lblTienden");
}

} // namespace

// The About box: its texts, red with white letters, over the middle of the work area; the open module stays.
TEST(Over, TekstenEnPlaats)
{
    Werkmap map;
    Programma programma;
    programma.Open("vierbewerkingen");
    QWidget& over = programma.Open("over");
    EXPECT_EQ(over.windowTitle(), "Over Tallora");
    EXPECT_EQ(tekst(over, "lblTitle"), "Tallora");
    EXPECT_EQ(tekst(over, "lblVersion"), "Versie 2.1.0");
    const QStringList beschrijving = tekst(over, "lblDescription").split('\n');
    ASSERT_EQ(beschrijving.size(), 2);
    EXPECT_TRUE(beschrijving[0].contains("Tallora") && beschrijving[0].contains("open-source"));
    EXPECT_EQ(beschrijving[1],
        "De bedoeling is om kinderen op de computer wat droge oefeningen, eventueel afgewisseld met spelletjes, te "
        "laten maken, en zo het rekenen wat bij te schaven.");
    EXPECT_TRUE(tekst(over, "lblDisclaimer").contains("gratis"));
    EXPECT_EQ(over.palette().color(QPalette::Window), QColor(255, 0, 0));
    EXPECT_EQ(vind<QLabel>(over, "lblDisclaimer")->palette().color(QPalette::WindowText), QColor(Qt::white));
    EXPECT_EQ(vind<QPushButton>(over, "cmdOK")->text(), "ok");
    const QSize ruimte = programma.hoofd.werkruimte().viewport()->size();
    const QRect kader = Kader(over)->geometry();
    EXPECT_NEAR(kader.center().x(), ruimte.width() / 2, 1);
    EXPECT_EQ(kader.top(), std::max(0, (ruimte.height() - kader.height()) / 2 - 33));
    klik(vind<QPushButton>(over, "cmdOK"));
    EXPECT_EQ(programma.OpenVensters(), QStringList {"frmHoofdrekenen"});
}

// The help page is looked up in the current directory: shown when it is there, an empty view and no message when
// it is not. The menu item and the toolbar button both open it, as the one module.
TEST(Help, PaginaUitDeHuidigeMap)
{
    for (const bool aanwezig : {true, false}) {
        SCOPED_TRACE(aanwezig);
        Werkmap map;
        if (aanwezig) {
            QDir().mkpath("help");
            Werkmap::Schrijf("help/index.html", "<html><body><h1>Welkom bij de hulp</h1></body></html>");
        }
        Programma programma;
        programma.Open("vierbewerkingen");
        QWidget& help = aanwezig ? programma.Open("algemeen") : programma.OpenViaKnop("help");
        EXPECT_EQ(help.windowTitle(), "Algemen help");
        EXPECT_EQ(programma.OpenVensters(), QStringList {"frmHelp"});
        EXPECT_EQ(vind<QTextBrowser>(help, "WebBrowser1")->toPlainText().contains("Welkom bij de hulp"), aanwezig);
        EXPECT_TRUE(programma.dialogen.meldingen().empty());
        EXPECT_EQ(Kader(help)->y(), 0);
        klik(vind<QToolButton>(help, "cmdStop"));
        EXPECT_TRUE(programma.OpenVensters().isEmpty());
    }
}

// The stopwatch: without frame at the top right, beside the module; its buttons through start, pause and stop,
// with the tenths rolling over into seconds and minutes. The timer runs only while the watch counts.
TEST(Chrono, KnoppenEnTijd)
{
    Werkmap map;
    Programma programma;
    programma.Open("twintig");
    auto& chrono = dynamic_cast<ChronoVenster&>(programma.Open("chrono"));
    EXPECT_TRUE(Kader(chrono)->windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_EQ(Kader(chrono)->geometry().topRight(), QPoint(programma.hoofd.werkruimte().viewport()->width() - 1, 0));
    EXPECT_EQ(programma.OpenVensters(), (QStringList {"frmChrono", "frmTwintig"}));
    EXPECT_EQ(&programma.Open("chrono"), &chrono) << "one stopwatch";
    EXPECT_EQ(programma.OpenVensters(), (QStringList {"frmChrono", "frmTwintig"}));
    auto* timer = vind<QTimer>(chrono, "Timer1");
    struct Stap
    {
        const char* knop; // clicked first; nullptr: none
        int tikken;
        bool start, pauze, stop, loopt;
        const char* stand;
    };
    const std::vector<Stap> stappen {
        {nullptr, 5, true, false, false, false, "00:00.0"},
        {"cmdStart", 599, false, true, true, true, "00:59.9"},
        {nullptr, 1, false, true, true, true, "01:00.0"},
        {"cmdPauze", 4, false, false, true, false, "01:00.0"},
        {"cmdStop", 0, true, false, false, false, "00:00.0"},
        {"cmdStart", 125 * 600 + 3, false, true, true, true, "125:00.3"},
        {"cmdStop", 2, true, false, false, false, "00:00.0"},
    };
    for (const Stap& stap : stappen) {
        SCOPED_TRACE(stap.stand);
        if (stap.knop)
            klik(vind<QToolButton>(chrono, stap.knop));
        for (int i = 0; i < stap.tikken; ++i)
            chrono.Tik();
        EXPECT_EQ(Stand(chrono), stap.stand);
        EXPECT_EQ(vind<QToolButton>(chrono, "cmdStart")->isEnabled(), stap.start);
        EXPECT_EQ(vind<QToolButton>(chrono, "cmdPauze")->isEnabled(), stap.pauze);
        EXPECT_EQ(vind<QToolButton>(chrono, "cmdStop")->isEnabled(), stap.stop);
        EXPECT_EQ(timer->isActive(), stap.loopt);
        QApplication::processEvents();
        const QLabel* minuten = vind<QLabel>(chrono, "lblMinuten");
        EXPECT_GE(minuten->width(), minuten->sizeHint().width()) << "the minutes are cut off";
    }
    klik(vind<QToolButton>(chrono, "cmdExit"));
    EXPECT_EQ(programma.OpenVensters(), QStringList {"frmTwintig"});
}
