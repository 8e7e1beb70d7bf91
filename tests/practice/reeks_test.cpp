#include "nepdialogen.h"
#include "reeksvenster.h"
#include "toeval.h"
#include "widgets.h"

#include <gtest/gtest.h>

#include <array>
#include <utility>

namespace {

// A typed-answer window with fixed exercises; its checks fail with `fout` when that is set.
class Proefvenster : public Reeksvenster
{
public:
    Proefvenster(Dialogen& dialogen, ReeksVarianten varianten)
        : Reeksvenster(dialogen, QStringLiteral("frmProef"), QStringLiteral("Proef"), nullptr, std::move(varianten))
    {
        ZetHelpteksten(QStringLiteral("Start hier."));
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
    Oefening MaakOefening() override
    {
        static const std::array<Oefening, 2> oefeningen {Oefening {"47", "-", "7", 40}, Oefening {"6", "x", "7", 42}};
        return oefeningen[static_cast<std::size_t>(gemaakt++ % 2)];
    }
    void ReeksGereset() override { ++resets; }
};

QString Juist(const QWidget& venster)
{
    return tekst(venster, "lblLinks") == "47" ? QStringLiteral("40") : QStringLiteral("42");
}

// One script through every place where the modules differ: reset, start, a wrong and a right answer, Help during
// a series, a restart without Setup, the end and the answer to the end question.
TEST(Reeks, VariantenSturenDeReeks)
{
    using Fouttekst = ReeksVarianten::Fouttekst;
    const ReeksVarianten tafels {
        .resetUitslag = std::nullopt, .startUitslag = std::nullopt, .resterend = "Nog %1 oefeningen"};
    const ReeksVarianten drills {.resetOokOpHelp = true,
        .resetUitslag = "Nieuwe reeks",
        .startUitslag = std::nullopt,
        .tellersNulBijStart = true,
        .eindResultaat = "Resultaat : %1 op %2",
        .fouttekst = Fouttekst::Oplossing};
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
        {tafels, ontwerp, ontwerp, "Foutje !", "Nog 3 oefeningen", "Resultaat : 1 op 2", "Resultaat : 2 op 4", "3 op 6",
            1, false},
        {drills, "Nieuwe reeks", "Nieuwe reeks", "47-7=40", "nog 3 oefeningen", "Resultaat : 0 op 0",
            "Resultaat : 1 op 1", "Resultaat : 2 op 3", 2, false},
    };
    ZaaiToeval(7);
    for (const Geval& geval : gevallen) {
        SCOPED_TRACE(geval.resterend.toStdString() + " " + geval.eind.toStdString());
        NepDialogen dialogen;
        Proefvenster venster(dialogen, geval.varianten);
        venster.show();
        klikTab(venster, 0);
        EXPECT_EQ(tekst(venster, "lblUitslag"), geval.uitslagNaSetup);
        EXPECT_TRUE(!geval.varianten.resetUitslag || achtergrond(venster, "lblUitslag") == QColor(0, 0, 255));
        klikTab(venster, 1);
        EXPECT_EQ(tekst(venster, "lblUitslag"), geval.uitslagBijStart);
        EXPECT_EQ(tekst(venster, "lblAantal"), geval.resterend);
        EXPECT_EQ(tekst(venster, "lblLinks") + tekst(venster, "lblBewerking") + tekst(venster, "lblRechts"), "47-7");

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
        antwoord(venster, Juist(venster));
        EXPECT_EQ(tekst(venster, "lblResultaat"), geval.resultaatNaHerstart);
        antwoord(venster, Juist(venster));
        if (geval.ja)
            dialogen.antwoord(Antwoord::Ja);
        antwoord(venster, "");
        ASSERT_EQ(dialogen.meldingen().size(), 1u);
        const auto& vraag = dialogen.laatste();
        EXPECT_EQ(vraag.prompt,
            "Alle oefeningen zijn gemaakt.\r\nJe haalde " + QString(geval.eind).remove("Resultaat : ")
                + "\r\n\r\nNog eens ?");
        EXPECT_EQ(vraag.titel, "opnieuw ?");
        EXPECT_EQ(vraag.knoppen, Knoppen::JaNee);
        EXPECT_EQ(vraag.ouder, &venster);
        EXPECT_EQ(venster.isVisible(), geval.ja);
        if (geval.ja) {
            // Ja shows Setup, from where a new series starts.
            EXPECT_EQ(paginaVoor(venster), 0);
            klikTab(venster, 1);
            EXPECT_EQ(tekst(venster, "lblAantal"), geval.resterend);
        } else {
            // Nee closes the window, which keeps how the series ended.
            EXPECT_EQ(tekst(venster, "lblUitslag"), "Klaar !");
            EXPECT_EQ(tekst(venster, "lblAantal"), "");
            EXPECT_EQ(tekst(venster, "lblResultaat"), geval.eind);
        }
    }
}

TEST(Reeks, GeweigerdeStartLaatSetupVoorEnDeTellersStaan)
{
    ZaaiToeval(11);
    for (const Melding& melding :
        {Melding {"Eigen titel !", "Let op", Icoon::Waarschuwing}, Melding {"Zonder titel !"}}) {
        NepDialogen dialogen;
        Proefvenster venster(dialogen, {});
        venster.show();
        venster.fout = melding;
        klikTab(venster, 1);
        ASSERT_EQ(dialogen.meldingen().size(), 1u);
        EXPECT_EQ(dialogen.laatste().prompt, melding.prompt);
        EXPECT_EQ(dialogen.laatste().titel, melding.titel);
        EXPECT_EQ(dialogen.laatste().knoppen, Knoppen::Ok);
        EXPECT_EQ(dialogen.laatste().icoon, melding.icoon);
        EXPECT_EQ(paginaVoor(venster), 0);
        EXPECT_EQ(gekozenTab(venster), 1);
        EXPECT_EQ(venster.gemaakt, 0);
        EXPECT_EQ(tekst(venster, "lblAantal"), "");
    }
}

// After the end question the keyboard alone starts the next series: Ctrl+PgDown acts as a click on the next tab.
TEST(Reeks, ToetsenbordKiestDeTabs)
{
    ZaaiToeval(12);
    NepDialogen dialogen;
    Proefvenster venster(dialogen, {});
    venster.show();
    venster.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&venster));
    QTest::keyClick(&venster, Qt::Key_PageDown, Qt::ControlModifier);
    EXPECT_EQ(gekozenTab(venster), 1);
    EXPECT_EQ(venster.gemaakt, 1);
    QTest::keyClick(&venster, Qt::Key_PageUp, Qt::ControlModifier);
    QTest::keyClick(&venster, Qt::Key_PageUp, Qt::ControlModifier);
    EXPECT_EQ(paginaVoor(venster), 2);
}

// Focus that only comes back with the window (after a message box) is no entering.
TEST(Reeks, BinnenkomenMaaktHetVakLeeg)
{
    ZaaiToeval(31);
    for (const auto& [reden, over] : {std::pair {Qt::MouseFocusReason, ""}, std::pair {Qt::TabFocusReason, ""},
             std::pair {Qt::BacktabFocusReason, ""}, std::pair {Qt::OtherFocusReason, ""},
             std::pair {Qt::ActiveWindowFocusReason, "25"}, std::pair {Qt::PopupFocusReason, "25"}}) {
        QLineEdit vak(QStringLiteral("25"));
        LeegBijBinnenkomst(&vak);
        QFocusEvent binnen(QEvent::FocusIn, reden);
        QApplication::sendEvent(&vak, &binnen);
        EXPECT_EQ(vak.text(), over) << reden;
        EXPECT_FALSE(vak.hasSelectedText());
    }
}

} // namespace
