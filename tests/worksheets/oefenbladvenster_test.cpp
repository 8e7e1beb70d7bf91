#include "bladvenster.h"

#include <QImage>
#include <QPointer>
#include <QTemporaryDir>

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
const QStringList Tot100Vakjes {"chkSoort(26)", "chkSoort(0)", "chkSoort(5)"};
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

// Each refused "Printvoorbeeld" shows its messages in order and leaves the previous sheet, its subtitle and its
// ordering (three kinds in blocks of ten, answered Ja) untouched: "Andere oefeningen" still makes the same kind of
// sheet.
TEST_F(Oefenbladen, OngeldigeInstellingenLatenHetVorigeBladStaan)
{
    stel(3, Tot100Vakjes);
    dialogen.antwoord(Antwoord::Ja);
    dialogen.invoer(QStringLiteral("mijn blad"));
    klik("cmdVoorbeeld");
    EXPECT_EQ(dialogen.meldingen().at(0).prompt,
        "Je hebt 3 oefensoorten gekozen." + Eind + "Wil je de oefeningen ordenen per soort ?");
    ASSERT_TRUE(InBlokken(blad(), Tot100));

    const QString ongeldig = QStringLiteral("Kies een geldig maximum voor de oefeningen !");
    const QString leeg = QStringLiteral("Je moest nog een maximum opgeven !") + Herbegin;
    const QString geenSoort = QStringLiteral("Kies minstens 1 soort oefeningen !") + Herbegin;
    // The page, the maximum typed on Hoofdrekenen, the boxes ticked and the messages that follow.
    const std::tuple<int, QString, QStringList, std::vector<QString>> gevallen[] = {
        {0, "20", {}, {"Kies nog een bewerking !!"}},
        {0, "", {"optHRbewerking(0)"}, {ongeldig, leeg}},
        {0, " 0.4", {}, {ongeldig, leeg}},
        {0, "100001", {}, {ongeldig}},
        {0, "-5", {}, {ongeldig}},
        {0, "2", {}, {"Kies een maximum van minstens 3 voor deze bewerking !"}},
        {0, "5", {"optHRbewerking(3)"}, {"Kies een maximum van minstens 6 voor deze bewerking !"}},
        {1, "", {}, {"Je moest nog minstens 1 tafel kiezen !" + Herbegin}},
        {1, "", {"chkTafel(2)"}, {"Kies nog maaltafels, deeltafels of beide !!"}},
        {2, "", {}, {geenSoort}},
        {6, "", {}, {geenSoort}},
    };
    for (const auto& [tab, maximum, aan, meldingen] : gevallen) {
        SCOPED_TRACE(maximum.toStdString() + " op " + std::to_string(tab));
        const BladGegevens vorig = blad();
        const std::size_t eerder = dialogen.meldingen().size();
        stel(tab, aan, maximum);
        klik("cmdVoorbeeld");
        EXPECT_EQ(meldingenVanaf(eerder), meldingen);
        EXPECT_EQ(Teksten(blad()), Teksten(vorig));
        EXPECT_EQ(blad().Ondertitel, "mijn blad");
    }
    klik("cmdVoorbeeldZelfde");
    EXPECT_TRUE(InBlokken(blad(), Tot100));
    EXPECT_EQ(blad().Titel, "Tellen tot 100");
    EXPECT_EQ(blad().Ondertitel, "mijn blad");
}

struct Gemengd
{
    int tab;
    QStringList aan;
    std::optional<Antwoord> ordenen; // the answer to the ordering question, when it comes
    std::vector<Soortcheck> soorten; // each slot holds one of these, and each comes; in this order when ordered
    std::size_t verschillend; // different exercises on a sheet
    int gedeeld; // the most exercises that a sheet made by "Andere oefeningen" shares with the one before it
};

// A sheet holds only the chosen kinds or tables, all of them, without repeats where there are enough exercises
// (one table has only ten); six kinds answered Ja stand in blocks of five in table order, 10 included. "Andere
// oefeningen" follows the same choice and avoids the previous sheet: of 207 exercises it shares at most one with it,
// where a sheet drawn without looking shares four or five; of 50, at most 15 (18 without looking, 10 at the very
// least); of 60 (also in blocks), at most 12 (15 without looking). (With fewer than 30 of one operation, a sheet of
// both may repeat: each slot chooses its operation first.)
TEST_F(Oefenbladen, BladHoudtZichAanDeKeuze)
{
    const QStringList zes {"chkTafel(9)", "chkTafel(1)", "chkTafel(2)", "chkTafel(4)", "chkTafel(6)", "chkTafel(8)"};
    const std::vector<Gemengd> gevallen {
        {3, Tot100Vakjes, Antwoord::Nee, Tot100, 30, 1},
        {1, {"chkTafel(6)", "optTtafels(0)"}, {}, {Tafel(7)}, 10, 10},
        {1, {"chkTafel(1)", "chkTafel(2)", "chkTafel(4)", "chkTafel(7)", "chkTafel(8)", "optTtafels(1)"}, {},
            {Tafel(2, true), Tafel(3, true), Tafel(5, true), Tafel(8, true), Tafel(9, true)}, 30, 15},
        {1, {"chkTafel(3)", "chkTafel(5)", "chkTafel(6)", "optTtafels(2)"}, {},
            {Tafel(4), Tafel(6), Tafel(7), Tafel(4, true), Tafel(6, true), Tafel(7, true)}, 30, 12},
        {1, zes + QStringList {"optTtafels(0)"}, Antwoord::Ja,
            {Tafel(2), Tafel(3), Tafel(5), Tafel(7), Tafel(9), Tafel(10)}, 30, 12},
    };
    for (const Gemengd& geval : gevallen) {
        SCOPED_TRACE(geval.aan.join(u' ').toStdString());
        open();
        stel(geval.tab, geval.aan);
        if (geval.ordenen)
            dialogen.antwoord(*geval.ordenen);
        klik("cmdVoorbeeld");
        for (int keer = 0; keer < 4; ++keer) {
            const BladGegevens vorig = blad();
            if (keer > 0) {
                klik("cmdVoorbeeldZelfde");
                EXPECT_LE(Gedeeld(blad(), vorig), geval.gedeeld);
            }
            std::set<QString> sleutels;
            for (const BladOpgave& o : blad().Opgaven) {
                EXPECT_TRUE(std::ranges::any_of(geval.soorten, [&o](const Soortcheck& s) { return s(o); }))
                    << Tekst(o).toStdString();
                sleutels.insert(o.Sleutel);
            }
            EXPECT_EQ(sleutels.size(), geval.verschillend);
            for (const Soortcheck& soort : geval.soorten)
                EXPECT_TRUE(std::ranges::any_of(blad().Opgaven, soort));
            if (geval.ordenen) {
                EXPECT_EQ(InBlokken(blad(), geval.soorten), *geval.ordenen == Antwoord::Ja);
            }
        }
    }
    EXPECT_TRUE(dialogen.alleAntwoordenGebruikt());
}

// Up to 45 characters the proposal is the choice itself, beyond that "gemengde oefeningen"; the preview shows
// whatever the box returns as typed: markup in it stays text, never bold print or a picture from disk.
TEST_F(Oefenbladen, OndertitelVoorstellenEnTonen)
{
    const QTemporaryDir map;
    const QString plaatje = map.filePath(QStringLiteral("groot.png"));
    QImage groot(300, 300, QImage::Format_RGB32);
    groot.fill(Qt::red);
    ASSERT_TRUE(groot.save(plaatje));
    const QStringList opmaak {QStringLiteral("<b>%1</b>"), QStringLiteral("<img src=\"%1\">").arg(plaatje) + "%1",
        QStringLiteral("&amp; <i>%1</i>"), QStringLiteral("<a href=\"file:///etc/passwd\">%1</a>")};
    QStringList tien;
    for (int i = 0; i < 10; ++i)
        tien << QStringLiteral("chkSoort1000(%1)").arg(i);
    const std::vector<std::tuple<QString, int, QStringList, QString>> gevallen {
        {"tot 10", 0, {"optHRbewerking(0)", "optBrugNee"}, "10"},
        {"tot 50 zonder brug", 0, {"optHRbewerking(0)", "optBrugNee"}, "50"},
        {"tot 50 met brug", 0, {"optHRbewerking(2)", "optBrugJa"}, "50"},
        {"tot 50", 0, {"optHRbewerking(3)", "optBrugJa"}, "50"},
        {"tafel(s) van 2,5,10", 1, {"chkTafel(9)", "chkTafel(1)", "chkTafel(4)", "optTtafels(1)"}, ""},
        {"TE+E,TE-Emb", 2, {"chkSoort20(9)", "chkSoort20(2)"}, ""},
        // Ten kinds: 45 characters; with the fourteenth in place of the tenth ("HT+Tmb"), 46.
        {"H+H,H-H,H+T,H+E,H+TE,H+HTE,H-T,H-E,H-TE,H-HTE", 4, tien, ""},
        {"gemengde oefeningen", 4, tien.first(9) + QStringList {"chkSoort1000(13)"}, ""},
    };
    for (std::size_t i = 0; i < gevallen.size(); ++i) {
        const auto& [voorstel, tab, aan, maximum] = gevallen[i];
        SCOPED_TRACE(voorstel.toStdString());
        open();
        stel(tab, aan, maximum);
        const QString ondertitel = opmaak[static_cast<qsizetype>(i) % opmaak.size()].arg(voorstel);
        dialogen.invoer(ondertitel);
        klik("cmdVoorbeeld");
        const NepDialogen::Oproep& oproep = dialogen.laatste();
        EXPECT_EQ(oproep.soort, NepDialogen::Soort::Invoer);
        EXPECT_EQ(oproep.prompt, "Pas eventueel de ondertitel hier aan :");
        EXPECT_EQ(oproep.extra, voorstel);
        const QLabel* label = vind<QLabel>(*voorbeeld(), "lblOndertitel");
        QLabel gewoon;
        gewoon.setTextFormat(Qt::PlainText);
        gewoon.setFont(label->font());
        gewoon.setText(ondertitel);
        EXPECT_EQ(label->text(), ondertitel);
        EXPECT_EQ(label->sizeHint(), gewoon.sizeHint());
    }
}

// A cancelled subtitle box leaves the subtitle empty; the preview shows the sheet and its code. A second preview
// replaces the first, and closing it disables the buttons that need it. Stop, or closing the worksheet window, closes
// both.
TEST_F(Oefenbladen, EenVoorbeeldTegelijk)
{
    EXPECT_EQ(knoppenAan(), 0);
    stel(0, {"optHRbewerking(0)"}, "100000");
    klik("cmdVoorbeeld");
    const QPointer<QWidget> eerste = voorbeeld();
    EXPECT_EQ(tekst(*eerste, "lblTitel"), "Optellen");
    EXPECT_EQ(tekst(*eerste, "lblOndertitel"), "");
    for (std::size_t i = 0; i < BladAantal; ++i)
        EXPECT_EQ(tekst(*eerste, QStringLiteral("lblOef(%1)").arg(i)), Tekst(blad().Opgaven.at(i)));
    EXPECT_EQ(tekst(*eerste, "lblBladcode"), "Bladcode: " + blad().Code);

    klik("cmdVoorbeeld");
    ASSERT_NE(voorbeeld(), nullptr);
    EXPECT_TRUE(eerste.isNull());
    klik("cmdVoorbeeldZelfde");
    EXPECT_EQ(programma.OpenVensters(), (QStringList {"frmPrintVoorbeeld", "frmPrinten"}));
    EXPECT_EQ(knoppenAan(), 7);
    voorbeeld()->parentWidget()->close();
    EXPECT_EQ(voorbeeld(), nullptr);
    EXPECT_EQ(knoppenAan(), 0);

    for (const bool stop : {true, false}) {
        open();
        stel(0, {"optHRbewerking(0)"}, "20");
        klik("cmdVoorbeeld");
        ASSERT_NE(voorbeeld(), nullptr);
        if (stop)
            klik("cmdStop");
        else
            venster().parentWidget()->close();
        EXPECT_EQ(programma.OpenVensters(), QStringList()) << stop;
    }
}

} // namespace
