#include "document.h"
#include "testblad.h"
#include "toeval.h"

#include "bereiken.h"
#include "werkmap.h"

#include <QDir>
#include <QFile>
#include <QFontInfo>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <pugixml.hpp>
#include <sys/stat.h>
#include <zip.h>

#include <map>
#include <string>
#include <tuple>

namespace {

using Velden = std::vector<std::pair<QString, QString>>;
using Delen = std::vector<std::pair<std::string, std::string>>;

const QString Geleverd = QStringLiteral(TALLORA_SJABLOON);
const std::string DocumentNaam = "word/document.xml";

// The name and contents of every entry of an archive.
Delen LeesZip(const QString& pad)
{
    Delen delen;
    zip_t* zip = zip_open(QFile::encodeName(pad).constData(), ZIP_RDONLY, nullptr);
    for (zip_int64_t i = 0; zip && i < zip_get_num_entries(zip, 0); ++i) {
        zip_stat_t info;
        zip_stat_index(zip, static_cast<zip_uint64_t>(i), 0, &info);
        std::string inhoud(info.size, '\0');
        zip_file_t* bestand = zip_fopen_index(zip, static_cast<zip_uint64_t>(i), 0);
        zip_fread(bestand, inhoud.data(), info.size);
        zip_fclose(bestand);
        delen.emplace_back(info.name, inhoud);
    }
    zip_discard(zip);
    return delen;
}

void MaakZip(const QString& pad, const Delen& delen)
{
    zip_t* zip = zip_open(QFile::encodeName(pad).constData(), ZIP_CREATE | ZIP_TRUNCATE, nullptr);
    ASSERT_NE(zip, nullptr);
    for (const auto& [naam, inhoud] : delen)
        zip_file_add(zip, naam.c_str(), zip_source_buffer(zip, inhoud.data(), inhoud.size(), 0), 0);
    ASSERT_EQ(zip_close(zip), 0);
}

std::string Document(const std::string& lichaam)
{
    return R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>)"
           R"(<w:document xmlns:w="http://schemas.openxmlformats.org/wordprocessingml/2006/main"><w:body>)"
        + lichaam + "</w:body></w:document>";
}

std::string Begin(const std::string& naam, const std::string& soort = "<w:textInput/>")
{
    return R"(<w:r><w:fldChar w:fldCharType="begin"><w:ffData><w:name w:val=")" + naam
        + R"("/><w:enabled/><w:calcOnExit w:val="0"/>)" + soort + "</w:ffData></w:fldChar></w:r>"
        + R"(<w:r><w:instrText xml:space="preserve"> FORMTEXT </w:instrText></w:r>)";
}

const std::string Scheiding = R"(<w:r><w:rPr><w:b/></w:rPr><w:fldChar w:fldCharType="separate"/></w:r>)";
const std::string Einde = R"(<w:r><w:fldChar w:fldCharType="end"/></w:r>)";

std::string Veld(const std::string& naam, const std::string& tekst, const std::string& einde = Einde)
{
    return "<w:p>" + Begin(naam) + Scheiding + "<w:r><w:t>" + tekst + "</w:t></w:r>" + einde + "</w:p>";
}

QByteArray Bytes(const QString& pad)
{
    QFile bestand(pad);
    return bestand.open(QIODevice::ReadOnly) ? bestand.readAll() : QByteArray();
}

class DocumentVullen : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(m_map.isValid()); }
    QString Pad(const QString& naam) const { return m_map.filePath(naam); }
    Documentuitslag Vul(const QString& sjabloon, const QString& naam, Printversie versie = Printversie::Opgaven)
    {
        return VulDocument(TestBlad(), versie, sjabloon, m_map.path(), naam);
    }
    QTemporaryDir m_map;
};

} // namespace

// The solutions version fills every field, the sheet code included; the exercises version, made from that
// filled document, empties the answers again. All but the document part is copied as is; templates are only read.
TEST_F(DocumentVullen, GeleverdSjabloonInBeideVersies)
{
    ZaaiToeval(21);
    const QByteArray voor = Bytes(Geleverd);
    ASSERT_FALSE(voor.isEmpty());
    const auto zonderDocument = [](Delen delen) {
        std::erase_if(delen, [](const auto& deel) { return deel.first == DocumentNaam; });
        return delen;
    };
    const QString oplossingen = Pad(QStringLiteral("oplossingen.docx"));
    for (const Printversie versie : {Printversie::Oplossingen, Printversie::Opgaven}) {
        const bool opgaven = versie == Printversie::Opgaven;
        const QString sjabloon = opgaven ? oplossingen : Geleverd;
        const QString naam = opgaven ? QStringLiteral("opgaven.docx") : QStringLiteral("oplossingen.docx");
        BladGegevens blad = TestBlad(QStringLiteral("Optellen"), opgaven ? QStringLiteral("tot 100") : QString());
        blad.Code = QStringLiteral("2ZB5UEZR");
        ASSERT_EQ(VulDocument(blad, versie, sjabloon, m_map.path(), naam).Pad, Pad(naam));
        DocumentFout fout = DocumentFout::OngeldigeXml;
        const Velden velden = LeesVelden(Pad(naam), &fout);
        const std::map<QString, QString> tabel(velden.begin(), velden.end());
        EXPECT_EQ(fout, DocumentFout::Geen);
        EXPECT_EQ(velden.size(), 64u);
        EXPECT_EQ(tabel.size(), 64u);
        EXPECT_EQ(tabel.at("bladcode"), "2ZB5UEZR");
        EXPECT_EQ(tabel.at("titel"), "Optellen");
        EXPECT_EQ(tabel.at("ondertitel"), opgaven ? "tot 100" : "");
        EXPECT_EQ(tabel.at("resultaat"), opgaven ? "Resultaat : ..../30" : "Dit zijn de oplossingen !");
        for (int i = 0; i < BladAantal; ++i) {
            EXPECT_EQ(tabel.at("oef" + QString::number(i)), QStringLiteral("%1+%2").arg(10 + i).arg(40 + i));
            EXPECT_EQ(tabel.at("opl" + QString::number(i)), opgaven ? QString() : QString::number(50 + 2 * i));
        }
        EXPECT_EQ(zonderDocument(LeesZip(Pad(naam))), zonderDocument(LeesZip(Geleverd)));
    }
    EXPECT_EQ(Bytes(Geleverd), voor);
}

// Word puts every exercise and answer in a table cell; a text wider than its cell breaks onto a second
// line. Measured in the font the template names, the widest of every range fits with a digit to spare.
TEST_F(DocumentVullen, SjabloonHoudtDeBreedsteOpgavenOpEenRegel)
{
    ZaaiToeval(22);
    std::map<std::string, std::string> delen;
    for (const auto& [naam, inhoud] : LeesZip(Geleverd))
        delen[naam] = inhoud;
    pugi::xml_document stijlen, document;
    ASSERT_TRUE(stijlen.load_string(delen["word/styles.xml"].c_str()));
    ASSERT_TRUE(document.load_string(delen[DocumentNaam].c_str()));
    const pugi::xml_node celMarge = stijlen.select_node("//w:tblCellMar").node();
    const double marges = celMarge.child("w:left").attribute("w:w").as_double()
        + celMarge.child("w:right").attribute("w:w").as_double();
    QFont lettertype(
        QString::fromUtf8(stijlen.select_node("//w:rPrDefault//w:rFonts").node().attribute("w:ascii").value()));
    ASSERT_EQ(QFontInfo(lettertype).family(), lettertype.family()) << "the template's font is installed";
    QImage apparaat(1, 1, QImage::Format_RGB32);
    apparaat.setDotsPerMeterX(47244); // 1200 dpi
    apparaat.setDotsPerMeterY(47244);
    const double punt = 72.0 / apparaat.logicalDpiX();
    int cellen = 0;
    for (const pugi::xpath_node cel : document.select_nodes("//w:tc[.//w:ffData]")) {
        const std::string veld = cel.node().select_node(".//w:ffData/w:name").node().attribute("w:val").value();
        const double breedte
            = (cel.node().select_node("w:tcPr/w:tcW").node().attribute("w:w").as_double() - marges) / 20;
        lettertype.setPointSizeF(cel.node().select_node(".//w:sz").node().attribute("w:val").as_double() / 2);
        const QFontMetricsF maten(lettertype, &apparaat);
        const double cijfer = maten.horizontalAdvance(QString::number(BreedsteGetal(maten, 1)));
        for (const Bereik& bereik : Bereiken) {
            const BladOpgave opgave = BreedsteOpgave(bereik, maten);
            const QString tekst = veld.starts_with("oef") ? Tekst(opgave) : "= " + QString::number(opgave.Uitkomst);
            EXPECT_LE((maten.horizontalAdvance(tekst) + cijfer) * punt, breedte) << veld << " " << bereik.naam;
        }
        ++cellen;
    }
    EXPECT_EQ(cellen, 2 * BladAantal);
}

// A document is always a new file: a name that is taken, by a file or by a link (even one that points
// nowhere), gives the next free name; nothing is written over or through it.
TEST_F(DocumentVullen, NieuwDocumentKrijgtEenVrijeNaam)
{
    ZaaiToeval(23);
    const QString naam = QStringLiteral("blad.docx");
    const QString buiten = Pad(QStringLiteral("buiten.docx"));
    // The names taken, by files or by links to buiten (which does not exist), and the name the document gets.
    const std::tuple<const char*, std::vector<QString>, bool, QString> gevallen[] = {
        {"vrij", {}, false, naam},
        {"bestand", {naam}, false, QStringLiteral("blad (2).docx")},
        {"twee bestanden", {naam, QStringLiteral("blad (2).docx")}, false, QStringLiteral("blad (3).docx")},
        {"hangende link", {naam}, true, QStringLiteral("blad (2).docx")},
    };
    for (const auto& [wat, bezet, links, verwacht] : gevallen) {
        for (const QString& bestand : QDir(m_map.path()).entryList(QDir::Files | QDir::System))
            QFile::remove(Pad(bestand));
        for (const QString& naamBezet : bezet) {
            if (links)
                ASSERT_TRUE(QFile::link(buiten, Pad(naamBezet)));
            else
                Werkmap::Schrijf(Pad(naamBezet), "eerder");
        }
        EXPECT_EQ(Vul(Geleverd, naam).Pad, Pad(verwacht)) << wat;
        EXPECT_FALSE(QFile::exists(buiten)) << wat;
        for (const QString& naamBezet : bezet)
            EXPECT_TRUE(links || Bytes(Pad(naamBezet)) == "eerder") << wat;
    }
    EXPECT_EQ(VulDocument(TestBlad(), Printversie::Opgaven, Geleverd, Pad(QStringLiteral("x")), naam).Fout,
        DocumentFout::DoelNietSchrijfbaar);
}

TEST_F(DocumentVullen, EigenSjabloonVultAlleenBekendeNamen)
{
    ZaaiToeval(23);
    // Unknown names, a check box and a result without any run, beside the fields to fill.
    const std::string lichaam = Veld("Titel", "oud") + Veld("oef05", "x") + Veld("oef30", "y") + "<w:p>"
        + Begin("opl3", "<w:checkBox/>") + Scheiding + Einde + Begin("ondertitel") + Scheiding + Einde + "</w:p>"
        + Veld("titel", "een") + Veld("oef0", "z") + Veld("opl1", "9");
    const QString sjabloon = Pad(QStringLiteral("eigen.docx"));
    MaakZip(sjabloon, {{"[Content_Types].xml", "<Types/>"}, {DocumentNaam, Document(lichaam)}});
    const BladGegevens blad = TestBlad(QString::fromUtf8("A & B < C \x01\xc3\xa9"), QStringLiteral(" tot 20"));
    const Documentuitslag uitslag
        = VulDocument(blad, Printversie::Oplossingen, sjabloon, m_map.path(), QStringLiteral("uit.docx"));
    ASSERT_EQ(uitslag.Fout, DocumentFout::Geen);
    const Velden verwacht = {{"Titel", "oud"}, {"oef05", "x"}, {"oef30", "y"}, {"ondertitel", " tot 20"},
        {"titel", QString::fromUtf8("A & B < C \xc3\xa9")}, {"oef0", "10+40"}, {"opl1", "52"}};
    EXPECT_EQ(LeesVelden(uitslag.Pad), verwacht);
}

// Each broken or hostile template gives its message, naming the template, and no document; none
// blocks, exhausts memory or is read whole. One whose end mark lies inside a text reads well but
// would lose that mark when filled.
TEST_F(DocumentVullen, KapotteSjablonenGevenHunFout)
{
    ZaaiToeval(24);
    const QString pad = Pad(QStringLiteral("kapot.docx"));
    const auto ruw = [&](const QByteArray& bytes) { return [&pad, bytes] { Werkmap::Schrijf(pad, bytes); }; };
    const auto zip = [&](const Delen& delen) { return [&pad, delen] { MaakZip(pad, delen); }; };
    const auto xml = [&](const std::string& lichaam) { return zip({{DocumentNaam, Document(lichaam)}}); };
    const std::string tekstEinde = R"(<w:r><w:t>x<w:fldChar w:fldCharType="end"/></w:t></w:r>)";
    using enum DocumentFout;
    // What stands under the template's name, the fault of filling it and the fault of reading it alone.
    const std::tuple<const char*, std::function<void()>, DocumentFout, DocumentFout> gevallen[] = {
        {"ontbreekt", [] {}, SjabloonOntbreekt, SjabloonOntbreekt},
        {"map", [&] { QDir().mkdir(pad); }, GeenBestand, GeenBestand},
        {"fifo", [&] { ::mkfifo(QFile::encodeName(pad).constData(), 0644); }, GeenBestand, GeenBestand},
        {"link naar /dev/zero", [&] { QFile::link(QStringLiteral("/dev/zero"), pad); }, GeenBestand, GeenBestand},
        {"te groot",
            [&] {
                Werkmap::Schrijf(pad, "PK");
                QFile::resize(pad, MaxSjabloonGrootte + 1);
            },
            TeGroot, TeGroot},
        {"tekst", ruw("dit is geen zip"), GeenZip, GeenZip},
        {"half", ruw(Bytes(Geleverd).left(2000)), GeenZip, GeenZip},
        {"zonder document", zip({{"word/styles.xml", "<s/>"}}), GeenDocument, GeenDocument},
        {"kapotte xml", xml("<w:p>"), OngeldigeXml, OngeldigeXml},
        {"geen document", zip({{DocumentNaam, "<w:styles/>"}}), OngeldigeXml, OngeldigeXml},
        {"zonder scheiding", xml("<w:p>" + Begin("oef1") + Einde + "</w:p>"), BeschadigdVeld, BeschadigdVeld},
        {"zonder einde", xml("<w:p>" + Begin("oef1") + Scheiding + "</w:p>"), BeschadigdVeld, BeschadigdVeld},
        {"einde in tekst", xml(Veld("titel", "t") + Veld("oef1", "", tekstEinde)), BeschadigdVeld, Geen},
    };
    for (const auto& [naam, maak, fout, lezen] : gevallen) {
        QFile::remove(pad);
        QDir(pad).removeRecursively();
        maak();
        const Documentuitslag uitslag = Vul(pad, QStringLiteral("uit.docx"));
        EXPECT_EQ(uitslag.Fout, fout) << naam;
        EXPECT_TRUE(uitslag.Pad.isEmpty() && !QFile::exists(Pad(QStringLiteral("uit.docx")))) << naam;
        DocumentFout gelezen = Geen;
        LeesVelden(pad, &gelezen);
        EXPECT_EQ(gelezen, lezen) << naam;
        EXPECT_TRUE(Foutmelding(fout, pad, {}).endsWith(QDir::toNativeSeparators(pad))) << naam;
    }
}
