#include "getal.h"
#include "hoofdrekenen/frmhoofdrekenen.h"
#include "nepdialogen.h"
#include "opgave.h"
#include "toeval.h"
#include "widgets.h"

#include <gtest/gtest.h>

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QRadioButton>

#include <tuple>

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

    void vulIn(const QString& maximum, const QString& aantal, int bewerking = 0)
    {
        typ(vak("txtMax"), maximum);
        typ(vak("txtAantal"), aantal);
        kies(bewerking);
    }

    // The answer of the exercise on screen, from the record the window copied it from.
    static QString juist() { return Tekst(*Opgave.Uitkomst); }

    NepDialogen dialogen;
    frmHoofdrekenen venster {dialogen};
};

// The default series by keyboard, right and wrong; at the end Ja starts again on the Setup page and
// Nee closes the module together with its MDI frame.
TEST_F(Hoofdrekenen, StandaardReeksEnDeEindvraag)
{
    QMdiArea gebied;
    gebied.show();
    for (const Antwoord keuze : {Antwoord::Ja, Antwoord::Nee}) {
        QPointer<frmHoofdrekenen> module = new frmHoofdrekenen(dialogen);
        QPointer<QMdiSubWindow> kader = gebied.addSubWindow(module);
        kader->setAttribute(Qt::WA_DeleteOnClose);
        module->show();
        klikTab(*module, 1);
        dialogen.antwoord(keuze);
        for (int n = 20; n >= 1; --n) {
            ASSERT_EQ(tekst(*module, "lblAantal"), QStringLiteral("nog %1 oefeningen").arg(n));
            EXPECT_EQ(tekst(*module, "lblLinks") + tekst(*module, "lblBewerking") + tekst(*module, "lblRechts"),
                Tekst(Opgave.Links) + "+" + Tekst(Opgave.Rechts));
            EXPECT_LE(*Opgave.Uitkomst, 20);
            const bool goed = n % 4 != 0;
            antwoord(*module, goed ? juist() : juist() + "1", n % 2 ? Qt::Key_Enter : Qt::Key_Return);
            if (n > 1) {
                EXPECT_EQ(tekst(*module, "lblUitslag"), goed ? "Goed zo !" : "Foutje !");
            }
        }
        EXPECT_EQ(dialogen.laatste().prompt, "Alle oefeningen zijn gemaakt.\r\nJe haalde 15 op 20\r\n\r\nNog eens ?");
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_EQ(kader.isNull(), keuze == Antwoord::Nee);
        if (keuze == Antwoord::Ja) {
            EXPECT_EQ(paginaVoor(*module), 0);
            EXPECT_EQ(gekozenTab(*module), 0);
            EXPECT_EQ(tekst(*module, "lblUitslag"), "Nieuwe reeks !");
            EXPECT_EQ(tekst(*module, "lblResultaat"), "Resultaat : 0 op 0");
        }
    }
}

TEST_F(Hoofdrekenen, OngeldigeInstellingenStartenNiets)
{
    const QString geenMaximum = "Geef een maximum op !";
    const QString aantalFout = "Je aantal oefeningen klopt niet !";
    // maximum, count, operation, message, title
    const std::vector<std::tuple<QString, QString, int, QString, QString>> gevallen {
        {"1", "20", 0, geenMaximum, "Maximum !"},
        {"", "20", 0, geenMaximum, "Maximum !"},
        {"1.4", "20", 0, geenMaximum, "Maximum !"},
        {"2147483648", "20", 0, geenMaximum, "Maximum !"},
        {"1", "0", 0, geenMaximum, "Maximum !"},
        {"20", "0", 0, aantalFout, ProgrammaTitel()},
        {"20", "32768", 0, aantalFout, ProgrammaTitel()},
        {"2", "20", 2, "Kies een maximum van minstens 3 voor deze bewerking !", "Maximum !"},
        {"2", "20", 3, "Kies een maximum van minstens 6 voor deze bewerking !", "Maximum !"},
        {"5", "20", 6, "Kies een maximum van minstens 6 voor deze bewerking !", "Maximum !"},
    };
    // A series that ran before: a refused start leaves it as the Setup tab left it.
    vulIn("20", "5");
    klikTab(venster, 1);
    antwoord(venster, juist());
    for (const auto& [maximum, aantal, bewerking, prompt, titel] : gevallen) {
        SCOPED_TRACE(maximum.toStdString() + " " + aantal.toStdString());
        klikTab(venster, 0);
        vulIn(maximum, aantal, bewerking);
        const auto voor = dialogen.meldingen().size();
        klikTab(venster, 1);
        ASSERT_EQ(dialogen.meldingen().size(), voor + 1);
        EXPECT_EQ(dialogen.laatste().prompt, prompt);
        EXPECT_EQ(dialogen.laatste().titel, titel);
        EXPECT_EQ(paginaVoor(venster), 0);
        EXPECT_EQ(tekst(venster, "lblAantal"), "nog 4 oefeningen");
        EXPECT_EQ(tekst(venster, "lblResultaat"), "Resultaat : 0 op 0");
    }
    // Oefening again, the tab still selected after the refusal, with the largest count that fits.
    vulIn("20", "32767");
    klikTab(venster, 1);
    EXPECT_EQ(paginaVoor(venster), 1);
    EXPECT_EQ(tekst(venster, "lblAantal"), "nog 32767 oefeningen");
}

// The bridge options are on only for a maximum above 10 with + or - chosen at the last start.
TEST_F(Hoofdrekenen, BrugopiesVolgenHetMaximumEnDeLaatsteReeks)
{
    // the operation of a series started with this maximum (-1: only typing it), options on
    const std::vector<std::tuple<int, QString, bool>> stappen {
        {-1, "10", false},
        {-1, "11", true},
        {-1, "10.5", false},
        {-1, "99999999999", true},
        {3, "10", false},
        {-1, "11", false},
        {0, "20", false}, // the start itself re-evaluates nothing
        {-1, "12", true},
        {4, "30", true},
        {-1, "80", false},
    };
    for (const auto& [bewerking, maximum, aan] : stappen) {
        kies(0);
        if (bewerking >= 0) {
            vulIn(maximum, "5", bewerking);
            klikTab(venster, 1);
            klikTab(venster, 0);
        } else {
            typ(vak("txtMax"), maximum);
        }
        EXPECT_EQ(optie("optBrugJa")->isEnabled(), aan) << maximum.toStdString();
        EXPECT_EQ(optie("optBrugNee")->isEnabled(), aan) << maximum.toStdString();
    }
}

} // namespace
