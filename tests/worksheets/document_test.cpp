#include "document.h"
#include "testblad.h"
#include "toeval.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <zip.h>

#include <map>
#include <string>

namespace {

using Velden = std::vector<std::pair<QString, QString>>;
using Delen = std::vector<std::pair<std::string, std::string>>;

const QString Geleverd = QStringLiteral(TALLORA_SJABLOON);

// One entry of an archive as stored: its data and how it was compressed.
struct Deel
{
    std::string naam;
    std::string inhoud;
    zip_uint16_t methode = 0;
    zip_uint64_t gecomprimeerd = 0;
    zip_uint32_t crc = 0;
};

std::vector<Deel> LeesZip(const QString& pad)
{
    std::vector<Deel> delen;
    zip_t* zip = zip_open(QFile::encodeName(pad).constData(), ZIP_RDONLY, nullptr);
    for (zip_int64_t i = 0; zip && i < zip_get_num_entries(zip, 0); ++i) {
        zip_stat_t info;
        zip_stat_index(zip, static_cast<zip_uint64_t>(i), 0, &info);
        Deel deel {info.name, std::string(info.size, '\0'), info.comp_method, info.comp_size, info.crc};
        zip_file_t* bestand = zip_fopen_index(zip, static_cast<zip_uint64_t>(i), 0);
        zip_fread(bestand, deel.inhoud.data(), info.size);
        zip_fclose(bestand);
        delen.push_back(deel);
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

std::string TekstRun(const std::string& tekst)
{
    return "<w:r><w:t>" + tekst + "</w:t></w:r>";
}

std::string Veld(const std::string& naam, const std::string& tekst)
{
    return "<w:p>" + Begin(naam) + Scheiding + TekstRun(tekst) + Einde + "</w:p>";
}

void MaakSjabloon(const QString& pad, const std::string& xml)
{
    MaakZip(pad, {{"[Content_Types].xml", "<Types/>"}, {"word/document.xml", xml}, {"word/styles.xml", "<s/>"}});
}

QByteArray Bytes(const QString& pad)
{
    QFile bestand(pad);
    return bestand.open(QIODevice::ReadOnly) ? bestand.readAll() : QByteArray();
}

void Schrijf(const QString& pad, const QByteArray& bytes)
{
    QFile bestand(pad);
    ASSERT_TRUE(bestand.open(QIODevice::WriteOnly));
    bestand.write(bytes);
}

std::map<QString, QString> AlsTabel(const Velden& velden)
{
    return {velden.begin(), velden.end()};
}

class DocumentVullen : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(m_map.isValid()); }
    QString Pad(const QString& naam) const { return m_map.filePath(naam); }
    QTemporaryDir m_map;
};

} // namespace

TEST_F(DocumentVullen, GeleverdSjabloonInBeideVersies)
{
    ZaaiToeval(21);
    const QByteArray voor = Bytes(Geleverd);
    ASSERT_FALSE(voor.isEmpty());
    for (const Printversie versie : {Printversie::Opgaven, Printversie::Oplossingen}) {
        const bool opgaven = versie == Printversie::Opgaven;
        BladGegevens blad = TestBlad(QStringLiteral("Optellen"), opgaven ? QStringLiteral("tot 100") : QString());
        const QString uit = Pad(QStringLiteral("uit.docx"));
        ASSERT_EQ(VulDocument(blad, versie, Geleverd, uit), DocumentFout::Geen);
        DocumentFout fout = DocumentFout::OngeldigeXml;
        const Velden velden = LeesVelden(uit, &fout);
        EXPECT_EQ(fout, DocumentFout::Geen);
        const std::map<QString, QString> tabel = AlsTabel(velden);
        EXPECT_EQ(velden.size(), 63u);
        EXPECT_EQ(tabel.size(), 63u);
        EXPECT_EQ(tabel.at("titel"), "Optellen");
        EXPECT_EQ(tabel.at("ondertitel"), opgaven ? "tot 100" : "");
        EXPECT_EQ(tabel.at("resultaat"), opgaven ? "Resultaat : ..../30" : "Dit zijn de oplossingen !");
        for (int i = 0; i < BladAantal; ++i) {
            EXPECT_EQ(tabel.at("oef" + QString::number(i)), QStringLiteral("%1+%2").arg(10 + i).arg(40 + i));
            EXPECT_EQ(tabel.at("opl" + QString::number(i)), opgaven ? QString() : QString::number(50 + 2 * i));
        }
        const std::vector<Deel> oud = LeesZip(Geleverd);
        const std::vector<Deel> nieuw = LeesZip(uit);
        ASSERT_EQ(nieuw.size(), oud.size());
        for (std::size_t i = 0; i < oud.size(); ++i) {
            EXPECT_EQ(nieuw[i].naam, oud[i].naam);
            if (oud[i].naam == "word/document.xml")
                continue;
            EXPECT_EQ(nieuw[i].inhoud, oud[i].inhoud) << oud[i].naam;
            EXPECT_EQ(nieuw[i].methode, oud[i].methode) << oud[i].naam;
            EXPECT_EQ(nieuw[i].gecomprimeerd, oud[i].gecomprimeerd) << oud[i].naam;
            EXPECT_EQ(nieuw[i].crc, oud[i].crc) << oud[i].naam;
        }
    }
    EXPECT_EQ(Bytes(Geleverd), voor);
}

TEST_F(DocumentVullen, OpgavenWissenOudeOplossingen)
{
    ZaaiToeval(22);
    BladGegevens blad = TestBlad();
    const QString metOplossingen = Pad(QStringLiteral("oplossingen.docx"));
    const QString uit = Pad(QStringLiteral("opgaven.docx"));
    ASSERT_EQ(VulDocument(blad, Printversie::Oplossingen, Geleverd, metOplossingen), DocumentFout::Geen);
    ASSERT_EQ(AlsTabel(LeesVelden(metOplossingen)).at("opl7"), "64");
    ASSERT_EQ(VulDocument(blad, Printversie::Opgaven, metOplossingen, uit), DocumentFout::Geen);
    const std::map<QString, QString> tabel = AlsTabel(LeesVelden(uit));
    for (int i = 0; i < BladAantal; ++i)
        EXPECT_EQ(tabel.at("opl" + QString::number(i)), QString()) << i;
    EXPECT_EQ(tabel.at("resultaat"), "Resultaat : ..../30");
}

TEST_F(DocumentVullen, EigenSjabloonVultAlleenBekendeNamen)
{
    ZaaiToeval(23);
    const std::string paginanummer = R"(<w:p><w:r><w:fldChar w:fldCharType="begin"/></w:r>)"
                                     R"(<w:r><w:instrText> PAGE </w:instrText></w:r>)"
        + Scheiding + TekstRun("1") + Einde + "</w:p>";
    const std::string lichaam = Veld("Titel", "oud") + Veld("oef05", "x") + Veld("oef30", "y") + paginanummer + "<w:p>"
        + Begin("opl3", "<w:checkBox/>") + Scheiding + Einde
        + "</w:p>"
        // a result spread over runs in two paragraphs, around a nested field
        + "<w:p>" + Begin("titel") + Scheiding + TekstRun("een") + "</w:p><w:p>" + TekstRun("twee")
        + R"(<w:r><w:fldChar w:fldCharType="begin"/></w:r><w:r><w:t>genest</w:t></w:r>)" + Einde + TekstRun("drie")
        + Einde
        + "</w:p>"
        // a result without any run
        + "<w:p>" + Begin("ondertitel") + Scheiding + Einde + "</w:p>" + Veld("oef0", "z") + Veld("opl1", "9");
    const QString sjabloon = Pad(QStringLiteral("eigen.docx"));
    MaakSjabloon(sjabloon, Document(lichaam));
    BladGegevens blad = TestBlad(QString::fromUtf8("A & B < C \x01\xc3\xa9"), QStringLiteral(" tot 20"));
    const QString uit = Pad(QStringLiteral("uit.docx"));
    ASSERT_EQ(VulDocument(blad, Printversie::Oplossingen, sjabloon, uit), DocumentFout::Geen);
    const Velden verwacht
        = {{"Titel", "oud"}, {"oef05", "x"}, {"oef30", "y"}, {"titel", QString::fromUtf8("A & B < C \xc3\xa9")},
            {"ondertitel", " tot 20"}, {"oef0", "10+40"}, {"opl1", "52"}};
    EXPECT_EQ(LeesVelden(uit), verwacht);
    const std::string xml = LeesZip(uit).at(1).inhoud;
    EXPECT_NE(xml.find("<w:t>1</w:t>"), std::string::npos) << "the page number field is left alone";
    EXPECT_NE(xml.find("<w:t>genest</w:t>"), std::string::npos);
    EXPECT_NE(xml.find(R"(<w:r><w:rPr><w:b/></w:rPr><w:t xml:space="preserve"> tot 20</w:t></w:r>)"), std::string::npos)
        << "a new result run is formatted like the separate mark's run:\n"
        << xml;
}

TEST_F(DocumentVullen, KapotteSjablonenGevenHunFout)
{
    ZaaiToeval(24);
    const QString pad = Pad(QStringLiteral("kapot.docx"));
    struct Geval
    {
        const char* naam;
        std::function<void()> maak;
        DocumentFout fout;
    };
    const Geval gevallen[] = {
        {"ontbreekt", [] {}, DocumentFout::SjabloonOntbreekt},
        {"map", [&] { QDir().mkpath(pad); }, DocumentFout::SjabloonOntbreekt},
        {"leeg", [&] { Schrijf(pad, {}); }, DocumentFout::GeenZip},
        {"tekst", [&] { Schrijf(pad, "dit is geen zip"); }, DocumentFout::GeenZip},
        {"half", [&] { Schrijf(pad, Bytes(Geleverd).left(2000)); }, DocumentFout::GeenZip},
        {"zonder document",
            [&] {
                MaakZip(pad, {{"word/styles.xml", "<s/>"}});
            },
            DocumentFout::GeenDocument},
        {"kapotte xml", [&] { MaakSjabloon(pad, Document("<w:p>")); }, DocumentFout::OngeldigeXml},
        {"geen document", [&] { MaakSjabloon(pad, "<w:styles/>"); }, DocumentFout::OngeldigeXml},
        {"lege xml", [&] { MaakSjabloon(pad, ""); }, DocumentFout::OngeldigeXml},
        {"zonder scheiding",
            [&] { MaakSjabloon(pad, Document("<w:p>" + Begin("oef1") + TekstRun("x") + Einde + "</w:p>")); },
            DocumentFout::BeschadigdVeld},
        {"zonder einde",
            [&] { MaakSjabloon(pad, Document("<w:p>" + Begin("oef1") + Scheiding + TekstRun("x") + "</w:p>")); },
            DocumentFout::BeschadigdVeld},
        {"dubbele scheiding",
            [&] { MaakSjabloon(pad, Document("<w:p>" + Begin("oef1") + Scheiding + Scheiding + Einde + "</w:p>")); },
            DocumentFout::BeschadigdVeld},
    };
    for (const Geval& geval : gevallen) {
        QDir(pad).removeRecursively();
        QFile::remove(pad);
        geval.maak();
        BladGegevens blad = TestBlad();
        const QString uit = Pad(QStringLiteral("uit.docx"));
        EXPECT_EQ(VulDocument(blad, Printversie::Opgaven, pad, uit), geval.fout) << geval.naam;
        EXPECT_FALSE(QFile::exists(uit)) << geval.naam;
        DocumentFout gelezen = DocumentFout::Geen;
        EXPECT_TRUE(LeesVelden(pad, &gelezen).empty()) << geval.naam;
        EXPECT_EQ(gelezen, geval.fout) << geval.naam;
        EXPECT_TRUE(Foutmelding(geval.fout, pad, uit).endsWith(QDir::toNativeSeparators(pad))) << geval.naam;
    }
}

TEST_F(DocumentVullen, OnschrijfbaarDoel)
{
    ZaaiToeval(25);
    const QString sjabloon = Pad(QStringLiteral("sjabloon.docx"));
    ASSERT_TRUE(QFile::copy(Geleverd, sjabloon));
    const QByteArray voor = Bytes(sjabloon);
    ASSERT_TRUE(QDir().mkpath(Pad(QStringLiteral("een map"))));
    for (const QString& doel : {Pad(QStringLiteral("ontbrekend/uit.docx")), Pad(QStringLiteral("een map")), sjabloon,
             Pad(QStringLiteral("./sjabloon.docx"))}) {
        BladGegevens blad = TestBlad();
        EXPECT_EQ(VulDocument(blad, Printversie::Oplossingen, sjabloon, doel), DocumentFout::DoelNietSchrijfbaar)
            << doel.toStdString();
        EXPECT_EQ(Foutmelding(DocumentFout::DoelNietSchrijfbaar, sjabloon, doel),
            "Het document kon niet bewaard worden :\r\n" + QDir::toNativeSeparators(doel));
    }
    EXPECT_EQ(Bytes(sjabloon), voor);
    EXPECT_EQ(QDir(m_map.path()).entryList(QDir::Files), QStringList {QStringLiteral("sjabloon.docx")});
}

// Damaged archives and damaged XML must give an error or a readable document, never a crash.
TEST_F(DocumentVullen, BeschadigdeBestandenLatenNietsVastlopen)
{
    ZaaiToeval(26);
    const QByteArray origineel = Bytes(Geleverd);
    const std::string xml = LeesZip(Geleverd).at(2).inhoud;
    const QString pad = Pad(QStringLiteral("fuzz.docx"));
    const QString uit = Pad(QStringLiteral("uit.docx"));
    auto probeer = [&](const char* wat, int i) {
        BladGegevens blad = TestBlad();
        QFile::remove(uit);
        const DocumentFout fout = VulDocument(blad, Printversie::Oplossingen, pad, uit);
        EXPECT_EQ(QFile::exists(uit), fout == DocumentFout::Geen) << wat << i;
        if (fout == DocumentFout::Geen) {
            DocumentFout gelezen = DocumentFout::GeenZip;
            LeesVelden(uit, &gelezen);
            EXPECT_EQ(gelezen, DocumentFout::Geen) << wat << i;
        }
    };
    for (qsizetype lengte = 0; lengte < origineel.size(); lengte += 97) {
        Schrijf(pad, origineel.left(lengte));
        probeer("ingekort", static_cast<int>(lengte));
    }
    for (int i = 0; i < 100; ++i) {
        QByteArray bytes = origineel;
        for (std::int64_t n = RandomTot(8); n > 0; --n)
            bytes[static_cast<qsizetype>(RandomIndex(bytes.size()))] = static_cast<char>(RandomIndex(256));
        Schrijf(pad, bytes);
        probeer("verminkt", i);
    }
    for (std::size_t lengte = 0; lengte < xml.size(); lengte += 397) {
        MaakSjabloon(pad, xml.substr(0, lengte));
        probeer("halve xml", static_cast<int>(lengte));
    }
}
