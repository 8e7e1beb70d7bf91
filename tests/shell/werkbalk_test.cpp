#include "mdiform1.h"
#include "nepdialogen.h"
#include "toeval.h"
#include "werkmap.h"

#include <QAction>
#include <QFileInfo>
#include <QMenuBar>
#include <QToolBar>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

const QString bestand = u"data/werkbalk.dat"_s;

QToolBar* Werkbalk(const MDIForm1& venster)
{
    return venster.findChild<QToolBar*>(u"Toolbar1"_s);
}

QAction* ToonWerkbalk(const MDIForm1& venster)
{
    return venster.menuBar()->findChild<QAction*>(u"ToonWerkbalk"_s);
}

// Shown according to both the toolbar and the check mark, which must agree.
bool Getoond(const MDIForm1& venster)
{
    const bool getoond = !Werkbalk(venster)->isHidden();
    EXPECT_EQ(ToonWerkbalk(venster)->isChecked(), getoond);
    return getoond;
}

} // namespace

TEST(Werkbalk, InstellingBijHetStarten)
{
    struct Geval
    {
        const char* naam;
        std::optional<QByteArray> inhoud; // nullopt: no file
        bool getoond;
        bool map = false; // a folder under the file's name
    };
    const Geval gevallen[] = {
        {"een", "1\r\n", true},
        {"een zonder regeleinde", "1", true},
        {"een met blanco's", " 1 \r\n", true},
        {"nul", "0\r\n", false},
        {"twee", "2\r\n", false},
        {"min een", "-1\r\n", false},
        {"alleen de eerste regel telt", "1\r\n0\r\n", true},
        {"leeg", "", true},
        {"onzin", "werkbalk\r\n", true},
        {"te groot voor 16 bits", "65537\r\n", true},
        {"ontbreekt", std::nullopt, true},
        {"onleesbaar: een map", std::nullopt, true, true},
    };
    for (const Geval& geval : gevallen) {
        SCOPED_TRACE(geval.naam);
        ZaaiToeval(1);
        Werkmap map;
        if (geval.map)
            QDir().mkpath(bestand);
        else if (geval.inhoud)
            Werkmap::Schrijf(bestand, *geval.inhoud);
        NepDialogen dialogen;
        MDIForm1 venster(dialogen);
        EXPECT_EQ(Getoond(venster), geval.getoond);
    }
}

// A missing file is made at the first toggle.
TEST(Werkbalk, ElkeWisselWordtBewaardEnGeldtNaEenHerstart)
{
    for (const bool metBestand : {true, false}) {
        SCOPED_TRACE(metBestand ? "met bestand" : "zonder bestand");
        ZaaiToeval(3);
        Werkmap map;
        if (metBestand)
            Werkmap::Schrijf(bestand, "1\r\n");
        NepDialogen dialogen;
        {
            MDIForm1 venster(dialogen);
            ToonWerkbalk(venster)->trigger();
            EXPECT_FALSE(Getoond(venster));
            EXPECT_EQ(Werkmap::Lees(bestand), "0\r\n");
            ToonWerkbalk(venster)->trigger();
            EXPECT_TRUE(Getoond(venster));
            EXPECT_EQ(Werkmap::Lees(bestand), "1\r\n");
            ToonWerkbalk(venster)->trigger();
        }
        MDIForm1 herstart(dialogen);
        EXPECT_FALSE(Getoond(herstart));
        ToonWerkbalk(herstart)->trigger();
        EXPECT_TRUE(Getoond(herstart));
        EXPECT_EQ(Werkmap::Lees(bestand), "1\r\n");
    }
}

// A setting that cannot be saved still holds for this run, and what stood there is kept.
TEST(Werkbalk, OnschrijfbaarBestandLaatDeWisselWerken)
{
    struct Geval
    {
        const char* naam;
        bool mapInPlaatsVanBestand; // otherwise: no data folder at all
    };
    for (const Geval geval : {Geval {"map", true}, Geval {"geen datamap", false}}) {
        SCOPED_TRACE(geval.naam);
        ZaaiToeval(5);
        Werkmap map;
        if (geval.mapInPlaatsVanBestand)
            QDir().mkpath(bestand + u"/inhoud"_s);
        else
            QDir(u"data"_s).removeRecursively();
        NepDialogen dialogen;
        MDIForm1 venster(dialogen);
        ToonWerkbalk(venster)->trigger();
        EXPECT_FALSE(Getoond(venster));
        ToonWerkbalk(venster)->trigger();
        EXPECT_TRUE(Getoond(venster));
        EXPECT_EQ(QFileInfo(bestand).isDir(), geval.mapInPlaatsVanBestand);
        EXPECT_EQ(QFileInfo::exists(bestand + u"/inhoud"_s), geval.mapInPlaatsVanBestand);
        EXPECT_EQ(QDir(u"data"_s).entryList(QDir::Files), QStringList()) << "a half-written file was left";
        EXPECT_TRUE(dialogen.meldingen().empty());
    }
}
