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
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QToolButton>

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <ranges>

namespace {

const QString Eind = QStringLiteral("\r\n");
const std::vector<const char*> VoorbeeldKnoppen {"cmdVoorbeeldZelfde", "cmdPrintOpgaven", "cmdPrintOplossingen",
    "cmdPdfOpgaven", "cmdPdfOplossingen", "cmdWOpgaven", "cmdWOplossingen"};

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
    void vink(const QString& naam, std::initializer_list<int> vakjes)
    {
        for (const int i : vakjes)
            vind<QCheckBox>(*venster, QStringLiteral("%1(%2)").arg(naam).arg(i))->setChecked(true);
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
            vink(QStringLiteral("chkTafel"), {t - 1});
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
    QWidget& voorbeeld()
    {
        const std::vector<QMdiSubWindow*> kaders = voorbeelden();
        if (kaders.size() != 1)
            throw std::logic_error("expected one preview");
        return *kaders.front()->widget();
    }
    // How many of the buttons that need a preview are enabled.
    long knoppenAan()
    {
        return std::ranges::count_if(VoorbeeldKnoppen,
            [this](const char* naam) { return vind<QPushButton>(*venster, QString::fromUtf8(naam))->isEnabled(); });
    }
    std::vector<QString> prompts() const
    {
        std::vector<QString> uit;
        for (const NepDialogen::Oproep& oproep : dialogen.meldingen())
            uit.push_back(oproep.prompt);
        return uit;
    }

    NepDialogen dialogen;
    QMdiArea werkruimte;
    frmPrinten* venster = nullptr;
};

TEST_F(PrintVenster, VensterBijOpenen)
{
    EXPECT_EQ(venster->objectName(), QStringLiteral("frmPrinten"));
    EXPECT_EQ(venster->windowTitle(), QStringLiteral("Oefenbladen afprinten : voorbereiding"));
    EXPECT_EQ(venster->size(), QSize(467, 333));
    EXPECT_EQ(venster->parentWidget()->pos(), QPoint(0, 0));
    auto* tabs = vind<QTabBar>(*venster, QStringLiteral("TabStrip"));
    QStringList opschriften;
    QStringList sleutels;
    for (int i = 0; i < tabs->count(); ++i) {
        opschriften << tabs->tabText(i);
        sleutels << tabs->tabData(i).toString();
    }
    EXPECT_EQ(opschriften.join(u'|'),
        QStringLiteral("Hoofdrekenen|Tafels|Tot 20|Tot 100|Tot 1000|Tot 10.000|Tot 100.000|Help"));
    EXPECT_EQ(sleutels.join(u'|'),
        QStringLiteral("hoofdrekenen|tafels|twintig|honderd|duizend|tienduizend|honderdduizend|help"));
    EXPECT_EQ(tabs->tabToolTip(2), QStringLiteral("Klik hier voor meer uitleg"));
    EXPECT_TRUE(tabs->tabToolTip(3).isEmpty());
    EXPECT_EQ(paginaVoor(*venster), 0);
    EXPECT_EQ(vind<QLineEdit>(*venster, QStringLiteral("txtMax"))->text(), QStringLiteral("20"));
    EXPECT_TRUE(vind<QRadioButton>(*venster, QStringLiteral("optBrugJa"))->isChecked());
    EXPECT_TRUE(vind<QPushButton>(*venster, QStringLiteral("cmdVoorbeeld"))->isEnabled());
    EXPECT_TRUE(vind<QToolButton>(*venster, QStringLiteral("cmdStop"))->isEnabled());
    EXPECT_EQ(knoppenAan(), 0);
    EXPECT_EQ(vind<QCheckBox>(*venster, QStringLiteral("chkSoort(13)"))->text(), QStringLiteral("TE-T=TE"));
    EXPECT_EQ(vind<QCheckBox>(*venster, QStringLiteral("chkSoortTD(13)"))->text(), QStringLiteral("DHT+HT=DH"));

    tab(7);
    EXPECT_EQ(paginaVoor(*venster), 7);
    EXPECT_FALSE(vind<QPushButton>(*venster, QStringLiteral("cmdVoorbeeld"))->isEnabled());
    EXPECT_TRUE(tekst(*venster, QStringLiteral("lblHelpTitel(3)")).endsWith(QStringLiteral("te ordenen op je blad.")));
    EXPECT_EQ(tekst(*venster, QStringLiteral("lblHelpTitel(2)")), QStringLiteral("Einde :"));
    tab(4);
    EXPECT_EQ(paginaVoor(*venster), 4);
    EXPECT_TRUE(vind<QPushButton>(*venster, QStringLiteral("cmdVoorbeeld"))->isEnabled());
}

// Every kind box shows its whole caption inside its page, without scrolling, at the window's size.
TEST_F(PrintVenster, SoortVakjesZijnLeesbaar)
{
    for (int pagina = 1; pagina <= 6; ++pagina) {
        tab(pagina);
        QApplication::processEvents();
        auto* rol = vind<QScrollArea>(*venster, QStringLiteral("Frame1(%1)").arg(pagina));
        const QRect zichtbaar = rol->viewport()->rect();
        for (const QCheckBox* vakje : rol->findChildren<QCheckBox*>()) {
            EXPECT_GE(vakje->width(), vakje->sizeHint().width()) << vakje->objectName().toStdString();
            EXPECT_TRUE(zichtbaar.contains(QRect(vakje->mapTo(rol->viewport(), QPoint(0, 0)), vakje->size())))
                << vakje->objectName().toStdString();
        }
    }
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
    tafels({2, 5, 9}, 0);
    dialogen.antwoord(Antwoord::Ja);
    dialogen.invoer(QStringLiteral("mijn blad"));
    klik(QStringLiteral("cmdVoorbeeld"));
    ASSERT_EQ(venster->Blad().Titel, QStringLiteral("Maaltafels"));

    const QString herbegin = Eind + QStringLiteral("Even herbeginnen...");
    const QString ongeldig = QStringLiteral("Kies een geldig maximum voor de oefeningen !");
    const QString leeg = QStringLiteral("Je moest nog een maximum opgeven !") + herbegin;
    const std::vector<Ongeldig> gevallen {
        {"geen bewerking", [](PrintVenster& t) { t.hoofdrekenen(QStringLiteral("20"), -1); },
            {QStringLiteral("Kies nog een bewerking !!")}},
        {"leeg", [](PrintVenster& t) { t.hoofdrekenen(QString(), 0); }, {ongeldig, leeg}},
        {"tekst", [](PrintVenster& t) { t.hoofdrekenen(QStringLiteral("abc"), 0); }, {ongeldig, leeg}},
        {"nul", [](PrintVenster& t) { t.hoofdrekenen(QStringLiteral(" 0.4"), 0); }, {ongeldig, leeg}},
        {"te groot", [](PrintVenster& t) { t.hoofdrekenen(QStringLiteral("100001"), 0); }, {ongeldig}},
        {"negatief", [](PrintVenster& t) { t.hoofdrekenen(QStringLiteral("-5"), 0); }, {ongeldig}},
        {"te klein voor plus", [](PrintVenster& t) { t.hoofdrekenen(QStringLiteral("2"), 0); },
            {QStringLiteral("Kies een maximum van minstens 3 voor deze bewerking !")}},
        {"te klein voor maal", [](PrintVenster& t) { t.hoofdrekenen(QStringLiteral("5"), 3); },
            {QStringLiteral("Kies een maximum van minstens 6 voor deze bewerking !")}},
        {"geen tafel",
            [](PrintVenster& t) {
                t.tab(1);
                for (int i = 0; i < 10; ++i)
                    vind<QCheckBox>(*t.venster, QStringLiteral("chkTafel(%1)").arg(i))->setChecked(false);
            },
            {QStringLiteral("Je moest nog minstens 1 tafel kiezen !") + herbegin}},
        {"geen soort", [](PrintVenster& t) { t.tab(2); },
            {QStringLiteral("Kies minstens 1 soort oefeningen !") + herbegin}},
        {"geen soort tot 100.000", [](PrintVenster& t) { t.tab(6); },
            {QStringLiteral("Kies minstens 1 soort oefeningen !") + herbegin}},
    };
    for (const Ongeldig& geval : gevallen) {
        const BladGegevens vorig = venster->Blad();
        const std::size_t eerder = dialogen.meldingen().size();
        geval.instellen(*this);
        klik(QStringLiteral("cmdVoorbeeld"));
        const std::vector<QString> alle = prompts();
        EXPECT_EQ(std::vector<QString>(alle.begin() + static_cast<std::ptrdiff_t>(eerder), alle.end()), geval.meldingen)
            << geval.naam;
        for (std::size_t i = eerder; i < dialogen.meldingen().size(); ++i) {
            EXPECT_EQ(dialogen.meldingen()[i].titel, ProgrammaTitel());
            EXPECT_EQ(dialogen.meldingen()[i].knoppen, Knoppen::Ok);
        }
        for (std::size_t i = 0; i < BladAantal; ++i)
            EXPECT_EQ(venster->Blad().Opgaven.at(i).Sleutel, vorig.Opgaven.at(i).Sleutel) << geval.naam;
        EXPECT_EQ(venster->Blad().Titel, QStringLiteral("Maaltafels"));
        EXPECT_EQ(venster->Blad().Ondertitel, QStringLiteral("mijn blad"));
    }
    // The ordering per 10 of the accepted sheet still holds.
    klik(QStringLiteral("cmdVoorbeeldZelfde"));
    const std::array<std::int64_t, 3> gekozen {2, 5, 9};
    for (std::size_t vak = 0; vak < BladAantal; ++vak)
        EXPECT_EQ(venster->Blad().Opgaven.at(vak).Rechts, gekozen.at(vak / 10)) << vak;
    EXPECT_EQ(venster->Blad().Ondertitel, QStringLiteral("mijn blad"));
}

TEST_F(PrintVenster, TafelSoortMoetGekozenZijn)
{
    tafels({3}, -1);
    klik(QStringLiteral("cmdVoorbeeld"));
    EXPECT_EQ(dialogen.laatste().prompt, QStringLiteral("Kies nog maaltafels, deeltafels of beide !!"));
    EXPECT_TRUE(voorbeelden().empty());
    EXPECT_FALSE(vind<QPushButton>(*venster, QStringLiteral("cmdVoorbeeldZelfde"))->isEnabled());
}

// Three kinds on "Tot 100", answered Ja: one block of 10 per kind, in box order.
TEST_F(PrintVenster, GeordendPerTien)
{
    tab(3);
    vink(QStringLiteral("chkSoort"), {26, 0, 5}); // "H-TE", "T+T", "TE-T=E"
    dialogen.antwoord(Antwoord::Ja);
    klik(QStringLiteral("cmdVoorbeeld"));
    const NepDialogen::Oproep vraag = dialogen.meldingen().at(0);
    EXPECT_EQ(vraag.prompt,
        QStringLiteral("Je hebt 3 oefensoorten gekozen.") + Eind
            + QStringLiteral("Wil je de oefeningen ordenen per soort ?"));
    EXPECT_EQ(vraag.titel, QStringLiteral("Ordenen ?"));
    EXPECT_EQ(vraag.knoppen, Knoppen::JaNee);
    EXPECT_EQ(vraag.icoon, Icoon::Informatie);
    const BladGegevens& blad = venster->Blad();
    EXPECT_EQ(blad.Titel, QStringLiteral("Tellen tot 100"));
    for (std::size_t vak = 0; vak < BladAantal; ++vak) {
        const BladOpgave& o = blad.Opgaven.at(vak);
        const bool tientallen = o.Bewerking == "+" && o.Links % 10 == 0 && o.Rechts % 10 == 0; // "T+T"
        const bool eenheden = o.Bewerking == "-" && o.Rechts % 10 == 0 && o.Uitkomst < 10; // "TE-T=E"
        const bool honderd = o.Bewerking == "-" && o.Links == 100 && o.Rechts % 10 != 0; // "H-TE"
        EXPECT_TRUE(vak < 10 ? tientallen : vak < 20 ? eenheden : honderd) << vak << " " << o.Tekst.toStdString();
    }

    dialogen.antwoord(Antwoord::Nee);
    klik(QStringLiteral("cmdVoorbeeld"));
    const auto eersteTien = std::views::take(venster->Blad().Opgaven, 10);
    EXPECT_FALSE(std::ranges::all_of(eersteTien, [](const BladOpgave& o) { return o.Bewerking == "+"; }));
}

// Six tables, answered Ja: five exercises per table, tables in increasing order, 10 included.
TEST_F(PrintVenster, GeordendPerVijf)
{
    tafels({10, 2, 3, 5, 7, 9}, 0);
    dialogen.antwoord(Antwoord::Ja);
    klik(QStringLiteral("cmdVoorbeeld"));
    EXPECT_EQ(dialogen.meldingen().at(0).prompt.left(31), QStringLiteral("Je hebt 6 oefensoorten gekozen."));
    const std::array<int, 6> volgorde {2, 3, 5, 7, 9, 10};
    for (std::size_t vak = 0; vak < BladAantal; ++vak) {
        const BladOpgave& o = venster->Blad().Opgaven.at(vak);
        EXPECT_EQ(o.Rechts, volgorde.at(vak / 5)) << vak;
        EXPECT_EQ(o.Bewerking, QStringLiteral("x"));
        EXPECT_TRUE(o.Links >= 1 && o.Links <= 9);
    }
}

TEST_F(PrintVenster, VierSoortenVragenNiets)
{
    tab(4);
    vink(QStringLiteral("chkSoort1000"), {0, 1, 2, 3});
    klik(QStringLiteral("cmdVoorbeeld"));
    ASSERT_EQ(dialogen.meldingen().size(), 1U);
    EXPECT_EQ(dialogen.laatste().soort, NepDialogen::Soort::Invoer);
}

struct Ondertitel
{
    std::function<void(PrintVenster&)> instellen;
    QString voorstel;
};

TEST_F(PrintVenster, OndertitelVoorstellen)
{
    const std::vector<Ondertitel> gevallen {
        {[](PrintVenster& t) { t.hoofdrekenen(QStringLiteral("10"), 0, false); }, QStringLiteral("tot 10")},
        {[](PrintVenster& t) { t.hoofdrekenen(QStringLiteral("50"), 0, false); }, QStringLiteral("tot 50 zonder brug")},
        {[](PrintVenster& t) { t.hoofdrekenen(QStringLiteral("50"), 2, true); }, QStringLiteral("tot 50 met brug")},
        {[](PrintVenster& t) { t.hoofdrekenen(QStringLiteral("50"), 3, true); }, QStringLiteral("tot 50")},
        {[](PrintVenster& t) {
             t.tafels({2, 5, 10}, 1);
         },
            QStringLiteral("tafel(s) van 2,5,10")},
        {[](PrintVenster& t) {
             t.tab(2);
             t.vink(QStringLiteral("chkSoort20"), {9, 2});
         },
            QStringLiteral("TE+E,TE-Emb")},
        {[](PrintVenster& t) {
             t.tab(4);
             t.vink(QStringLiteral("chkSoort1000"), {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11});
         },
            QStringLiteral("gemengde oefeningen")},
    };
    for (const Ondertitel& geval : gevallen) {
        geval.instellen(*this);
        dialogen.invoer(QStringLiteral("aangepast ") + geval.voorstel);
        klik(QStringLiteral("cmdVoorbeeld"));
        const NepDialogen::Oproep& oproep = dialogen.laatste();
        EXPECT_EQ(oproep.soort, NepDialogen::Soort::Invoer);
        EXPECT_EQ(oproep.prompt, QStringLiteral("Pas eventueel de ondertitel hier aan :"));
        EXPECT_EQ(oproep.titel, QStringLiteral("Ondertitel ?"));
        EXPECT_EQ(oproep.extra, geval.voorstel);
        EXPECT_EQ(tekst(voorbeeld(), QStringLiteral("lblOndertitel")), QStringLiteral("aangepast ") + geval.voorstel);
    }
}

TEST_F(PrintVenster, VoorbeeldToontHetBlad)
{
    hoofdrekenen(QStringLiteral("100000"), 0);
    klik(QStringLiteral("cmdVoorbeeld")); // the subtitle box is cancelled
    QWidget& scherm = voorbeeld();
    const BladGegevens& blad = venster->Blad();
    EXPECT_EQ(blad.Titel, QStringLiteral("Optellen"));
    EXPECT_EQ(scherm.windowTitle(), QStringLiteral("Printvoorbeeld"));
    EXPECT_EQ(tekst(scherm, QStringLiteral("lblTitel")), QStringLiteral("Optellen"));
    EXPECT_EQ(tekst(scherm, QStringLiteral("lblOndertitel")), QString());
    EXPECT_EQ(tekst(scherm, QStringLiteral("lblResultaat")), QStringLiteral("Resultaat : ..../30"));
    for (std::size_t i = 0; i < BladAantal; ++i) {
        const BladOpgave& o = blad.Opgaven.at(i);
        EXPECT_LE(o.Uitkomst, 100000);
        EXPECT_EQ(tekst(scherm, QStringLiteral("lblOef(%1)").arg(i)), o.Tekst);
        EXPECT_EQ(tekst(scherm, QStringLiteral("lblIs(%1)").arg(i)), QStringLiteral("="));
    }
    // Slot 7 is row 2 of the right column of block 1; slot 23 row 3 of the left column of block 3.
    EXPECT_EQ(vind<QLabel>(scherm, QStringLiteral("lblOef(7)"))->geometry(), QRect(224, 96, 145, 17));
    EXPECT_EQ(vind<QLabel>(scherm, QStringLiteral("lblIs(23)"))->geometry(), QRect(104, 344, 17, 17));
    const QRect printen = venster->parentWidget()->geometry();
    EXPECT_EQ(voorbeelden().front()->pos(), QPoint(printen.x() + printen.width(), 0));
    EXPECT_EQ(scherm.size(), QSize(407, 552));
    EXPECT_EQ(scherm.palette().color(QPalette::Window), QColor(Qt::white));
    const QFont titel = vind<QLabel>(scherm, QStringLiteral("lblTitel"))->font();
    EXPECT_TRUE(titel.family() == QLatin1String("Arial") && titel.pointSizeF() == 12 && titel.underline());
    const QFont opgave = vind<QLabel>(scherm, QStringLiteral("lblOef(0)"))->font();
    EXPECT_TRUE(opgave.family() == QLatin1String("MS Sans Serif") && opgave.pointSizeF() == 9.75);
}

TEST_F(PrintVenster, VoorbeeldTweemaalGeeftEenVenster)
{
    hoofdrekenen(QStringLiteral("20"), 1);
    klik(QStringLiteral("cmdVoorbeeld"));
    const QPointer<QWidget> eerste = &voorbeeld();
    klik(QStringLiteral("cmdVoorbeeld"));
    EXPECT_EQ(voorbeelden().size(), 1U);
    EXPECT_TRUE(eerste.isNull());
    EXPECT_EQ(knoppenAan(), 7);
    klik(QStringLiteral("cmdVoorbeeldZelfde"));
    EXPECT_EQ(voorbeelden().size(), 1U);
    EXPECT_EQ(knoppenAan(), 7);

    voorbeelden().front()->close();
    EXPECT_TRUE(voorbeelden().empty());
    EXPECT_EQ(knoppenAan(), 0);
    EXPECT_TRUE(vind<QPushButton>(*venster, QStringLiteral("cmdVoorbeeld"))->isEnabled());
}

// "Andere oefeningen" uses the selection read at the last "Printvoorbeeld" and keeps the subtitle.
TEST_F(PrintVenster, AndereOefeningenHoudtDeKeuze)
{
    tab(2);
    vink(QStringLiteral("chkSoort20"), {0}); // "T+E"
    dialogen.invoer(QStringLiteral("eigen"));
    klik(QStringLiteral("cmdVoorbeeld"));
    vink(QStringLiteral("chkSoort20"), {8});
    tab(0);
    klik(QStringLiteral("cmdVoorbeeldZelfde"));
    EXPECT_EQ(dialogen.meldingen().size(), 1U);
    EXPECT_EQ(venster->Blad().Titel, QStringLiteral("Tellen tot 20"));
    EXPECT_EQ(tekst(voorbeeld(), QStringLiteral("lblOndertitel")), QStringLiteral("eigen"));
    for (const BladOpgave& o : venster->Blad().Opgaven)
        EXPECT_TRUE(o.Links == 10 && o.Bewerking == "+" && o.Rechts >= 1 && o.Rechts <= 9) << o.Tekst.toStdString();
}

TEST_F(PrintVenster, StopSluitVoorbeeldEnVenster)
{
    hoofdrekenen(QStringLiteral("20"), 6);
    klik(QStringLiteral("cmdVoorbeeld"));
    ASSERT_EQ(voorbeelden().size(), 1U);
    klik(QStringLiteral("cmdStop"));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(werkruimte.subWindowList().isEmpty());
}

class PrintNaarBestand : public PrintVenster
{
protected:
    // The documents folder of a home of our own, which does not have that folder yet.
    void SetUp() override
    {
        PrintVenster::SetUp();
        ASSERT_TRUE(thuis.isValid());
        oudThuis = qgetenv("HOME");
        oudConfig = qgetenv("XDG_CONFIG_HOME");
        qputenv("HOME", QFile::encodeName(thuis.path()));
        qunsetenv("XDG_CONFIG_HOME");
        map = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        ASSERT_TRUE(map.startsWith(thuis.path()));
        ASSERT_FALSE(QFileInfo::exists(map));
        venster->ZetSjabloon(QStringLiteral(TALLORA_SJABLOON));
        venster->ZetOpener([this](const QUrl& url) {
            geopend.push_back(url.toLocalFile());
            return true;
        });
        hoofdrekenen(QStringLiteral("20"), 0);
        dialogen.invoer(QStringLiteral("klas 2"));
        klik(QStringLiteral("cmdVoorbeeld"));
    }
    void TearDown() override
    {
        qputenv("HOME", oudThuis);
        if (!oudConfig.isEmpty())
            qputenv("XDG_CONFIG_HOME", oudConfig);
    }

    QTemporaryDir thuis;
    QByteArray oudThuis;
    QByteArray oudConfig;
    QString map;
    std::vector<QString> geopend;
};

TEST_F(PrintNaarBestand, DocumentWordtGevuldEnGeopend)
{
    const std::size_t eerder = dialogen.meldingen().size();
    klik(QStringLiteral("cmdWOplossingen"));
    klik(QStringLiteral("cmdWOplossingen"));
    EXPECT_EQ(dialogen.meldingen().size(), eerder);
    ASSERT_EQ(geopend.size(), 2U);
    // Within the same minute the second document gets " (2)" instead of replacing the first.
    const QString eerste = QFileInfo(geopend[0]).completeBaseName();
    if (QFileInfo(geopend[1]).fileName().startsWith(eerste)) {
        EXPECT_EQ(QFileInfo(geopend[1]).fileName(), eerste + QStringLiteral(" (2).docx"));
    } else {
        EXPECT_NE(geopend[0], geopend[1]);
    }
    for (const QString& pad : geopend) {
        EXPECT_EQ(QFileInfo(pad).absolutePath(), QFileInfo(map).absoluteFilePath());
        EXPECT_TRUE(QFileInfo(pad).fileName().startsWith(QStringLiteral("Oefenblad Optellen oplossingen ")));
        DocumentFout fout = DocumentFout::Geen;
        std::map<QString, QString> velden;
        for (const auto& [naam, waarde] : LeesVelden(pad, &fout))
            velden[naam] = waarde;
        EXPECT_EQ(fout, DocumentFout::Geen);
        EXPECT_EQ(velden[QStringLiteral("titel")], QStringLiteral("Optellen"));
        EXPECT_EQ(velden[QStringLiteral("ondertitel")], QStringLiteral("klas 2"));
        EXPECT_EQ(velden[QStringLiteral("resultaat")], QStringLiteral("Dit zijn de oplossingen !"));
        EXPECT_EQ(velden[QStringLiteral("oef29")], venster->Blad().Opgaven[29].Tekst);
        EXPECT_EQ(velden[QStringLiteral("opl29")], QString::number(venster->Blad().Opgaven[29].Uitkomst));
    }
}

TEST_F(PrintNaarBestand, OntbrekendSjabloonWordtGemeld)
{
    const QString sjabloon = QDir(map).filePath(QStringLiteral("nergens/data/oefenblad.docx"));
    venster->ZetSjabloon(sjabloon);
    klik(QStringLiteral("cmdWOpgaven"));
    EXPECT_TRUE(dialogen.laatste().prompt.contains(QDir::toNativeSeparators(sjabloon)));
    EXPECT_EQ(dialogen.laatste().titel, ProgrammaTitel());
    EXPECT_TRUE(geopend.empty());
    EXPECT_TRUE(QDir(map).entryList(QDir::Files).isEmpty());

    venster->ZetSjabloon(QStringLiteral(TALLORA_SJABLOON));
    venster->ZetOpener([](const QUrl&) { return false; });
    klik(QStringLiteral("cmdWOpgaven"));
    EXPECT_TRUE(dialogen.laatste().prompt.startsWith(QStringLiteral("Er is geen programma gevonden")));
}

TEST_F(PrintNaarBestand, PrintenEnPdf)
{
    ASSERT_TRUE(QDir().mkpath(map));
    const QString pdf = QDir(map).filePath(QStringLiteral("blad.pdf"));
    venster->ZetPrinter([pdf] {
        auto printer = std::make_unique<QPrinter>();
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(pdf);
        return printer;
    });
    klik(QStringLiteral("cmdPrintOplossingen"));
    EXPECT_GT(QFileInfo(pdf).size(), 0);

    const std::size_t eerder = dialogen.meldingen().size();
    venster->ZetPrinter([] { return std::unique_ptr<QPrinter>(); });
    klik(QStringLiteral("cmdPrintOpgaven"));
    ASSERT_EQ(dialogen.meldingen().size(), eerder + 1);
    EXPECT_TRUE(dialogen.laatste().prompt.contains(QStringLiteral("PDF")));

    const QString gevraagd = QDir(map).filePath(QStringLiteral("gevraagd.pdf"));
    dialogen.bestand(gevraagd);
    klik(QStringLiteral("cmdPdfOpgaven"));
    EXPECT_EQ(dialogen.laatste().soort, NepDialogen::Soort::BewaarAls);
    EXPECT_GT(QFileInfo(gevraagd).size(), 0);
}

} // namespace
