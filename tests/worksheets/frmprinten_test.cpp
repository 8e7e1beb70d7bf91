#include "frmprinten.h"

#include "document.h"
#include "nepdialogen.h"
#include "toeval.h"
#include "widgets.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
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

Soortcheck Tafel(int tafel)
{
    return [tafel](const BladOpgave& o) { return o.Bewerking == "x" && o.Rechts == tafel; };
}

class PrintVenster : public ::testing::Test
{
public:
    void SetUp() override
    {
        ZaaiToeval(21);
        werkruimte.resize(1400, 1000);
        auto nieuw = std::make_unique<frmPrinten>(dialogen);
        venster = nieuw.get();
        werkruimte.addSubWindow(nieuw.release())->show();
        werkruimte.show();
    }

    void tab(int index) { klikTab(*venster, index); }
    void klik(const QString& naam) { vind<QAbstractButton>(*venster, naam)->click(); }
    void soorten(int pagina, const char* naam, std::initializer_list<int> vakjes)
    {
        tab(pagina);
        for (const int i : vakjes)
            vind<QCheckBox>(*venster, QStringLiteral("%1(%2)").arg(QLatin1String(naam)).arg(i))->setChecked(true);
    }
    void hoofdrekenen(const QString& maximum, int bewerking, bool brug = true)
    {
        tab(0);
        vind<QLineEdit>(*venster, QStringLiteral("txtMax"))->setText(maximum);
        if (bewerking >= 0)
            klik(QStringLiteral("optHRbewerking(%1)").arg(bewerking));
        klik(brug ? QStringLiteral("optBrugJa") : QStringLiteral("optBrugNee"));
    }
    void tafels(std::initializer_list<int> tafels, int soort)
    {
        tab(1);
        for (const int t : tafels)
            vind<QCheckBox>(*venster, QStringLiteral("chkTafel(%1)").arg(t - 1))->setChecked(true);
        if (soort >= 0)
            klik(QStringLiteral("optTtafels(%1)").arg(soort));
    }
    std::vector<QMdiSubWindow*> voorbeelden()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        std::vector<QMdiSubWindow*> kaders;
        for (QMdiSubWindow* kader : werkruimte.subWindowList())
            if (kader->widget() && kader->widget()->objectName() == QLatin1String("frmPrintVoorbeeld"))
                kaders.push_back(kader);
        return kaders;
    }
    QWidget& voorbeeld() { return *voorbeelden().at(0)->widget(); }
    // How many of the buttons that need a preview are enabled.
    long knoppenAan()
    {
        return std::ranges::count_if(
            std::initializer_list<const char*> {"cmdVoorbeeldZelfde", "cmdPrintOpgaven", "cmdPrintOplossingen",
                "cmdPdfOpgaven", "cmdPdfOplossingen", "cmdWOpgaven", "cmdWOplossingen"},
            [this](const char* naam) { return vind<QPushButton>(*venster, QString::fromUtf8(naam))->isEnabled(); });
    }

    NepDialogen dialogen;
    QMdiArea werkruimte;
    frmPrinten* venster = nullptr;
};

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
        std::vector<QString> meldingen;
        for (std::size_t i = eerder; i < dialogen.meldingen().size(); ++i)
            meldingen.push_back(dialogen.meldingen()[i].prompt);
        EXPECT_EQ(meldingen, geval.meldingen) << geval.naam;
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

// One ticked table allows only 10 different exercises: the first ten slots hold them all, the
// rest repeat them. A single kind asks no ordering question.
TEST_F(PrintVenster, HerhalingenMetEenTafel)
{
    tafels({7}, 0);
    klik(QStringLiteral("cmdVoorbeeld"));
    EXPECT_EQ(dialogen.meldingen().size(), 1U);
    std::set<QString> eerste, alle;
    for (std::size_t vak = 0; vak < BladAantal; ++vak) {
        const BladOpgave& o = venster->Blad().Opgaven.at(vak);
        EXPECT_TRUE(Tafel(7)(o) && o.Uitkomst == o.Links * 7) << o.Tekst.toStdString();
        if (vak < 10)
            eerste.insert(o.Sleutel);
        alle.insert(o.Sleutel);
    }
    EXPECT_EQ(eerste.size(), 10U);
    EXPECT_EQ(alle, eerste);
}

struct Ondertitel
{
    QString voorstel;
    std::function<void(PrintVenster&)> instellen;
};

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
        {"gemengde oefeningen",
            [](PrintVenster& t) {
                t.soorten(4, "chkSoort1000", {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11});
            }},
    };
    for (const Ondertitel& geval : gevallen) {
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
// closing it disables the buttons that need it.
TEST_F(PrintVenster, EenVoorbeeldTegelijk)
{
    EXPECT_EQ(knoppenAan(), 0);
    hoofdrekenen(QStringLiteral("100000"), 0);
    klik(QStringLiteral("cmdVoorbeeld"));
    const QPointer<QWidget> eerste = &voorbeeld();
    EXPECT_EQ(tekst(*eerste, QStringLiteral("lblTitel")), QStringLiteral("Optellen"));
    EXPECT_EQ(tekst(*eerste, QStringLiteral("lblOndertitel")), QString());
    for (std::size_t i = 0; i < BladAantal; ++i)
        EXPECT_EQ(tekst(*eerste, QStringLiteral("lblOef(%1)").arg(i)), venster->Blad().Opgaven.at(i).Tekst);

    klik(QStringLiteral("cmdVoorbeeld"));
    EXPECT_EQ(voorbeelden().size(), 1U);
    EXPECT_TRUE(eerste.isNull());
    klik(QStringLiteral("cmdVoorbeeldZelfde"));
    EXPECT_EQ(voorbeelden().size(), 1U);
    EXPECT_EQ(knoppenAan(), 7);

    voorbeelden().front()->close();
    EXPECT_TRUE(voorbeelden().empty());
    EXPECT_EQ(knoppenAan(), 0);
}

// A home of our own while it lives, so that documents land in a documents folder of our own.
struct EigenThuis
{
    QTemporaryDir map;
    const QByteArray oudThuis = qgetenv("HOME");
    const QByteArray oudConfig = qgetenv("XDG_CONFIG_HOME");
    EigenThuis()
    {
        qputenv("HOME", QFile::encodeName(map.path()));
        qunsetenv("XDG_CONFIG_HOME");
    }
    ~EigenThuis()
    {
        qputenv("HOME", oudThuis);
        if (!oudConfig.isEmpty())
            qputenv("XDG_CONFIG_HOME", oudConfig);
    }
};

// Two documents in the same minute get two files, in a documents folder made for them; each is
// filled with the sheet and opened.
TEST_F(PrintVenster, DocumentWordtGevuldEnGeopend)
{
    const EigenThuis thuis;
    const QString map = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    ASSERT_TRUE(map.startsWith(thuis.map.path()) && !QFileInfo::exists(map));
    std::vector<QString> geopend;
    venster->ZetSjabloon(QStringLiteral(TALLORA_SJABLOON));
    venster->ZetOpener([&geopend](const QUrl& url) {
        geopend.push_back(url.toLocalFile());
        return true;
    });
    hoofdrekenen(QStringLiteral("20"), 0);
    dialogen.invoer(QStringLiteral("klas 2"));
    klik(QStringLiteral("cmdVoorbeeld"));
    const std::size_t eerder = dialogen.meldingen().size();
    klik(QStringLiteral("cmdWOplossingen"));
    klik(QStringLiteral("cmdWOplossingen"));
    EXPECT_EQ(dialogen.meldingen().size(), eerder);
    ASSERT_EQ(geopend.size(), 2U);
    EXPECT_NE(geopend[0], geopend[1]);
    const BladOpgave& laatste = venster->Blad().Opgaven[29];
    for (const QString& pad : geopend) {
        EXPECT_EQ(QFileInfo(pad).absolutePath(), QFileInfo(map).absoluteFilePath());
        EXPECT_TRUE(QFileInfo(pad).fileName().startsWith(QStringLiteral("Oefenblad Optellen oplossingen 20")));
        DocumentFout fout = DocumentFout::OngeldigeXml;
        const std::vector<std::pair<QString, QString>> gelezen = LeesVelden(pad, &fout);
        std::map<QString, QString> velden(gelezen.begin(), gelezen.end());
        EXPECT_EQ(fout, DocumentFout::Geen);
        EXPECT_EQ(velden[QStringLiteral("titel")], QStringLiteral("Optellen"));
        EXPECT_EQ(velden[QStringLiteral("ondertitel")], QStringLiteral("klas 2"));
        EXPECT_EQ(velden[QStringLiteral("resultaat")], QStringLiteral("Dit zijn de oplossingen !"));
        EXPECT_EQ(velden[QStringLiteral("oef29")], laatste.Tekst);
        EXPECT_EQ(velden[QStringLiteral("opl29")], QString::number(laatste.Uitkomst));
    }

    // A missing template is reported with its path; nothing is written or opened.
    const QString sjabloon = QDir(map).filePath(QStringLiteral("nergens/data/oefenblad.docx"));
    venster->ZetSjabloon(sjabloon);
    klik(QStringLiteral("cmdWOpgaven"));
    EXPECT_TRUE(dialogen.laatste().prompt.contains(QDir::toNativeSeparators(sjabloon)));
    EXPECT_EQ(dialogen.laatste().titel, ProgrammaTitel());
    EXPECT_EQ(geopend.size(), 2U);
    EXPECT_EQ(QDir(map).entryList(QDir::Files).size(), 2);
}

} // namespace
