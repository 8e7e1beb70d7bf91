#include "blad.h"
#include "document.h"
#include "geluid.h"
#include "nepspeler.h"
#include "paginas.h"
#include "programma.h"
#include "puzzel/puzzelprent.h"
#include "race/racegeluiden.h"
#include "werkmap.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QCryptographicHash>
#include <QDirIterator>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>

#include <map>
#include <random>

namespace {

// The program's data as committed, beside the program.
const QStringList Datamappen {"data", "sound", "puzzels", "help"};

enum class Schade { Ontbreekt, Leeg, Afgekapt, Rommel };

QByteArray Rommel(qsizetype lengte, unsigned zaad)
{
    std::mt19937 bron(zaad);
    QByteArray bytes(lengte, '\0');
    for (char& byte : bytes)
        byte = static_cast<char>(bron() & 0xff);
    return bytes;
}

// Copies the committed data folders into the working folder and gives each file's path relative to it.
QStringList KopieerData()
{
    QStringList bestanden;
    for (const QString& map : Datamappen) {
        QDirIterator door(QStringLiteral(TALLORA_BRONMAP "/") + map, QDir::Files, QDirIterator::Subdirectories);
        while (door.hasNext()) {
            const QString bron = door.next();
            const QString naam = QDir(QStringLiteral(TALLORA_BRONMAP)).relativeFilePath(bron);
            QDir().mkpath(QFileInfo(naam).path());
            QFile::copy(bron, naam);
            bestanden << naam;
        }
    }
    bestanden.sort();
    return bestanden;
}

QByteArray Inhoud(const QString& naam)
{
    QFile bestand(naam);
    return bestand.open(QIODevice::ReadOnly) ? bestand.readAll() : QByteArray("(geen bestand)");
}

void Beschadig(const QString& naam, Schade schade)
{
    const QByteArray inhoud = Inhoud(naam);
    QFile::remove(naam);
    if (schade == Schade::Leeg)
        Werkmap::Schrijf(naam, {});
    else if (schade == Schade::Afgekapt)
        Werkmap::Schrijf(naam, inhoud.left(inhoud.size() / 2));
    else if (schade == Schade::Rommel)
        Werkmap::Schrijf(naam, Rommel(inhoud.size(), static_cast<unsigned>(qHash(naam))));
}

std::map<QString, QByteArray> Afdrukken(const QStringList& bestanden)
{
    std::map<QString, QByteArray> hashes;
    for (const QString& naam : bestanden)
        hashes[naam] = QCryptographicHash::hash(Inhoud(naam), QCryptographicHash::Sha256);
    return hashes;
}

// What the program does with one damaged file: read it the way the program does and use it. Sounds are silent
// (a half file may still give half a sound), a picture gives way to the program's own, a template gives its
// message; nothing crashes or hangs.
void GebruikBestand(const QString& naam, Schade schade)
{
    const bool heel = schade == Schade::Afgekapt;
    if (naam.startsWith(u"sound/")) {
        LaadGeluiden();
        NepSpeler speler;
        for (int i = 0; i < 50; ++i) {
            SpeelGoed();
            SpeelFout();
        }
        Racegeluiden race;
        for (const auto soort : {Racegeluiden::Soort::Start, Racegeluiden::Soort::Auto, Racegeluiden::Soort::Fout,
                 Racegeluiden::Soort::Applaus})
            race.Speel(soort);
        EXPECT_GE(speler.Goed() + speler.Fout(), 100);
    } else if (naam.startsWith(u"puzzels/")) {
        EXPECT_TRUE(heel || Puzzelprent::Lees(naam).isNull());
    } else if (naam == u"data/oefenblad.docx") {
        const Documentuitslag uitslag
            = VulDocument(BladGegevens {}, Printversie::Oplossingen, naam, QDir::currentPath(), u"blad.docx"_qs);
        EXPECT_NE(uitslag.Fout, DocumentFout::Geen);
        EXPECT_FALSE(QFileInfo::exists(u"blad.docx"_qs));
    }
}

// Every data file missing, empty, cut in half and turned to garbage, one at a time. The program only reads them:
// the damaged file and all the others are as they were after use.
TEST(Databestanden, ElkBestandKapotGeeftStilteVervangingOfMelding)
{
    for (const Schade schade : {Schade::Ontbreekt, Schade::Leeg, Schade::Afgekapt, Schade::Rommel}) {
        Werkmap map;
        const QStringList bestanden = KopieerData();
        ASSERT_GT(bestanden.size(), 60);
        const auto voor = Afdrukken(bestanden);
        for (const QString& naam : bestanden) {
            if (naam.startsWith(u"help/"))
                continue; // read by the help view alone, which shows what it can
            SCOPED_TRACE(naam.toStdString() + " " + std::to_string(static_cast<int>(schade)));
            const QByteArray heel = Inhoud(naam);
            Beschadig(naam, schade);
            const QByteArray kapot = Inhoud(naam);
            GebruikBestand(naam, schade);
            EXPECT_EQ(Inhoud(naam), kapot);
            Werkmap::Schrijf(naam, heel);
        }
        EXPECT_EQ(Afdrukken(bestanden), voor);
    }
}

// Opens every window the menus open and clicks each of its tabs, which starts a series where there is one.
void GebruikAlleVensters(Programma& programma)
{
    for (QAction* actie : programma.hoofd.findChildren<QAction*>()) {
        const QString menu = actie->objectName();
        if (!actie->isEnabled() || actie->menu() || actie->isSeparator() || menu.isEmpty()
            || QStringList {"afsluiten", "ToonWerkbalk", "groter", "kleiner", "gewonegrootte"}.contains(menu))
            continue;
        SCOPED_TRACE(menu.toStdString());
        actie->trigger();
        QMdiSubWindow* sub = programma.hoofd.werkruimte().activeSubWindow();
        if (!sub || !sub->widget())
            continue;
        OpElkePagina(*sub->widget(), [](int) {});
    }
}

// A session through every window, with the data as committed and with every data file garbage: the program starts,
// opens every window and runs what it can, and leaves the data byte for byte as it was.
TEST(Databestanden, EenSessieLaatZeOngewijzigd)
{
    for (const bool kapot : {false, true}) {
        SCOPED_TRACE(kapot);
        Werkmap map;
        const QStringList bestanden = KopieerData();
        if (kapot) {
            for (const QString& naam : bestanden)
                Beschadig(naam, Schade::Rommel);
            Werkmap::Schrijf(u"data/werkbalk.dat"_qs, Rommel(100, 7));
        }
        const auto voor = Afdrukken(bestanden);
        {
            Programma programma;
            GebruikAlleVensters(programma);
            EXPECT_FALSE(programma.hoofd.isHidden());
        }
        EXPECT_EQ(Afdrukken(bestanden), voor);
    }
}

} // namespace
