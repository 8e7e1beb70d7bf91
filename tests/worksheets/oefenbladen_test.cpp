#include "bladcode.h"
#include "oefenbladvenster.h"
#include "programma.h"
#include "widgets.h"

#include <QPushButton>

#include <gtest/gtest.h>

#include <functional>

namespace {

// The worksheet window opened from the main window's menu, driven with clicks and keys.
class Oefenbladen : public ::testing::Test
{
public:
    const BladGegevens& blad() const { return qobject_cast<const OefenbladVenster*>(&venster)->Blad(); }
    void tab(int index) { klikTab(venster, index); }
    void klik(const QString& naam) { QTest::mouseClick(vind<QAbstractButton>(venster, naam), Qt::LeftButton); }
    // A click on the box when it is not yet as `aan` says.
    void vink(const QString& naam, bool aan = true)
    {
        auto* knop = vind<QAbstractButton>(venster, naam);
        if (knop->isChecked() != aan)
            ::klik(knop);
        ASSERT_EQ(knop->isChecked(), aan) << naam.toStdString();
    }
    void vink(const char* naam, std::initializer_list<int> vakjes, bool aan = true)
    {
        for (const int i : vakjes)
            vink(QStringLiteral("%1(%2)").arg(QLatin1String(naam)).arg(i), aan);
    }
    bool aan(const QString& naam) { return vind<QAbstractButton>(venster, naam)->isChecked(); }
    // Clicks into the box, replaces its text key by key and, if asked, presses Enter.
    void typ(const QString& naam, const QString& tekst, bool enter = false)
    {
        auto* vak = vind<QLineEdit>(venster, naam);
        QTest::mouseClick(vak, Qt::LeftButton);
        QTest::keyClick(vak, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(vak, Qt::Key_Delete);
        QTest::keyClicks(vak, tekst);
        if (enter)
            QTest::keyClick(vak, Qt::Key_Return);
    }
    QString code() { return vind<QLineEdit>(venster, QStringLiteral("txtBladcode"))->text(); }
    // The default text of the last subtitle box: the proposed subtitle.
    QString voorstel() const
    {
        for (auto oproep = dialogen.meldingen().rbegin(); oproep != dialogen.meldingen().rend(); ++oproep)
            if (oproep->soort == NepDialogen::Soort::Invoer)
                return oproep->extra;
        return {};
    }
    // The open preview; a closed one is gone once its deletion has run.
    QWidget* voorbeeld()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return programma.hoofd.findChild<QWidget*>(QStringLiteral("frmPrintVoorbeeld"));
    }

    Programma programma;
    NepDialogen& dialogen = programma.dialogen;
    QWidget& venster = programma.Open(QStringLiteral("oefenbladen"), 61);
};

std::vector<QString> Teksten(const BladGegevens& blad)
{
    std::vector<QString> teksten;
    for (const BladOpgave& opgave : blad.Opgaven)
        teksten.push_back(Tekst(opgave));
    return teksten;
}

struct Tabgeval
{
    int tab;
    std::function<void(Oefenbladen&)> instellen; // the sheet's settings, on the page of `tab`
    std::function<void(Oefenbladen&)> anders; // other settings on that page, which the code must undo
    std::function<bool(Oefenbladen&)> hersteld; // whether the page shows the sheet's settings again
    bool ordenen; // whether the ordering question comes (answered Ja)
};

// For every tab: a sheet, then other sheets and other settings; its code, typed back, ticks its settings again on
// its page and makes the same 30 exercises with the same title and subtitle proposal, ordered or mixed as before,
// without asking about the ordering again.
TEST_F(Oefenbladen, EenBladcodeMaaktHetzelfdeBlad)
{
    const std::vector<Tabgeval> gevallen {
        {0,
            [](Oefenbladen& t) {
                t.typ(QStringLiteral("txtMax"), QStringLiteral("57"));
                t.vink("optHRbewerking", {2});
                t.vink(QStringLiteral("optBrugNee"));
            },
            [](Oefenbladen& t) {
                t.typ(QStringLiteral("txtMax"), QStringLiteral("99"));
                t.vink("optHRbewerking", {6});
                t.vink(QStringLiteral("optBrugJa"));
            },
            [](Oefenbladen& t) {
                return vind<QLineEdit>(t.venster, QStringLiteral("txtMax"))->text() == QStringLiteral("57")
                    && t.aan(QStringLiteral("optHRbewerking(2)")) && t.aan(QStringLiteral("optBrugNee"));
            },
            false},
        {1,
            [](Oefenbladen& t) {
                t.vink("chkTafel", {2, 3, 7}), t.vink("optTtafels", {2});
            },
            [](Oefenbladen& t) { t.vink("chkTafel", {3}, false), t.vink("optTtafels", {0}); },
            [](Oefenbladen& t) {
                return t.aan(QStringLiteral("chkTafel(3)")) && t.aan(QStringLiteral("optTtafels(2)"));
            },
            true},
        {2,
            [](Oefenbladen& t) {
                t.vink("chkSoort20", {0, 9});
            },
            [](Oefenbladen& t) { t.vink("chkSoort20", {5}); },
            [](Oefenbladen& t) { return !t.aan(QStringLiteral("chkSoort20(5)")); }, false},
        {3,
            [](Oefenbladen& t) {
                t.vink("chkSoort", {4, 13, 15, 20, 21, 26});
            },
            [](Oefenbladen& t) { t.vink("chkSoort", {4}, false); },
            [](Oefenbladen& t) { return t.aan(QStringLiteral("chkSoort(4)")); }, true},
        {4,
            [](Oefenbladen& t) {
                t.vink("chkSoort1000", {0, 3, 7, 11, 16, 22, 26, 27, 30, 31, 33, 34});
            },
            [](Oefenbladen& t) { t.vink("chkSoort1000", {34}, false), t.vink("chkSoort1000", {1}); },
            [](Oefenbladen& t) {
                return t.aan(QStringLiteral("chkSoort1000(34)")) && !t.aan(QStringLiteral("chkSoort1000(1)"));
            },
            false},
        {5,
            [](Oefenbladen& t) {
                t.vink("chkSoortTD", {2, 13});
            },
            [](Oefenbladen& t) { t.vink("chkSoortTD", {27}); },
            [](Oefenbladen& t) { return !t.aan(QStringLiteral("chkSoortTD(27)")); }, false},
        {6,
            [](Oefenbladen& t) {
                t.vink("chkSoortHD", {1, 6});
            },
            [](Oefenbladen& t) { t.vink("chkSoortHD", {1}, false); },
            [](Oefenbladen& t) { return t.aan(QStringLiteral("chkSoortHD(1)")); }, false},
    };
    for (const Tabgeval& geval : gevallen) {
        SCOPED_TRACE(geval.tab);
        tab(geval.tab);
        geval.instellen(*this);
        if (geval.ordenen)
            dialogen.antwoord(Antwoord::Ja);
        klik(QStringLiteral("cmdVoorbeeld"));
        const BladGegevens eerste = blad();
        const QString eersteCode = code(), eersteVoorstel = voorstel();
        ASSERT_EQ(eerste.Code, eersteCode);
        klik(QStringLiteral("cmdVoorbeeldZelfde"));
        EXPECT_NE(code(), eersteCode);
        EXPECT_NE(Teksten(blad()), Teksten(eerste));
        geval.anders(*this);
        tab((geval.tab + 3) % 7);

        const std::size_t vragen = dialogen.meldingen().size();
        typ(QStringLiteral("txtBladcode"), eersteCode, true);
        EXPECT_EQ(Teksten(blad()), Teksten(eerste));
        EXPECT_EQ(blad().Titel, eerste.Titel);
        EXPECT_EQ(voorstel(), eersteVoorstel);
        EXPECT_EQ(dialogen.meldingen().size(), vragen + 1) << "only the subtitle box";
        EXPECT_EQ(code(), eersteCode);
        EXPECT_EQ(gekozenTab(venster), geval.tab);
        EXPECT_EQ(paginaVoor(venster), geval.tab);
        EXPECT_TRUE(geval.hersteld(*this));
        ASSERT_NE(voorbeeld(), nullptr);
        EXPECT_EQ(tekst(*voorbeeld(), QStringLiteral("lblOef(29)")), Tekst(eerste.Opgaven[29]));
        // "Andere oefeningen" goes on from the restored settings.
        klik(QStringLiteral("cmdVoorbeeldZelfde"));
        EXPECT_EQ(blad().Titel, eerste.Titel);
        EXPECT_NE(code(), eersteCode);
    }
    EXPECT_TRUE(dialogen.alleAntwoordenGebruikt());
}

// A mistyped code, one of a later version, characters a code never has, or none at all: a message says so, and
// the sheet, its preview, the tab and the settings stay as they were.
TEST_F(Oefenbladen, EenFouteBladcodeVerandertNiets)
{
    tab(2);
    vink("chkSoort20", {1, 3});
    klik(QStringLiteral("cmdVoorbeeld"));
    const BladGegevens eerder = blad();
    const QWidget* eerderVoorbeeld = voorbeeld();
    tab(0);
    const QString goed = code();
    QString getikt = goed;
    getikt[3] = getikt[3] == u'A' ? u'B' : u'A';
    QString nieuwer;
    for (const QChar c : QStringLiteral("23456789ABCDEFGHJKMNPQRSTUVWXYZ")) {
        const QString probeer = u'Z' + goed.mid(1, goed.size() - 2) + c;
        const auto gelezen = LeesBladcode(probeer);
        if (std::holds_alternative<BladcodeFout>(gelezen) && std::get<BladcodeFout>(gelezen) == BladcodeFout::Nieuwer)
            nieuwer = probeer;
    }
    const QString kloptNiet = QStringLiteral("De bladcode \"%1\" klopt niet.\r\nKijk de code onderaan het oefenblad "
                                             "nog eens na. Een bladcode heeft alleen de cijfers 2 tot 9 en "
                                             "hoofdletters zonder I, L en O.");
    const std::vector<std::pair<QString, QString>> gevallen {
        {getikt, kloptNiet.arg(getikt)},
        {QStringLiteral("HALLO10"), kloptNiet.arg(QStringLiteral("HALLO10"))},
        {nieuwer,
            QStringLiteral("De bladcode \"%1\" komt van een nieuwere versie van het programma.\r\nMet deze versie kan "
                           "dat blad niet opnieuw gemaakt worden.")
                .arg(nieuwer)},
        {QString(), QStringLiteral("Typ eerst de bladcode die onderaan het oefenblad staat.")},
    };
    for (const auto& [getypt, melding] : gevallen) {
        typ(QStringLiteral("txtBladcode"), getypt, true);
        EXPECT_EQ(dialogen.laatste().prompt, melding);
        EXPECT_EQ(dialogen.laatste().titel, ProgrammaTitel());
        EXPECT_EQ(Teksten(blad()), Teksten(eerder));
        EXPECT_EQ(blad().Code, goed);
        EXPECT_EQ(voorbeeld(), eerderVoorbeeld);
        EXPECT_EQ(paginaVoor(venster), 0);
        EXPECT_TRUE(aan(QStringLiteral("chkSoort20(1)")) && aan(QStringLiteral("chkSoort20(3)")));
    }
}

// Ctrl+PgDown and Ctrl+PgUp go through the tabs as clicks would, round to the first and the last.
TEST_F(Oefenbladen, TabsMetHetToetsenbord)
{
    typ(QStringLiteral("txtMax"), QStringLiteral("30"));
    for (int stap = 1; stap <= 9; ++stap) {
        QTest::keyClick(focus(), Qt::Key_PageDown, Qt::ControlModifier);
        EXPECT_EQ(gekozenTab(venster), stap % 8);
        EXPECT_EQ(paginaVoor(venster), stap % 8);
        EXPECT_EQ(vind<QPushButton>(venster, QStringLiteral("cmdVoorbeeld"))->isEnabled(), stap % 8 != 7);
    }
    QTest::keyClick(focus(), Qt::Key_PageUp, Qt::ControlModifier);
    QTest::keyClick(focus(), Qt::Key_PageUp, Qt::ControlModifier);
    EXPECT_EQ(gekozenTab(venster), 7);
    EXPECT_EQ(paginaVoor(venster), 7);
    EXPECT_FALSE(tekst(venster, QStringLiteral("lblHelpTitel(3)")).isEmpty());
}

// Over the buttons, as the teacher ticks and types: how many different exercises the page allows, and plainly
// when fewer than 30 exist. By hand: 20 x 19 / 2 sums to 20; ten per table; 10+1..10+9 and 1+10..9+10 to 20;
// "TE-E=T" (boxes 4 and 15, one kind) takes 11..99 without a 0 less its units.
TEST_F(Oefenbladen, ZegtHoeveelVerschillendeOefeningen)
{
    const QString minder
        = QStringLiteral(". Dat is minder dan 30: sommige oefeningen komen meer dan eens op het blad.");
    const auto aantal = [this] { return tekst(venster, QStringLiteral("lblAantalOefeningen")); };
    EXPECT_EQ(aantal(), QString());
    vink("optHRbewerking", {0});
    EXPECT_EQ(aantal(), QStringLiteral("Met deze keuze: 190 verschillende oefeningen"));
    typ(QStringLiteral("txtMax"), QStringLiteral("100000"));
    EXPECT_EQ(aantal(), QStringLiteral("Met deze keuze: 4.999.950.000 verschillende oefeningen"));
    typ(QStringLiteral("txtMax"), QStringLiteral("100001"));
    EXPECT_EQ(aantal(), QString());
    tab(1);
    vink("chkTafel", {6});
    EXPECT_EQ(aantal(), QString()) << "no kind of table sheet yet";
    vink("optTtafels", {0});
    EXPECT_EQ(aantal(), QStringLiteral("Met deze keuze: 10 verschillende oefeningen") + minder);
    vink("optTtafels", {2});
    vink("chkTafel", {8});
    EXPECT_EQ(aantal(), QStringLiteral("Met deze keuze: 40 verschillende oefeningen"));
    tab(2);
    vink("chkSoort20", {0});
    EXPECT_EQ(aantal(), QStringLiteral("Met deze keuze: 9 verschillende oefeningen") + minder);
    vink("chkSoort20", {1});
    EXPECT_EQ(aantal(), QStringLiteral("Met deze keuze: 18 verschillende oefeningen") + minder);
    tab(3);
    vink("chkSoort", {4, 15});
    EXPECT_EQ(aantal(), QStringLiteral("Met deze keuze: 81 verschillende oefeningen"));
    tab(7);
    EXPECT_FALSE(vind<QLabel>(venster, QStringLiteral("lblAantalOefeningen"))->isVisible());
    tab(0);
    EXPECT_EQ(aantal(), QString());
}

} // namespace
