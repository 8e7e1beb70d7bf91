#include "nepspeler.h"
#include "ordenen/sleepstukken.h"
#include "programma.h"
#include "widgets.h"

#include <gtest/gtest.h>

#include <QMimeData>
#include <QTimer>
#include <QTimerEvent>

#include <memory>

namespace {

// The two windows: their menu item, and whether the direction stands in lblopdracht or in the caption.
const std::pair<const char*, bool> Tweelingen[] = {{"gbordenen", true}, {"grordenen", false}};

Sleepbron* Bron(const QWidget& venster, int plaats)
{
    return vind<Sleepbron>(venster, QStringLiteral("ImageB%1").arg(plaats));
}

Sleepvak* Vak(const QWidget& venster, int plaats)
{
    return vind<Sleepvak>(venster, QStringLiteral("ImageO%1").arg(plaats));
}

// The source whose number belongs in box `vak`.
int BronVoor(const QWidget& venster, int vak)
{
    for (int plaats = 1; plaats <= 3; ++plaats) {
        if (Bron(venster, plaats)->Tag() == vak)
            return plaats;
    }
    throw std::logic_error("no source belongs in box " + std::to_string(vak));
}

// A drop as the window system delivers it: the drag enters the box, moves over it and is let go. False when the
// box refused it.
bool LaatVallen(QWidget* vak, const QMimeData& inhoud)
{
    const QPoint midden = vak->rect().center();
    QDragEnterEvent binnen(midden, Qt::MoveAction, &inhoud, Qt::LeftButton, {});
    QApplication::sendEvent(vak, &binnen);
    QDragMoveEvent over(midden, Qt::MoveAction, &inhoud, Qt::LeftButton, {});
    QApplication::sendEvent(vak, &over);
    QDropEvent los(midden, Qt::MoveAction, &inhoud, Qt::LeftButton, {});
    QApplication::sendEvent(vak, &los);
    return binnen.isAccepted() && los.isAccepted();
}

bool Sleep(const QWidget& venster, int bron, int vak)
{
    const std::unique_ptr<QMimeData> inhoud(Bron(venster, bron)->MaakSleepdata());
    return LaatVallen(Vak(venster, vak), *inhoud);
}

QTimer* Timer(const QWidget& venster)
{
    return venster.findChild<QTimer*>(QStringLiteral("Timer1"));
}

// One tick of the running timer, delivered as the event loop would.
void Tik(const QWidget& venster)
{
    QTimerEvent tik(Timer(venster)->timerId());
    QApplication::sendEvent(Timer(venster), &tik);
}

class Ordenen : public ::testing::Test
{
protected:
    QWidget& Start(const char* menu, const QString& maximum, const QString& aantal, bool kleinNaarGroot = true)
    {
        QWidget& venster = programma.Open(QString::fromUtf8(menu), 17);
        // txtMax has the focus when the window opens; entering the other box first lets a click empty it.
        typIn(venster, "txtAantal", aantal);
        typIn(venster, "txtMax", maximum);
        klik(vind<QRadioButton>(venster, kleinNaarGroot ? "optKleinGroot" : "optGrootKlein"));
        programma.Start(venster);
        return venster;
    }

    Programma programma;
    NepDialogen& dialogen = programma.dialogen;
};

// Each direction shows above the sources or in the caption, each source's tag is the box its number belongs in,
// and the timer rests. The Setup tab after a wrong drop keeps the reproach on red (number images) or announces a
// new series on blue (numerals), which the next start keeps under its own text.
TEST_F(Ordenen, TagsEnRichting)
{
    for (const auto& [menu, opdracht] : Tweelingen) {
        SCOPED_TRACE(menu);
        QWidget* venster = nullptr;
        for (const bool kleinNaarGroot : {true, false}) {
            venster = &Start(menu, "10", "20", kleinNaarGroot);
            const QString richting = kleinNaarGroot ? "Klein naar groot !" : "Groot naar klein !";
            EXPECT_EQ(opdracht ? tekst(*venster, "lblopdracht") : venster->windowTitle(), richting);
            EXPECT_FALSE(Timer(*venster)->isActive());
            std::array<int, 3> op {};
            for (int plaats = 1; plaats <= 3; ++plaats)
                op.at(static_cast<std::size_t>(Bron(*venster, plaats)->Tag() - 1)) = Bron(*venster, plaats)->Getal();
            EXPECT_TRUE(kleinNaarGroot ? op[0] < op[1] && op[1] < op[2] : op[0] > op[1] && op[1] > op[2]);
        }
        Sleep(*venster, BronVoor(*venster, 1), 2);
        klikTab(*venster, 0);
        EXPECT_EQ(tekst(*venster, "lblUitslag"), opdracht ? "Ajajajaj..." : "Nieuwe reeks !");
        klikTab(*venster, 1);
        EXPECT_EQ(tekst(*venster, "lblUitslag"), "Starten maar !");
        EXPECT_EQ(achtergrond(*venster, "lblUitslag"), opdracht ? QColor(255, 0, 0) : QColor(0, 0, 255));
    }
}

// A wrong drop reproaches and leaves everything in place; a right one praises and moves the number into its box;
// after the third the pause runs on Timer1, and the fourth tick brings the next exercise and stops the timer.
TEST_F(Ordenen, SlepenEnDePauze)
{
    const std::array<std::pair<const char*, const char*>, 3> teksten {
        {{"Goed zo !", "Foutje..."}, {"Prima !", "Ajajajaj..."}, {"Juist !", "Oeps..."}}};
    QWidget& venster = Start("gbordenen", "10", "20");
    NepSpeler speler;
    for (int vak = 1; vak <= 3; ++vak) {
        const int bron = BronVoor(venster, vak);
        const int verkeerd = vak % 3 + 1;
        EXPECT_TRUE(Sleep(venster, bron, verkeerd));
        EXPECT_EQ(tekst(venster, "lblUitslag"), teksten[static_cast<std::size_t>(verkeerd - 1)].second);
        EXPECT_EQ(achtergrond(venster, "lblUitslag"), QColor(255, 0, 0));
        EXPECT_TRUE(Bron(venster, bron)->isVisible());
        const int getal = Bron(venster, bron)->Getal();
        EXPECT_TRUE(Sleep(venster, bron, vak));
        EXPECT_FALSE(Bron(venster, bron)->isVisible());
        EXPECT_EQ(Vak(venster, vak)->accessibleName(), QString::number(getal));
        EXPECT_EQ(achtergrond(venster, "lblUitslag"), QColor(0, 255, 0));
        if (vak < 3) {
            EXPECT_EQ(tekst(venster, "lblUitslag"), teksten[static_cast<std::size_t>(vak - 1)].first);
            EXPECT_FALSE(Timer(venster)->isActive());
            EXPECT_TRUE(speler.Slots().empty()) << "only the third drop sounds";
        }
    }
    EXPECT_EQ(tekst(venster, "lblUitslag"), "Alledrie op de juiste plaats !");
    EXPECT_EQ(speler.Slots().size(), 1U);
    EXPECT_EQ(speler.Goed(), 1);
    EXPECT_EQ(tekst(venster, "lblAantal"), "Nog 19 oefeningen.");
    ASSERT_TRUE(Timer(venster)->isActive());
    EXPECT_EQ(Timer(venster)->interval(), 500);
    for (int tik = 1; tik <= 3; ++tik)
        Tik(venster);
    EXPECT_EQ(tekst(venster, "lblUitslag"), "Alledrie op de juiste plaats !");
    Tik(venster);
    EXPECT_EQ(tekst(venster, "lblUitslag"), "Starten maar !");
    EXPECT_EQ(achtergrond(venster, "lblUitslag"), QColor(0, 255, 0));
    EXPECT_FALSE(Timer(venster)->isActive());
    for (int plaats = 1; plaats <= 3; ++plaats) {
        EXPECT_TRUE(Bron(venster, plaats)->isVisible());
        EXPECT_EQ(Vak(venster, plaats)->accessibleName(), "");
    }
    EXPECT_EQ(focus(), Bron(venster, 1));
}

// A series of one exercise ends with its third drop, without praise or sound: "Klaar !" and the end question
// without a result line; Ja shows the Setup page, Nee closes the window.
TEST_F(Ordenen, EenOefeningEindigtMetDeVraag)
{
    for (const Antwoord keuze : {Antwoord::Ja, Antwoord::Nee}) {
        QWidget& venster = Start("gbordenen", "3", "1", false);
        NepSpeler speler;
        dialogen.antwoord(keuze);
        for (int vak = 1; vak <= 3; ++vak)
            Sleep(venster, BronVoor(venster, vak), vak);
        EXPECT_TRUE(speler.Slots().empty());
        EXPECT_EQ(dialogen.laatste().prompt, "Alle oefeningen zijn gemaakt.\r\n\r\nNog eens ?");
        EXPECT_EQ(dialogen.laatste().titel, "opnieuw ?");
        EXPECT_EQ(dialogen.laatste().knoppen, Knoppen::JaNee);
        if (keuze == Antwoord::Ja) {
            EXPECT_EQ(tekst(venster, "lblUitslag"), "Klaar !");
            EXPECT_EQ(tekst(venster, "lblAantal"), "");
            EXPECT_FALSE(Timer(venster)->isActive());
            EXPECT_EQ(paginaVoor(venster), 0);
            EXPECT_EQ(gekozenTab(venster), 0);
        }
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(programma.OpenVensters(), QStringList());
}

// Without a mouse drag: Space on a source and a number key for the box, or a click on a source and one on a box,
// act as a drop. A drop that does not come from the window's own sources is refused.
TEST_F(Ordenen, ZonderSlepen)
{
    QWidget& venster = Start("gbordenen", "10", "2");
    EXPECT_EQ(focus(), Bron(venster, 1));
    QTest::keyClick(focus(), Qt::Key_Space);
    EXPECT_TRUE(Bron(venster, 1)->Gekozen());
    const int verkeerd = Bron(venster, 1)->Tag() % 3 + 1;
    QTest::keyClick(focus(), Qt::Key(Qt::Key_0 + verkeerd));
    EXPECT_EQ(achtergrond(venster, "lblUitslag"), QColor(255, 0, 0));
    EXPECT_FALSE(Bron(venster, 1)->Gekozen());
    for (int keer = 0; keer < 3; ++keer) {
        auto* bron = qobject_cast<Sleepbron*>(focus());
        ASSERT_TRUE(bron);
        QTest::keyClick(bron, Qt::Key_Space);
        QTest::keyClick(bron, Qt::Key(Qt::Key_0 + bron->Tag()), keer == 1 ? Qt::KeypadModifier : Qt::NoModifier);
        EXPECT_FALSE(bron->isVisible());
    }
    EXPECT_EQ(tekst(venster, "lblUitslag"), "Alledrie op de juiste plaats !");
    for (int tik = 0; tik < 4; ++tik)
        Tik(venster);

    QMimeData vreemd;
    vreemd.setText(QString::number(BronVoor(venster, 1)));
    EXPECT_FALSE(LaatVallen(Vak(venster, 1), vreemd));
    EXPECT_EQ(tekst(venster, "lblUitslag"), "Starten maar !");

    for (int vak = 3; vak >= 1; --vak) {
        const int bron = BronVoor(venster, vak);
        QTest::mouseClick(Bron(venster, bron), Qt::LeftButton);
        QTest::mouseClick(Bron(venster, bron), Qt::LeftButton);
        EXPECT_FALSE(Bron(venster, bron)->Gekozen()) << "a second click lets it go";
        QTest::mouseClick(Vak(venster, vak), Qt::LeftButton);
        EXPECT_TRUE(Bron(venster, bron)->isVisible());
        QTest::mouseClick(Bron(venster, bron), Qt::LeftButton);
        QTest::mouseClick(Vak(venster, vak), Qt::LeftButton);
        EXPECT_FALSE(Bron(venster, bron)->isVisible());
    }
    EXPECT_EQ(dialogen.laatste().prompt, "Alle oefeningen zijn gemaakt.\r\n\r\nNog eens ?");
}

} // namespace
