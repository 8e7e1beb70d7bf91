#include "bouwstenen.h"
#include "nepdialogen.h"
#include "programma.h"
#include "reeks.h"
#include "reeksvenster.h"
#include "widgets.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPointer>

#include <array>
#include <utility>

namespace {

const ReeksVarianten Tafels {
    .resetUitslag = std::nullopt, .startUitslag = std::nullopt, .resterend = "Nog %1 oefeningen"};
const ReeksVarianten Drills {.resetOokOpHelp = true,
    .resetUitslag = "Nieuwe reeks",
    .startUitslag = std::nullopt,
    .tellersNulBijStart = true,
    .eindResultaat = "Resultaat : %1 op %2",
    .fouttekst = ReeksVarianten::Fouttekst::Oplossing};

// A typed-answer window with fixed exercises; its checks fail with `fout` when that is set.
class Proefvenster : public Reeksvenster
{
public:
    Proefvenster(Dialogen& dialogen, ReeksVarianten varianten)
        : Reeksvenster(dialogen, QStringLiteral("frmProef"), QStringLiteral("Proef"), nullptr, std::move(varianten))
    {
        ZetHelpteksten(QStringLiteral("Start hier."));
        MaakGetalvak(Pagina(TabSetup), QStringLiteral("txtAantal"), QStringLiteral("3"));
    }

    std::optional<Melding> fout;
    int gemaakt = 0;
    int resets = 0;

private:
    std::variant<Melding, int> ControleerInstellingen() override
    {
        if (fout)
            return *fout;
        return 3;
    }
    Opgave MaakOefening() override
    {
        static const std::array<Opgave, 2> oefeningen {
            Opgave {.Links = 47, .Rechts = 7, .Uitkomst = 40, .Bewerking = "-", .Omschrijving = {}},
            Opgave {.Links = 6, .Rechts = 7, .Uitkomst = 42, .Bewerking = "x", .Omschrijving = {}}};
        return oefeningen[static_cast<std::size_t>(gemaakt++ % 2)];
    }
    void ReeksGereset() override { ++resets; }
};

// The program with the test window behind the menu item "vierbewerkingen".
class ReeksvensterTest : public ::testing::Test
{
protected:
    Proefvenster& Open(ReeksVarianten varianten)
    {
        m_varianten = std::move(varianten);
        return static_cast<Proefvenster&>(programma.Open("vierbewerkingen"));
    }

    ReeksVarianten m_varianten;
    Programma programma {Modulevensters {
        {QStringLiteral("vierbewerkingen"), {Openwijze::Module, [this](Dialogen& dienst) {
                                                 return std::make_unique<Proefvenster>(dienst, m_varianten);
                                             }}}}};
    NepDialogen& dialogen = programma.dialogen;
};

// One script through every place where the modules differ: a refused start (Setup stays in front, the header moves,
// nothing is made), reset, start, a wrong and a right answer, Help during a series, a restart without Setup, the end
// with its score and the answer to the end question.
TEST_F(ReeksvensterTest, VariantenSturenDeReeks)
{
    const QString ontwerp = QStringLiteral("Vul in en druk op [enter]");
    struct Geval
    {
        ReeksVarianten varianten;
        QString uitslagNaSetup, uitslagBijStart, fout, resterend, resultaatNaHelp, resultaatNaHerstart, eind;
        int resetsNaHelp;
        bool ja; // the answer to "Nog eens ?"
    };
    const Geval gevallen[] = {
        {{}, "Nieuwe reeks !", ontwerp, "Foutje !", "nog 3 oefeningen", "Resultaat : 1 op 2", "Resultaat : 2 op 4",
            "3 op 6", 1, true},
        {Tafels, ontwerp, ontwerp, "Foutje !", "Nog 3 oefeningen", "Resultaat : 1 op 2", "Resultaat : 2 op 4", "3 op 6",
            1, false},
        {Drills, "Nieuwe reeks", "Nieuwe reeks", "47-7=40", "nog 3 oefeningen", "Resultaat : 0 op 0",
            "Resultaat : 1 op 1", "Resultaat : 2 op 3", 2, false},
    };
    for (const Geval& geval : gevallen) {
        SCOPED_TRACE(geval.resterend.toStdString() + " " + geval.eind.toStdString());
        Proefvenster& venster = Open(geval.varianten);
        const QPointer<Proefvenster> open = &venster;
        venster.fout = Melding {"Eigen titel !", "Let op", Icoon::Waarschuwing};
        klikTab(venster, 1);
        EXPECT_EQ(dialogen.laatste().prompt, "Eigen titel !");
        EXPECT_EQ(dialogen.laatste().titel, "Let op");
        EXPECT_EQ(dialogen.laatste().icoon, Icoon::Waarschuwing);
        EXPECT_EQ(paginaVoor(venster), 0);
        EXPECT_EQ(gekozenTab(venster), 1);
        EXPECT_EQ(venster.gemaakt, 0);
        venster.fout.reset();
        const auto voor = dialogen.meldingen().size();
        klikTab(venster, 0);
        EXPECT_EQ(tekst(venster, "lblUitslag"), geval.uitslagNaSetup);
        EXPECT_TRUE(!geval.varianten.resetUitslag || achtergrond(venster, "lblUitslag") == QColor(0, 0, 255));
        klikTab(venster, 1);
        EXPECT_EQ(tekst(venster, "lblUitslag"), geval.uitslagBijStart);
        EXPECT_EQ(tekst(venster, "lblAantal"), geval.resterend);
        EXPECT_EQ(som(venster), "47-7");

        antwoord(venster, "4");
        EXPECT_EQ(tekst(venster, "lblUitslag"), geval.fout);
        EXPECT_EQ(achtergrond(venster, "lblUitslag"), QColor(255, 0, 0));
        antwoord(venster, "42 is het", Qt::Key_Enter);
        EXPECT_EQ(tekst(venster, "lblUitslag"), "Goed zo !");
        EXPECT_EQ(achtergrond(venster, "lblUitslag"), QColor(0, 255, 0));
        EXPECT_EQ(tekst(venster, "lblResultaat"), "Resultaat : 1 op 2");

        klikTab(venster, 2);
        EXPECT_EQ(tekst(venster, "lblResultaat"), geval.resultaatNaHelp);
        EXPECT_EQ(venster.resets, geval.resetsNaHelp);

        // The exercise abandoned by Help still counts as made where the counters are not reset.
        klikTab(venster, 1);
        antwoord(venster, juist(venster));
        EXPECT_EQ(tekst(venster, "lblResultaat"), geval.resultaatNaHerstart);
        antwoord(venster, juist(venster));
        if (geval.ja)
            dialogen.antwoord(Antwoord::Ja);
        antwoord(venster, "");
        ASSERT_EQ(dialogen.meldingen().size(), voor + 1);
        const auto& vraag = dialogen.laatste();
        EXPECT_EQ(vraag.prompt,
            "Alle oefeningen zijn gemaakt.\r\nJe haalde " + QString(geval.eind).remove("Resultaat : ")
                + "\r\n\r\nNog eens ?");
        EXPECT_EQ(vraag.titel, "opnieuw ?");
        EXPECT_EQ(vraag.knoppen, Knoppen::JaNee);
        EXPECT_EQ(vraag.ouder, &venster);
        if (geval.ja) {
            // Ja shows Setup, which resets the score, and from where a new series starts.
            EXPECT_EQ(tekst(venster, "lblResultaat"), "Resultaat : 0 op 0");
            EXPECT_EQ(paginaVoor(venster), 0);
            EXPECT_EQ(gekozenTab(venster), 0);
            klikTab(venster, 1);
            EXPECT_EQ(tekst(venster, "lblAantal"), geval.resterend);
        } else {
            // Nee closes the window, which showed the end score until then.
            EXPECT_EQ(tekst(venster, "lblResultaat"), geval.eind);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            EXPECT_TRUE(open.isNull());
        }
    }
}

// The keyboard alone starts the next series: Ctrl+PgDown acts as a click on the next tab.
TEST_F(ReeksvensterTest, ToetsenbordKiestDeTabs)
{
    Proefvenster& venster = Open({});
    // The box has the focus from the start; a click into it still empties it.
    EXPECT_EQ(focus()->objectName(), "txtAantal");
    typIn(venster, "txtAantal", "5");
    EXPECT_EQ(vind<QLineEdit>(venster, "txtAantal")->text(), "5");
    QTest::keyClick(focus(), Qt::Key_PageDown, Qt::ControlModifier);
    EXPECT_EQ(gekozenTab(venster), 1);
    EXPECT_EQ(venster.gemaakt, 1);
    QTest::keyClick(focus(), Qt::Key_PageUp, Qt::ControlModifier);
    QTest::keyClick(focus(), Qt::Key_PageUp, Qt::ControlModifier);
    EXPECT_EQ(paginaVoor(venster), 2);
    EXPECT_EQ(tekst(venster, "lblHelpTitel(3)"), "Start hier.");
}

} // namespace
