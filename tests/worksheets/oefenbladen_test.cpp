#include "bladcode.h"
#include "bladvenster.h"

namespace {

// For every tab: a sheet, then other sheets and other settings; its code, typed back, puts its settings back on its
// page and makes the same 30 exercises with the same title and subtitle proposal, ordered or mixed as before,
// asking nothing but the subtitle.
TEST_F(Oefenbladen, EenBladcodeMaaktHetzelfdeBlad)
{
    // The tab, the sheet's settings on its page (on Hoofdrekenen with the maximum 57), a box or option clicked
    // afterwards which the code must undo, and whether the ordering question comes (answered Ja).
    const std::vector<std::tuple<int, QStringList, QString, bool>> gevallen {
        {0, {"optHRbewerking(2)", "optBrugNee"}, "optHRbewerking(6)", false},
        {1, {"chkTafel(2)", "chkTafel(3)", "chkTafel(7)", "optTtafels(2)"}, "chkTafel(3)", true},
        {2, {"chkSoort20(0)", "chkSoort20(9)"}, "chkSoort20(5)", false},
        {3, {"chkSoort(4)", "chkSoort(13)", "chkSoort(15)", "chkSoort(20)", "chkSoort(21)", "chkSoort(26)"},
            "chkSoort(4)", true},
        {4, {"chkSoort1000(0)", "chkSoort1000(3)", "chkSoort1000(11)", "chkSoort1000(22)", "chkSoort1000(34)"},
            "chkSoort1000(1)", false},
        {5, {"chkSoortTD(2)", "chkSoortTD(13)"}, "chkSoortTD(27)", false},
        {6, {"chkSoortHD(1)", "chkSoortHD(6)"}, "chkSoortHD(1)", false},
    };
    for (const auto& [tab, aan, anders, ordenen] : gevallen) {
        SCOPED_TRACE(tab);
        stel(tab, aan);
        const QStringList ingesteld = instellingen();
        if (ordenen)
            dialogen.antwoord(Antwoord::Ja);
        klik("cmdVoorbeeld");
        const BladGegevens eerste = blad();
        const QString eersteCode = code(), voorstel = dialogen.laatste().extra;
        ASSERT_EQ(eerste.Code, eersteCode);
        klik("cmdVoorbeeldZelfde");
        EXPECT_NE(Teksten(blad()), Teksten(eerste));
        klik(anders);
        klikTab(venster(), (tab + 3) % 7);

        const std::size_t vragen = dialogen.meldingen().size();
        typ("txtBladcode", eersteCode.toLower(), true);
        EXPECT_EQ(Teksten(blad()), Teksten(eerste));
        EXPECT_EQ(blad().Titel, eerste.Titel);
        EXPECT_EQ(dialogen.meldingen().size(), vragen + 1);
        EXPECT_EQ(dialogen.laatste().extra, voorstel);
        EXPECT_EQ(code(), eersteCode);
        EXPECT_EQ(paginaVoor(venster()), tab);
        EXPECT_EQ(instellingen(), ingesteld);
        ASSERT_NE(voorbeeld(), nullptr);
        EXPECT_EQ(tekst(*voorbeeld(), "lblOef(29)"), Tekst(eerste.Opgaven[29]));
    }
    EXPECT_TRUE(dialogen.alleAntwoordenGebruikt());
}

// A mistyped code, one of a later version, or none at all: a message says so, and the sheet, its preview, the tab and
// the settings stay as they were.
TEST_F(Oefenbladen, EenFouteBladcodeVerandertNiets)
{
    stel(2, {"chkSoort20(1)", "chkSoort20(3)"});
    klik("cmdVoorbeeld");
    const BladGegevens eerder = blad();
    const QWidget* eerderVoorbeeld = voorbeeld();
    klikTab(venster(), 0);
    const QStringList ingesteld = instellingen();
    const QString goed = code();
    QString getikt = goed, nieuwer;
    getikt[3] = getikt[3] == u'A' ? u'B' : u'A';
    // A later version's first character, with the one last character that makes the code well-formed.
    for (const QChar c : QStringLiteral("23456789ABCDEFGHJKMNPQRSTUVWXYZ")) {
        const QString probeer = u'Z' + goed.mid(1, goed.size() - 2) + c;
        const auto gelezen = LeesBladcode(probeer);
        if (gelezen.index() == 1 && std::get<1>(gelezen) == BladcodeFout::Nieuwer)
            nieuwer = probeer;
    }
    const QString kloptNiet = "De bladcode \"%1\" klopt niet.\r\nKijk de code onderaan het oefenblad nog eens na. Een "
                              "bladcode heeft alleen de cijfers 2 tot 9 en hoofdletters zonder I, L en O.";
    const std::vector<std::pair<QString, QString>> gevallen {
        {getikt, kloptNiet.arg(getikt)},
        {nieuwer,
            QString("De bladcode \"%1\" komt van een nieuwere versie van het programma.\r\nMet deze versie kan dat "
                    "blad niet opnieuw gemaakt worden.")
                .arg(nieuwer)},
        {"", "Typ eerst de bladcode die onderaan het oefenblad staat."},
    };
    for (const auto& [getypt, melding] : gevallen) {
        typ("txtBladcode", getypt, true);
        EXPECT_EQ(dialogen.laatste().prompt, melding);
        EXPECT_EQ(dialogen.laatste().titel, ProgrammaTitel());
        EXPECT_EQ(Teksten(blad()), Teksten(eerder));
        EXPECT_EQ(blad().Code, goed);
        EXPECT_EQ(voorbeeld(), eerderVoorbeeld);
        EXPECT_EQ(paginaVoor(venster()), 0);
        EXPECT_EQ(instellingen(), ingesteld);
    }
}

// The window in its place at the top left; Ctrl+PgDown and Ctrl+PgUp go through the tabs as clicks would, round to
// the first and the last.
TEST_F(Oefenbladen, TabsMetHetToetsenbord)
{
    EXPECT_EQ(programma.hoofd.werkruimte().activeSubWindow()->pos(), QPoint(0, 0));
    typ("txtMax", "30");
    for (int stap = 1; stap <= 9; ++stap) {
        QTest::keyClick(focus(), Qt::Key_PageDown, Qt::ControlModifier);
        EXPECT_EQ(gekozenTab(venster()), stap % 8);
        EXPECT_EQ(paginaVoor(venster()), stap % 8);
        EXPECT_EQ(vind<QPushButton>(venster(), "cmdVoorbeeld")->isEnabled(), stap % 8 != 7);
    }
    QTest::keyClick(focus(), Qt::Key_PageUp, Qt::ControlModifier);
    QTest::keyClick(focus(), Qt::Key_PageUp, Qt::ControlModifier);
    EXPECT_EQ(paginaVoor(venster()), 7);
    EXPECT_FALSE(tekst(venster(), "lblHelpTitel(3)").isEmpty());
}

// Over the buttons, as the teacher ticks and types: how many different exercises the page allows, and plainly
// when fewer than 30 exist. By hand: 20 x 19 / 2 sums to 20 and 100000 x 99999 / 2 to 100000; ten per table;
// 10+1..10+9 and 1+10..9+10 to 20; "TE-E=T" (boxes 4 and 15, one kind) takes 11..99 without a 0 less its units.
TEST_F(Oefenbladen, ZegtHoeveelVerschillendeOefeningen)
{
    const QString minder = ". Dat is minder dan 30: sommige oefeningen komen meer dan eens op het blad.";
    const QString met = "Met deze keuze: %1 verschillende oefeningen";
    const std::vector<std::tuple<int, QStringList, QString, QString>> stappen {
        {0, {}, "20", ""},
        {0, {"optHRbewerking(0)"}, "20", met.arg(190)},
        {0, {}, "100000", met.arg("4.999.950.000")},
        {0, {}, "100001", ""},
        {1, {"chkTafel(6)"}, "", ""},
        {1, {"optTtafels(0)"}, "", met.arg(10) + minder},
        {1, {"optTtafels(2)", "chkTafel(8)"}, "", met.arg(40)},
        {2, {"chkSoort20(0)"}, "", met.arg(9) + minder},
        {2, {"chkSoort20(1)"}, "", met.arg(18) + minder},
        {3, {"chkSoort(4)", "chkSoort(15)"}, "", met.arg(81)},
        {0, {}, "100001", ""},
    };
    for (const auto& [tab, aan, maximum, verwacht] : stappen) {
        stel(tab, aan, maximum);
        EXPECT_EQ(tekst(venster(), "lblAantalOefeningen"), verwacht);
    }
    klikTab(venster(), 7);
    EXPECT_FALSE(vind<QLabel>(venster(), "lblAantalOefeningen")->isVisible());
}

} // namespace
