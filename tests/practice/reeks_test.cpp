#include "geluid.h"
#include "nepdialogen.h"
#include "reeksvenster.h"
#include "toeval.h"
#include "widgets.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <vector>

namespace {

using Fouttekst = ReeksVarianten::Fouttekst;

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
    int aantal = 3;
    int gemaakt = 0;
    int resets = 0;

private:
    std::variant<Melding, int> ControleerInstellingen() override
    {
        if (fout)
            return *fout;
        return aantal;
    }
    Oefening MaakOefening() override
    {
        static const std::array<Oefening, 2> oefeningen {Oefening {"47", "-", "7", 40}, Oefening {"6", "x", "7", 42}};
        return oefeningen[static_cast<std::size_t>(gemaakt++ % 2)];
    }
    void ReeksGereset() override { ++resets; }
};

ReeksVarianten Drills()
{
    return {.resetOokOpHelp = true,
        .resetUitslag = QStringLiteral("Nieuwe reeks"),
        .startUitslag = std::nullopt,
        .tellersNulBijStart = true,
        .resterend = QStringLiteral("nog %1 oefeningen"),
        .eindResultaat = QStringLiteral("Resultaat : %1 op %2"),
        .fouttekst = Fouttekst::Oplossing};
}

ReeksVarianten Tafels()
{
    ReeksVarianten tafels;
    tafels.resetUitslag = std::nullopt;
    tafels.startUitslag = std::nullopt;
    tafels.resterend = QStringLiteral("Nog %1 oefeningen");
    return tafels;
}

struct Geval
{
    const char* naam;
    ReeksVarianten varianten;
    QString uitslagNaSetup;
    QString uitslagBijStart;
    QString fout;
    QString resterend; // of 3
    QString resultaatNaHelp;
    QString resultaatNaHerstart;
    QString eind;
    int resetsNaHelp;
};

QString Juist(const QWidget& venster)
{
    return tekst(venster, "lblLinks") == "47" ? QStringLiteral("40") : QStringLiteral("42");
}

const QString Ontwerptekst = QStringLiteral("Vul in en druk op [enter]");

std::vector<Geval> Gevallen()
{
    return {
        {"hoofdrekenen", {}, "Nieuwe reeks !", Ontwerptekst, "Foutje !", "nog 3 oefeningen", "Resultaat : 1 op 2",
            "Resultaat : 2 op 4", "3 op 6", 1},
        {"tafels", Tafels(), Ontwerptekst, Ontwerptekst, "Foutje !", "Nog 3 oefeningen", "Resultaat : 1 op 2",
            "Resultaat : 2 op 4", "3 op 6", 1},
        {"drills", Drills(), "Nieuwe reeks", "Nieuwe reeks", "47-7=40", "nog 3 oefeningen", "Resultaat : 0 op 0",
            "Resultaat : 1 op 1", "Resultaat : 2 op 3", 2},
    };
}

class ReeksTest : public ::testing::TestWithParam<Geval>
{
protected:
    ReeksTest() { ZaaiToeval(7); }
    NepDialogen dialogen;
};

// One script through every place where the modules differ: reset, start, wrong answer, Help during
// a series, a restart without Setup, and the end.
TEST_P(ReeksTest, VariantenSturenDeReeks)
{
    const Geval& geval = GetParam();
    Proefvenster venster(dialogen, geval.varianten);
    venster.show();

    klikTab(venster, 0);
    EXPECT_EQ(tekst(venster, "lblUitslag"), geval.uitslagNaSetup);
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
    antwoord(venster, "");
    EXPECT_EQ(tekst(venster, "lblUitslag"), "Klaar !");
    EXPECT_EQ(tekst(venster, "lblAantal"), "");
    EXPECT_EQ(tekst(venster, "lblResultaat"), geval.eind);
    EXPECT_EQ(dialogen.meldingen().size(), 1u);
    EXPECT_FALSE(venster.isVisible()) << "Nee closes the window";
}

INSTANTIATE_TEST_SUITE_P(Modules, ReeksTest, ::testing::ValuesIn(Gevallen()),
    [](const auto& param) { return std::string(param.param.naam); });

class ReeksFlow : public ::testing::Test
{
protected:
    ReeksFlow() { ZaaiToeval(11); }
    NepDialogen dialogen;
};

TEST_F(ReeksFlow, EindvraagEnJa)
{
    Proefvenster venster(dialogen, {});
    venster.show();
    venster.aantal = 2;
    klikTab(venster, 1);
    antwoord(venster, "40");
    dialogen.antwoord(Antwoord::Ja);
    antwoord(venster, "41");

    const auto& vraag = dialogen.laatste();
    EXPECT_EQ(vraag.prompt, "Alle oefeningen zijn gemaakt.\r\nJe haalde 1 op 2\r\n\r\nNog eens ?");
    EXPECT_EQ(vraag.titel, "opnieuw ?");
    EXPECT_EQ(vraag.knoppen, Knoppen::JaNee);
    EXPECT_EQ(vraag.icoon, Icoon::Geen);
    EXPECT_EQ(vraag.ouder, &venster);

    // Ja is a return to Setup: the tab follows the page and the score starts again.
    EXPECT_TRUE(venster.isVisible());
    EXPECT_EQ(paginaVoor(venster), 0);
    EXPECT_EQ(gekozenTab(venster), 0);
    EXPECT_EQ(tekst(venster, "lblResultaat"), "Resultaat : 0 op 0");
    EXPECT_EQ(venster.resets, 1);

    klikTab(venster, 1);
    EXPECT_EQ(tekst(venster, "lblAantal"), "nog 2 oefeningen");
    antwoord(venster, "40");
    EXPECT_EQ(tekst(venster, "lblResultaat"), "Resultaat : 1 op 1");
}

TEST_F(ReeksFlow, GeweigerdeStartToontAlleenDeMelding)
{
    struct Weigering
    {
        Melding melding;
        QString titel;
    };
    for (const Weigering& geval : {Weigering {{"Eigen titel !", "Titel !", Icoon::Geen}, "Titel !"},
             Weigering {{"Zonder titel !"}, ProgrammaTitel()},
             Weigering {{"Met icoon !", "Let op", Icoon::Waarschuwing}, "Let op"}}) {
        NepDialogen stil;
        Proefvenster venster(stil, {});
        venster.show();
        venster.fout = geval.melding;
        klikTab(venster, 1);
        ASSERT_EQ(stil.meldingen().size(), 1u);
        EXPECT_EQ(stil.laatste().prompt, geval.melding.prompt);
        EXPECT_EQ(stil.laatste().titel, geval.titel);
        EXPECT_EQ(stil.laatste().knoppen, Knoppen::Ok);
        EXPECT_EQ(stil.laatste().icoon, geval.melding.icoon);
        EXPECT_EQ(paginaVoor(venster), 0);
        EXPECT_EQ(gekozenTab(venster), 1);
        EXPECT_EQ(venster.gemaakt, 0);
        EXPECT_EQ(tekst(venster, "lblAantal"), "");
    }
}

class Opnemer final : public Geluidsspeler
{
public:
    void Speel(const QByteArray& wav) override { gespeeld.push_back(wav.left(4)); }
    std::vector<QByteArray> gespeeld;
};

TEST_F(ReeksFlow, GoedEnFoutKlinken)
{
    QTemporaryDir map;
    const QString vorige = QDir::currentPath();
    QDir::setCurrent(map.path());
    QDir().mkpath("sound");
    for (const QString soort : {"goed", "fout"}) {
        for (int n = 1; n <= 10; ++n) {
            QFile bestand(QStringLiteral("sound/%1%2.wav").arg(soort).arg(n));
            ASSERT_TRUE(bestand.open(QIODevice::WriteOnly));
            bestand.write(soort.toLatin1());
        }
    }
    LaadGeluiden();
    Opnemer speler;
    ZetGeluidsspeler(&speler);

    Proefvenster venster(dialogen, {});
    venster.show();
    klikTab(venster, 1);
    antwoord(venster, "40");
    antwoord(venster, "0");
    EXPECT_EQ(speler.gespeeld, (std::vector<QByteArray> {"goed", "fout"}));

    ZetGeluidsspeler(nullptr);
    QDir::setCurrent(vorige);
    LaadGeluiden(); // back to silence for the other tests
}

TEST_F(ReeksFlow, HetAntwoordvakKrijgtDeFocus)
{
    Proefvenster venster(dialogen, {});
    venster.show();
    venster.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&venster));
    auto* vak = vind<QLineEdit>(venster, "txtOplossing");
    klikTab(venster, 1);
    EXPECT_EQ(QApplication::focusWidget(), vak);
    QTest::keyClicks(QApplication::focusWidget(), "40");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(tekst(venster, "lblUitslag"), "Goed zo !");
    EXPECT_EQ(QApplication::focusWidget(), vak);
}

} // namespace
