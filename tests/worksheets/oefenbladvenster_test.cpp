#include "printvenster.h"

#include <QPointer>

#include <algorithm>
#include <functional>
#include <set>

namespace {

const QString Eind = QStringLiteral("\r\n");
const QString Herbegin = Eind + QStringLiteral("Even herbeginnen...");

using Soortcheck = std::function<bool(const BladOpgave&)>;

// Whether every slot holds the kind of its block, the blocks splitting the sheet evenly.
bool InBlokken(const BladGegevens& blad, const std::vector<Soortcheck>& blokken)
{
    const std::size_t grootte = BladAantal / blokken.size();
    for (std::size_t vak = 0; vak < BladAantal; ++vak)
        if (!blokken.at(vak / grootte)(blad.Opgaven.at(vak)))
            return false;
    return true;
}

// "T+T", "TE-T=E" and "H-TE" of "Tot 100", in the order of their boxes 0, 5 and 26.
const std::vector<Soortcheck> Tot100 {
    [](const BladOpgave& o) { return o.Bewerking == "+" && o.Links % 10 == 0 && o.Rechts % 10 == 0; },
    [](const BladOpgave& o) { return o.Bewerking == "-" && o.Rechts % 10 == 0 && o.Uitkomst < 10; },
    [](const BladOpgave& o) { return o.Bewerking == "-" && o.Links == 100 && o.Rechts % 10 != 0; }};

// An exercise of a times table (x) or division table (:), its other number 1..10.
Soortcheck Tafel(int tafel, bool deel = false)
{
    return [=](const BladOpgave& o) {
        const std::int64_t ander = deel ? o.Uitkomst : o.Links;
        return o.Bewerking == (deel ? ":" : "x") && o.Rechts == tafel && ander >= 1 && ander <= 10
            && (deel ? o.Links : o.Uitkomst) == ander * tafel;
    };
}

struct Ongeldig
{
    const char* naam;
    std::function<void(PrintVenster&)> instellen;
    std::vector<QString> meldingen;
};

// Each refused "Printvoorbeeld" shows its messages in order and leaves the previous sheet, its
// subtitle and its ordering untouched: "Andere oefeningen" still makes the same kind of sheet.
TEST_F(PrintVenster, OngeldigeInstellingenLatenHetVorigeBladStaan)
{
    soorten(3, "chkSoort", {26, 0, 5});
    dialogen.antwoord(Antwoord::Ja);
    dialogen.invoer(QStringLiteral("mijn blad"));
    klik(QStringLiteral("cmdVoorbeeld"));
    ASSERT_TRUE(InBlokken(venster->Blad(), Tot100));

    const QString ongeldig = QStringLiteral("Kies een geldig maximum voor de oefeningen !");
    const QString leeg = QStringLiteral("Je moest nog een maximum opgeven !") + Herbegin;
    const QString geenSoort = QStringLiteral("Kies minstens 1 soort oefeningen !") + Herbegin;
    const auto maximum = [](const char* tekst, int bewerking) {
        return [=](PrintVenster& t) { t.hoofdrekenen(QString::fromUtf8(tekst), bewerking); };
    };
    const std::vector<Ongeldig> gevallen {
        {"geen bewerking", maximum("20", -1), {QStringLiteral("Kies nog een bewerking !!")}},
        {"leeg", maximum("", 0), {ongeldig, leeg}},
        {"tekst", maximum("abc", 0), {ongeldig, leeg}},
        {"nul", maximum(" 0.4", 0), {ongeldig, leeg}},
        {"te groot", maximum("100001", 0), {ongeldig}},
        {"negatief", maximum("-5", 0), {ongeldig}},
        {"te klein voor plus", maximum("2", 0),
            {QStringLiteral("Kies een maximum van minstens 3 voor deze bewerking !")}},
        {"te klein voor maal", maximum("5", 3),
            {QStringLiteral("Kies een maximum van minstens 6 voor deze bewerking !")}},
        {"geen tafel", [](PrintVenster& t) { t.tafels({}, -1); },
            {QStringLiteral("Je moest nog minstens 1 tafel kiezen !") + Herbegin}},
        {"geen tafelsoort", [](PrintVenster& t) { t.tafels({3}, -1); },
            {QStringLiteral("Kies nog maaltafels, deeltafels of beide !!")}},
        {"geen soort", [](PrintVenster& t) { t.tab(2); }, {geenSoort}},
        {"geen soort tot 100.000", [](PrintVenster& t) { t.tab(6); }, {geenSoort}},
    };
    for (const Ongeldig& geval : gevallen) {
        const BladGegevens vorig = venster->Blad();
        const std::size_t eerder = dialogen.meldingen().size();
        geval.instellen(*this);
        klik(QStringLiteral("cmdVoorbeeld"));
        EXPECT_EQ(meldingenVanaf(eerder), geval.meldingen) << geval.naam;
        for (std::size_t i = 0; i < BladAantal; ++i)
            EXPECT_EQ(venster->Blad().Opgaven.at(i).Sleutel, vorig.Opgaven.at(i).Sleutel) << geval.naam;
        EXPECT_EQ(venster->Blad().Ondertitel, QStringLiteral("mijn blad"));
    }
    klik(QStringLiteral("cmdVoorbeeldZelfde"));
    EXPECT_TRUE(InBlokken(venster->Blad(), Tot100));
    EXPECT_EQ(venster->Blad().Titel, QStringLiteral("Tellen tot 100"));
    EXPECT_EQ(venster->Blad().Ondertitel, QStringLiteral("mijn blad"));
}

// Six tables, answered Ja: one block of five per table, in table order, 10 included; answered
// Nee, the tables are mixed. (Blocks of 10 in box order: see the test above.)
TEST_F(PrintVenster, GeordendPerVijf)
{
    const std::vector<Soortcheck> blokken {Tafel(2), Tafel(3), Tafel(5), Tafel(7), Tafel(9), Tafel(10)};
    tafels({10, 2, 3, 5, 7, 9}, 0);
    dialogen.antwoord(Antwoord::Ja);
    klik(QStringLiteral("cmdVoorbeeld"));
    const NepDialogen::Oproep vraag = dialogen.meldingen().at(0);
    EXPECT_EQ(vraag.prompt,
        QStringLiteral("Je hebt 6 oefensoorten gekozen.") + Eind
            + QStringLiteral("Wil je de oefeningen ordenen per soort ?"));
    EXPECT_EQ(vraag.knoppen, Knoppen::JaNee);
    EXPECT_TRUE(InBlokken(venster->Blad(), blokken));

    dialogen.antwoord(Antwoord::Nee);
    klik(QStringLiteral("cmdVoorbeeld"));
    EXPECT_FALSE(InBlokken(venster->Blad(), blokken));
}

struct Gemengd
{
    const char* naam;
    std::function<void(PrintVenster&)> instellen;
    std::vector<Soortcheck> soorten; // each slot holds one of these, and each comes
    std::size_t verschillend; // different exercises on a sheet
    int gedeeld; // the most exercises that a sheet made by "Andere oefeningen" shares with the one before it
};

// A mixed sheet holds only the chosen kinds or tables, all of them, without repeats where there are enough
// exercises (one table has only ten). "Andere oefeningen" follows the same choice and avoids the previous sheet:
// of 207 exercises it shares at most one with it, where a sheet drawn without looking shares four or five; of 50,
// at most 15 (18 without looking, 10 at the very least); of 60, at most 12 (15 without looking). (With fewer
// than 30 of one operation, a sheet of both may repeat: each slot chooses its operation first.)
TEST_F(PrintVenster, GemengdBladHoudtZichAanDeKeuze)
{
    const std::vector<Gemengd> gevallen {
        {"tot 100",
            [](PrintVenster& t) {
                t.soorten(3, "chkSoort", {26, 0, 5});
                t.dialogen.antwoord(Antwoord::Nee);
            },
            Tot100, 30, 1},
        {"maaltafel van 7", [](PrintVenster& t) { t.tafels({7}, 0); }, {Tafel(7)}, 10, 10},
        {"deeltafels",
            [](PrintVenster& t) {
                t.tafels({2, 3, 5, 8, 9}, 1);
            },
            {Tafel(2, true), Tafel(3, true), Tafel(5, true), Tafel(8, true), Tafel(9, true)}, 30, 15},
        {"maal- en deeltafels",
            [](PrintVenster& t) {
                t.tafels({4, 6, 7}, 2);
            },
            {Tafel(4), Tafel(6), Tafel(7), Tafel(4, true), Tafel(6, true), Tafel(7, true)}, 30, 12},
    };
    for (const Gemengd& geval : gevallen) {
        open();
        geval.instellen(*this);
        klik(QStringLiteral("cmdVoorbeeld"));
        for (int keer = 0; keer < 4; ++keer) {
            const BladGegevens vorig = venster->Blad();
            if (keer > 0) {
                klik(QStringLiteral("cmdVoorbeeldZelfde"));
                EXPECT_LE(Gedeeld(venster->Blad(), vorig), geval.gedeeld) << geval.naam;
            }
            std::set<QString> sleutels;
            for (const BladOpgave& o : venster->Blad().Opgaven) {
                EXPECT_TRUE(std::ranges::any_of(geval.soorten, [&o](const Soortcheck& s) { return s(o); }))
                    << geval.naam << " " << Tekst(o).toStdString();
                sleutels.insert(o.Sleutel);
            }
            EXPECT_EQ(sleutels.size(), geval.verschillend) << geval.naam;
            for (const Soortcheck& soort : geval.soorten)
                EXPECT_TRUE(std::ranges::any_of(venster->Blad().Opgaven, soort)) << geval.naam;
        }
    }
}

struct Ondertitel
{
    QString voorstel;
    std::function<void(PrintVenster&)> instellen;
};

// Up to 45 characters the proposal is the choice itself, beyond that "gemengde oefeningen"; the
// preview shows whatever the box returns.
TEST_F(PrintVenster, OndertitelVoorstellen)
{
    const std::vector<Ondertitel> gevallen {
        {"tot 10", [](PrintVenster& t) { t.hoofdrekenen(QStringLiteral("10"), 0, false); }},
        {"tot 50 zonder brug", [](PrintVenster& t) { t.hoofdrekenen(QStringLiteral("50"), 0, false); }},
        {"tot 50 met brug", [](PrintVenster& t) { t.hoofdrekenen(QStringLiteral("50"), 2, true); }},
        {"tot 50", [](PrintVenster& t) { t.hoofdrekenen(QStringLiteral("50"), 3, true); }},
        {"tafel(s) van 2,5,10",
            [](PrintVenster& t) {
                t.tafels({2, 5, 10}, 1);
            }},
        {"TE+E,TE-Emb",
            [](PrintVenster& t) {
                t.soorten(2, "chkSoort20", {9, 2});
            }},
        {"H+H,H-H,H+T,H+E,H+TE,H+HTE,H-T,H-E,H-TE,H-HTE",
            [](PrintVenster& t) {
                t.soorten(4, "chkSoort1000", {0, 1, 2, 3, 4, 5, 6, 7, 8, 9});
            }},
        {"gemengde oefeningen", // "H+H,...,H-TE,HT+Tmb" has 46 characters
            [](PrintVenster& t) {
                t.soorten(4, "chkSoort1000", {0, 1, 2, 3, 4, 5, 6, 7, 8, 13});
            }},
    };
    for (const Ondertitel& geval : gevallen) {
        open();
        geval.instellen(*this);
        dialogen.invoer(QStringLiteral("aangepast ") + geval.voorstel);
        klik(QStringLiteral("cmdVoorbeeld"));
        const NepDialogen::Oproep& oproep = dialogen.laatste();
        EXPECT_EQ(oproep.soort, NepDialogen::Soort::Invoer);
        EXPECT_EQ(oproep.prompt, QStringLiteral("Pas eventueel de ondertitel hier aan :"));
        EXPECT_EQ(oproep.extra, geval.voorstel);
        EXPECT_EQ(tekst(voorbeeld(), QStringLiteral("lblOndertitel")), QStringLiteral("aangepast ") + geval.voorstel);
    }
}

// A cancelled subtitle box leaves the subtitle empty; a second preview replaces the first, and
// closing it disables the buttons that need it. Stop, or closing the worksheet window, closes both.
TEST_F(PrintVenster, EenVoorbeeldTegelijk)
{
    EXPECT_EQ(knoppenAan(), 0);
    hoofdrekenen(QStringLiteral("100000"), 0);
    klik(QStringLiteral("cmdVoorbeeld"));
    const QPointer<QWidget> eerste = &voorbeeld();
    EXPECT_EQ(tekst(*eerste, QStringLiteral("lblTitel")), QStringLiteral("Optellen"));
    EXPECT_EQ(tekst(*eerste, QStringLiteral("lblOndertitel")), QString());
    for (std::size_t i = 0; i < BladAantal; ++i)
        EXPECT_EQ(tekst(*eerste, QStringLiteral("lblOef(%1)").arg(i)), Tekst(venster->Blad().Opgaven.at(i)));
    const QString code = vind<QLineEdit>(*venster, QStringLiteral("txtBladcode"))->text();
    EXPECT_EQ(code, venster->Blad().Code);
    EXPECT_EQ(tekst(*eerste, QStringLiteral("lblBladcode")), QStringLiteral("Bladcode: ") + code);

    klik(QStringLiteral("cmdVoorbeeld"));
    EXPECT_EQ(vensters("frmPrintVoorbeeld").size(), 1U);
    EXPECT_TRUE(eerste.isNull());
    klik(QStringLiteral("cmdVoorbeeldZelfde"));
    EXPECT_EQ(vensters("frmPrintVoorbeeld").size(), 1U);
    EXPECT_EQ(knoppenAan(), 7);

    vensters("frmPrintVoorbeeld").front()->close();
    EXPECT_TRUE(vensters("frmPrintVoorbeeld").empty());
    EXPECT_EQ(knoppenAan(), 0);

    for (const bool stop : {true, false}) {
        open();
        hoofdrekenen(QStringLiteral("20"), 0);
        klik(QStringLiteral("cmdVoorbeeld"));
        ASSERT_EQ(vensters("frmPrintVoorbeeld").size(), 1U);
        if (stop)
            klik(QStringLiteral("cmdStop"));
        else
            vensters("frmPrinten").front()->close();
        EXPECT_TRUE(vensters("frmPrintVoorbeeld").empty()) << stop;
        EXPECT_TRUE(vensters("frmPrinten").empty()) << stop;
    }
}

} // namespace
