#include "hoofdvenster.h"
#include "nepdialogen.h"
#include "wachthond.h"
#include "werkmap.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QToolBar>

#include <gtest/gtest.h>

#include <tuple>

#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace {

const QString bestand = u"data/werkbalk.dat"_s;
const QString apparaat = u"/dev/zero"_s;

enum class Soort {
    Geen,
    Bestand,
    AlleenLezen,
    Groot,
    Map,
    Fifo,
    LinkNaarBestand,
    LinkNaarApparaat,
    LosseLink,
    GeenDatamap
};

// What stands under a name, without following a link and without opening anything but a small
// regular file.
QString Beschrijf(const QString& pad)
{
    using Bestandsinfo = struct stat;
    Bestandsinfo info {};
    if (::lstat(QFile::encodeName(pad).constData(), &info) != 0)
        return u"niets"_s;
    if (S_ISLNK(info.st_mode))
        return u"link naar "_s + QFile::symLinkTarget(pad);
    if (S_ISDIR(info.st_mode))
        return u"map met "_s + QDir(pad).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).join(u' ');
    if (S_ISFIFO(info.st_mode))
        return u"fifo"_s;
    if (!S_ISREG(info.st_mode))
        return u"apparaat %1 %2"_s.arg(info.st_rdev).arg(info.st_ino);
    const QString rechten = QString::number(info.st_mode & 07777, 8);
    if (info.st_size > 1024)
        return u"bestand %1 van %2 bytes"_s.arg(rechten).arg(info.st_size);
    QFile invoer(pad);
    return invoer.open(QIODevice::ReadOnly) ? u"bestand "_s + rechten + u": "_s + QString::fromLatin1(invoer.readAll())
                                            : u"onleesbaar bestand"_s;
}

// Puts a thing of this kind under the setting's name; a link points to `elders`, outside the
// working folder.
void Maak(Soort soort, const QByteArray& inhoud, const QString& elders)
{
    using Rechten = QFileDevice::Permission;
    switch (soort) {
    case Soort::Bestand:
    case Soort::AlleenLezen:
    case Soort::Groot:
        Werkmap::Schrijf(bestand, inhoud);
        QFile::setPermissions(bestand,
            soort == Soort::AlleenLezen ? Rechten::ReadOwner | Rechten::ReadGroup | Rechten::ReadOther
                                        : Rechten::ReadOwner | Rechten::WriteOwner);
        if (soort == Soort::Groot)
            QFile(bestand).resize(qint64 {256} << 20);
        break;
    case Soort::Map:
        QDir().mkpath(bestand + u"/inhoud"_s);
        break;
    case Soort::Fifo:
        ::mkfifo(QFile::encodeName(bestand).constData(), 0600);
        break;
    case Soort::LinkNaarBestand:
        Werkmap::Schrijf(elders, inhoud);
        QFile::link(elders, bestand);
        break;
    case Soort::LinkNaarApparaat:
        QFile::link(apparaat, bestand);
        break;
    case Soort::LosseLink:
        QFile::link(elders, bestand);
        break;
    case Soort::GeenDatamap:
        QDir(u"data"_s).removeRecursively();
        break;
    case Soort::Geen:
        break;
    }
}

// Shown according to both the toolbar and the check mark of "Werkbalk tonen", which must agree.
bool Getoond(const Hoofdvenster& venster)
{
    const bool getoond = !venster.findChild<QToolBar*>(u"Toolbar1"_s)->isHidden();
    EXPECT_EQ(venster.findChild<QAction*>(u"ToonWerkbalk"_s)->isChecked(), getoond);
    return getoond;
}

} // namespace

// The setting read at start-up, a toggle saved and read back by the next start. Only a regular
// file is read or replaced; anything else under the name counts as missing, is left exactly as it
// was (and whatever a link points to with it), and the toggle then holds for this run only.
TEST(Werkbalkinstelling, AlleenEenGewoonBestandTeltEnWordtVervangen)
{
    // What stands under the name, and whether the toolbar is shown.
    const std::tuple<const char*, Soort, QByteArray, bool> gevallen[] = {
        {"ontbreekt", Soort::Geen, {}, true},
        {"leeg", Soort::Bestand, "", true},
        {"een met blanco's, zonder regeleinde", Soort::Bestand, " 1 ", true},
        {"nul", Soort::Bestand, "0\r\n", false},
        {"twee", Soort::Bestand, "2\r\n", false},
        {"alleen de eerste regel telt", Soort::Bestand, "1\r\n0\r\n", true},
        {"onzin", Soort::Bestand, "werkbalk\r\n", true},
        {"te groot voor 16 bits", Soort::Bestand, "65537\r\n", true},
        {"alleen-lezen", Soort::AlleenLezen, "0\r\n", false},
        {"reusachtig", Soort::Groot, "0\r\n", true},
        {"map", Soort::Map, {}, true},
        {"fifo", Soort::Fifo, {}, true},
        {"link naar een bestand", Soort::LinkNaarBestand, "2\r\n", true},
        {"link naar /dev/zero", Soort::LinkNaarApparaat, {}, true},
        {"losse link", Soort::LosseLink, {}, true},
        {"geen datamap", Soort::GeenDatamap, {}, true},
    };
    for (const auto& [naam, soort, inhoud, getoond] : gevallen) {
        SCOPED_TRACE(naam);
        Werkmap map;
        const QTemporaryDir buiten;
        const QString elders = buiten.filePath(u"werkbalk.dat"_s);
        Werkmap::Schrijf(buiten.filePath(u"nieuw"_s), {});
        const QString nieuweRechten = Beschrijf(buiten.filePath(u"nieuw"_s)).section(u':', 0, 0);
        Maak(soort, inhoud, elders);
        const QStringList vooraf {Beschrijf(bestand), Beschrijf(elders), Beschrijf(apparaat)};
        const bool vervangbaar = soort == Soort::Geen || soort == Soort::Bestand || soort == Soort::Groot;
        const QString rechten = soort == Soort::Geen ? nieuweRechten : u"bestand 600"_s;
        const Wachthond wachthond(std::chrono::seconds(20), naam);
        NepDialogen dialogen;
        {
            Hoofdvenster venster(dialogen);
            EXPECT_EQ(Getoond(venster), getoond);
            venster.findChild<QAction*>(u"ToonWerkbalk"_s)->trigger();
            EXPECT_EQ(Getoond(venster), !getoond);
        }
        const QString bewaard = rechten + (getoond ? u": 0\r\n"_s : u": 1\r\n"_s);
        EXPECT_EQ(
            (QStringList {Beschrijf(bestand), Beschrijf(elders), Beschrijf(apparaat)}).join(u" | "_s).toStdString(),
            (QStringList {vervangbaar ? bewaard : vooraf[0], vooraf[1], vooraf[2]}).join(u" | "_s).toStdString());
        const Hoofdvenster herstart(dialogen);
        EXPECT_EQ(Getoond(herstart), vervangbaar ? !getoond : getoond);
        const QStringList inData
            = QDir(u"data"_s).entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot);
        EXPECT_EQ(inData.join(u' ').toStdString(), soort == Soort::GeenDatamap ? "" : "werkbalk.dat")
            << "a temporary file was left";
        EXPECT_TRUE(dialogen.meldingen().empty());
    }
}
