#include "getal.h"
#include "hoofdrekenen/frmhoofdrekenen.h"
#include "nepdialogen.h"
#include "opgave.h"
#include "toeval.h"
#include "twips.h"
#include "widgets.h"

#include <gtest/gtest.h>

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QRadioButton>

#include <set>

namespace {

class Hoofdrekenen : public ::testing::Test
{
protected:
    Hoofdrekenen()
    {
        ZaaiToeval(4711);
        ResetOpgave();
        venster.show();
    }

    QLineEdit* vak(const char* naam) { return vind<QLineEdit>(venster, naam); }
    QRadioButton* optie(const QString& naam) { return vind<QRadioButton>(venster, naam); }
    void kies(int bewerking) { optie(QStringLiteral("optBewerking(%1)").arg(bewerking))->click(); }

    // Starts a series with these settings from the Setup page.
    void start(const QString& maximum, const QString& aantal, int bewerking = 0)
    {
        klikTab(venster, 0);
        typ(vak("txtMax"), maximum);
        typ(vak("txtAantal"), aantal);
        kies(bewerking);
        klikTab(venster, 1);
    }

    // The answer of the exercise on screen, from the record the window copied it from.
    static QString juist() { return Tekst(*Opgave.Uitkomst); }

    NepDialogen dialogen;
    frmHoofdrekenen venster {dialogen};
};

TEST_F(Hoofdrekenen, BeginstandEnHelp)
{
    EXPECT_EQ(venster.objectName(), "frmHoofdrekenen");
    EXPECT_EQ(venster.windowTitle(), "De 4 bewerkingen");
    EXPECT_EQ(paginaVoor(venster), 0);
    const QStringList opties {"+", "-", "+ en -", "x", ":", "x en :", "alles"};
    for (int i = 0; i < opties.size(); ++i) {
        EXPECT_EQ(optie(QStringLiteral("optBewerking(%1)").arg(i))->text(), opties[i]);
        EXPECT_EQ(optie(QStringLiteral("optBewerking(%1)").arg(i))->isChecked(), i == 0);
    }
    EXPECT_TRUE(optie("optBrugJa")->isChecked());
    EXPECT_EQ(optie("optBrugNee")->text(), "mag niet");
    EXPECT_EQ(vak("txtMax")->text(), "20");
    EXPECT_EQ(vak("txtAantal")->text(), "20");
    EXPECT_EQ(tekst(venster, "lblUitslag"), "Vul in en druk op [enter]");
    EXPECT_EQ(tekst(venster, "lblHelpTitel(3)"),
        "Kies een bewerking, een maximum een aantal oefeningen en of je de brug wil laten gebeuren of niet. Klik dan "
        "op het tabblad 'Oefening' om te starten.");
}

TEST_F(Hoofdrekenen, StandaardReeksTotHetEinde)
{
    klikTab(venster, 1);
    EXPECT_EQ(paginaVoor(venster), 1);
    int goedGeteld = 0;
    for (int n = 20; n >= 1; --n) {
        ASSERT_EQ(tekst(venster, "lblAantal"), QStringLiteral("nog %1 oefeningen").arg(n));
        EXPECT_EQ(tekst(venster, "lblBewerking"), "+");
        EXPECT_EQ(tekst(venster, "lblLinks"), Tekst(Opgave.Links));
        EXPECT_EQ(tekst(venster, "lblRechts"), Tekst(Opgave.Rechts));
        EXPECT_LE(*Opgave.Uitkomst, 20);
        const bool goed = n % 4 != 0;
        antwoord(venster, goed ? juist() : juist() + "1", n % 2 ? Qt::Key_Enter : Qt::Key_Return);
        goedGeteld += goed ? 1 : 0;
        if (n > 1) {
            EXPECT_EQ(tekst(venster, "lblUitslag"), goed ? "Goed zo !" : "Foutje !");
            EXPECT_EQ(achtergrond(venster, "lblUitslag"), goed ? QColor(0, 255, 0) : QColor(255, 0, 0));
            EXPECT_EQ(
                tekst(venster, "lblResultaat"), QStringLiteral("Resultaat : %1 op %2").arg(goedGeteld).arg(21 - n));
        }
    }
    EXPECT_EQ(dialogen.laatste().prompt, "Alle oefeningen zijn gemaakt.\r\nJe haalde 15 op 20\r\n\r\nNog eens ?");
    EXPECT_EQ(tekst(venster, "lblUitslag"), "Klaar !");
    EXPECT_EQ(tekst(venster, "lblResultaat"), "15 op 20");
    EXPECT_EQ(tekst(venster, "lblAantal"), "");
    EXPECT_FALSE(venster.isVisible());
}

TEST_F(Hoofdrekenen, JaBegintOpnieuwOpSetup)
{
    start("20", "1");
    dialogen.antwoord(Antwoord::Ja);
    antwoord(venster, "");
    EXPECT_EQ(dialogen.laatste().prompt.section("\r\n", 1, 1), "Je haalde 0 op 1");
    EXPECT_TRUE(venster.isVisible());
    EXPECT_EQ(paginaVoor(venster), 0);
    EXPECT_EQ(gekozenTab(venster), 0);
    EXPECT_EQ(tekst(venster, "lblUitslag"), "Nieuwe reeks !");
    EXPECT_EQ(achtergrond(venster, "lblUitslag"), QColor(0, 0, 255));

    klikTab(venster, 1);
    EXPECT_EQ(tekst(venster, "lblAantal"), "nog 1 oefeningen");
    EXPECT_EQ(tekst(venster, "lblUitslag"), "Vul in en druk op [enter]");
}

TEST_F(Hoofdrekenen, NeeSluitHetMdiVenster)
{
    QMdiArea gebied;
    gebied.resize(1000, 700);
    gebied.show();
    QPointer<frmHoofdrekenen> module = new frmHoofdrekenen(dialogen);
    QPointer<QMdiSubWindow> kader = gebied.addSubWindow(module);
    kader->setAttribute(Qt::WA_DeleteOnClose);
    module->show();
    EXPECT_EQ(module->size(), PixelsGrootte(7000, 5000));
    EXPECT_EQ(kader->pos(), QPoint(gebied.viewport()->width() / 2 - kader->width() / 2, 0));

    klikTab(*module, 0);
    typ(vind<QLineEdit>(*module, "txtAantal"), "1");
    klikTab(*module, 1);
    antwoord(*module, juist());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(module.isNull());
    EXPECT_TRUE(kader.isNull());
}

TEST_F(Hoofdrekenen, OngeldigeInstellingenStartenNiets)
{
    struct Geval
    {
        QString maximum;
        QString aantal;
        int bewerking;
        QString prompt;
        QString titel;
    };
    const QString geenMaximum = "Geef een maximum op !";
    const QString aantalFout = "Je aantal oefeningen klopt niet !";
    const std::vector<Geval> gevallen {
        {"1", "20", 0, geenMaximum, "Maximum !"},
        {"", "20", 0, geenMaximum, "Maximum !"},
        {"twintig", "20", 0, geenMaximum, "Maximum !"},
        {"1.4", "20", 0, geenMaximum, "Maximum !"},
        {"2147483648", "20", 0, geenMaximum, "Maximum !"},
        {"1", "0", 0, geenMaximum, "Maximum !"},
        {"20", "0", 0, aantalFout, ProgrammaTitel()},
        {"20", "", 0, aantalFout, ProgrammaTitel()},
        {"20", "-3", 0, aantalFout, ProgrammaTitel()},
        {"20", "32768", 0, aantalFout, ProgrammaTitel()},
        {"2", "20", 0, "Kies een maximum van minstens 3 voor deze bewerking !", "Maximum !"},
        {"2", "20", 2, "Kies een maximum van minstens 3 voor deze bewerking !", "Maximum !"},
        {"2", "20", 3, "Kies een maximum van minstens 6 voor deze bewerking !", "Maximum !"},
        {"5", "20", 6, "Kies een maximum van minstens 6 voor deze bewerking !", "Maximum !"},
    };
    // A series that ran before; the Setup tab reset its score, a refused start changes nothing more.
    start("20", "5");
    antwoord(venster, juist());
    const QString som = tekst(venster, "lblLinks") + tekst(venster, "lblBewerking") + tekst(venster, "lblRechts");
    for (const Geval& geval : gevallen) {
        klikTab(venster, 0);
        typ(vak("txtMax"), geval.maximum);
        typ(vak("txtAantal"), geval.aantal);
        kies(geval.bewerking);
        const auto voor = dialogen.meldingen().size();
        klikTab(venster, 1);
        ASSERT_EQ(dialogen.meldingen().size(), voor + 1)
            << geval.maximum.toStdString() << " " << geval.aantal.toStdString();
        EXPECT_EQ(dialogen.laatste().prompt, geval.prompt);
        EXPECT_EQ(dialogen.laatste().titel, geval.titel);
        EXPECT_EQ(dialogen.laatste().knoppen, Knoppen::Ok);
        EXPECT_EQ(dialogen.laatste().icoon, Icoon::Geen);
        EXPECT_EQ(paginaVoor(venster), 0);
        EXPECT_EQ(gekozenTab(venster), 1);
        EXPECT_EQ(tekst(venster, "lblAantal"), "nog 4 oefeningen");
        EXPECT_EQ(tekst(venster, "lblLinks") + tekst(venster, "lblBewerking") + tekst(venster, "lblRechts"), som);
        EXPECT_EQ(tekst(venster, "lblResultaat"), "Resultaat : 0 op 0");
    }
    // Oefening again (the tab already selected) with good settings: the largest count that fits.
    typ(vak("txtMax"), "20");
    typ(vak("txtAantal"), "32767");
    kies(0);
    klikTab(venster, 1);
    EXPECT_EQ(paginaVoor(venster), 1);
    EXPECT_EQ(tekst(venster, "lblAantal"), "nog 32767 oefeningen");
    antwoord(venster, juist());
    EXPECT_EQ(tekst(venster, "lblResultaat"), "Resultaat : 1 op 1");
    EXPECT_EQ(tekst(venster, "lblAantal"), "nog 32766 oefeningen");
}

TEST_F(Hoofdrekenen, BewerkingEnBrugWordenBijDeStartGenomen)
{
    struct Geval
    {
        int bewerking;
        QString maximum;
        std::set<QString> tekens;
    };
    const std::vector<Geval> gevallen {
        {0, "20", {"+"}},
        {1, "20", {"-"}},
        {2, "20", {"+", "-"}},
        {3, "50", {"x"}},
        {4, "50", {":"}},
        {5, "50", {"x", ":"}},
        {6, "100", {"+", "-", "x", ":"}},
    };
    for (const Geval& geval : gevallen) {
        dialogen.antwoord(Antwoord::Ja);
        start(geval.maximum, "60", geval.bewerking);
        kies((geval.bewerking + 1) % 7); // changing the Setup page during a series changes nothing
        std::set<QString> gezien;
        for (int i = 0; i < 60; ++i) {
            gezien.insert(tekst(venster, "lblBewerking"));
            const auto grootste = std::max({Opgave.Links, Opgave.Rechts, *Opgave.Uitkomst});
            EXPECT_LE(grootste, geval.maximum.toInt());
            antwoord(venster, juist());
        }
        EXPECT_EQ(gezien, geval.tekens) << geval.bewerking;
        EXPECT_EQ(dialogen.laatste().prompt.section("\r\n", 1, 1), "Je haalde 60 op 60");
    }
}

TEST_F(Hoofdrekenen, ZonderBrugGeenOvergangBijDeEenheden)
{
    for (const bool brug : {false, true}) {
        dialogen.antwoord(Antwoord::Ja);
        optie(brug ? "optBrugJa" : "optBrugNee")->click();
        start("99", "200");
        bool overgang = false;
        for (int i = 0; i < 200; ++i) {
            overgang = overgang || Opgave.Links % 10 + Opgave.Rechts % 10 > 9;
            antwoord(venster, juist());
        }
        EXPECT_EQ(overgang, brug);
    }
}

TEST_F(Hoofdrekenen, BrugopiesVolgenHetMaximumEnDeLaatsteReeks)
{
    struct Stap
    {
        int startBewerking; // -1: no series, only typing the maximum
        QString maximum;
        bool aan;
    };
    // After a series with x or : the options keep their state; choosing "+" without starting changes nothing.
    const std::vector<Stap> stappen {
        {-1, "10", false},
        {-1, "11", true},
        {-1, "10.6", true},
        {-1, "10.5", false},
        {-1, "-99999999999", false},
        {-1, "99999999999", true},
        {3, "10", false},
        {-1, "11", false},
        {-1, "50", false},
        {0, "20", false}, // the start itself re-evaluates nothing
        {-1, "12", true},
        {4, "30", true},
        {-1, "9", false},
        {-1, "80", false},
    };
    for (const Stap& stap : stappen) {
        if (stap.startBewerking >= 0) {
            start(stap.maximum, "5", stap.startBewerking);
            klikTab(venster, 0);
        } else {
            kies(0);
            typ(vak("txtMax"), stap.maximum);
        }
        EXPECT_EQ(optie("optBrugJa")->isEnabled(), stap.aan) << stap.maximum.toStdString();
        EXPECT_EQ(optie("optBrugNee")->isEnabled(), stap.aan) << stap.maximum.toStdString();
    }
}

TEST_F(Hoofdrekenen, BinnenkomenInDeVakkenMaaktZeLeeg)
{
    for (const char* naam : {"txtAantal", "txtMax"}) {
        binnenkomst(vak(naam));
        EXPECT_EQ(vak(naam)->text(), "") << naam;
    }
    // The maximum box is empty now, so the bridge options are off until a maximum is typed.
    EXPECT_FALSE(optie("optBrugJa")->isEnabled());
}

TEST_F(Hoofdrekenen, AllesPastBinnenHetVenster)
{
    start("99999", "32767", 6);
    antwoord(venster, "0");
    for (int pagina : {1, 2, 0}) {
        klikTab(venster, pagina);
        QApplication::processEvents();
        EXPECT_EQ(venster.size(), PixelsGrootte(7000, 5000));
        EXPECT_EQ(botsingen(venster), QStringList()) << pagina;
    }
}

} // namespace
