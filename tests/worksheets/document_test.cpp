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

std::string Veld(const std::string& naam, const std::string& tekst)
{
    return "<w:p>" + Begin(naam) + Scheiding + "<w:r><w:t>" + tekst + "</w:t></w:r>" + Einde + "</w:p>";
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

class DocumentVullen : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(m_map.isValid()); }
    QString Pad(const QString& naam) const { return m_map.filePath(naam); }
    QTemporaryDir m_map;
};

} // namespace

// The solutions version fills every field; the exercises version, made from that filled document,
// empties the answers again. All but the document part is copied as is; templates are only read.
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
        const QString uit = opgaven ? Pad(QStringLiteral("opgaven.docx")) : oplossingen;
        BladGegevens blad = TestBlad(QStringLiteral("Optellen"), opgaven ? QStringLiteral("tot 100") : QString());
        ASSERT_EQ(VulDocument(blad, versie, sjabloon, uit), DocumentFout::Geen);
        DocumentFout fout = DocumentFout::OngeldigeXml;
        const Velden velden = LeesVelden(uit, &fout);
        const std::map<QString, QString> tabel(velden.begin(), velden.end());
        EXPECT_EQ(fout, DocumentFout::Geen);
        EXPECT_EQ(velden.size(), 63u);
        EXPECT_EQ(tabel.size(), 63u);
        EXPECT_EQ(tabel.at("titel"), "Optellen");
        EXPECT_EQ(tabel.at("ondertitel"), opgaven ? "tot 100" : "");
        EXPECT_EQ(tabel.at("resultaat"), opgaven ? "Resultaat : ..../30" : "Dit zijn de oplossingen !");
        for (int i = 0; i < BladAantal; ++i) {
            EXPECT_EQ(tabel.at("oef" + QString::number(i)), QStringLiteral("%1+%2").arg(10 + i).arg(40 + i));
            EXPECT_EQ(tabel.at("opl" + QString::number(i)), opgaven ? QString() : QString::number(50 + 2 * i));
        }
        EXPECT_EQ(zonderDocument(LeesZip(uit)), zonderDocument(LeesZip(Geleverd)));
    }
    EXPECT_EQ(Bytes(Geleverd), voor);

    // A template is never its own target, whatever the spelling; nor is a missing folder.
    const QByteArray gevuld = Bytes(oplossingen);
    BladGegevens blad = TestBlad();
    for (const QString& doel :
        {oplossingen, Pad(QStringLiteral("./oplossingen.docx")), Pad(QStringLiteral("x/uit.docx"))})
        EXPECT_EQ(VulDocument(blad, Printversie::Opgaven, oplossingen, doel), DocumentFout::DoelNietSchrijfbaar);
    EXPECT_EQ(Bytes(oplossingen), gevuld);
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
    BladGegevens blad = TestBlad(QString::fromUtf8("A & B < C \x01\xc3\xa9"), QStringLiteral(" tot 20"));
    const QString uit = Pad(QStringLiteral("uit.docx"));
    ASSERT_EQ(VulDocument(blad, Printversie::Oplossingen, sjabloon, uit), DocumentFout::Geen);
    const Velden verwacht = {{"Titel", "oud"}, {"oef05", "x"}, {"oef30", "y"}, {"ondertitel", " tot 20"},
        {"titel", QString::fromUtf8("A & B < C \xc3\xa9")}, {"oef0", "10+40"}, {"opl1", "52"}};
    EXPECT_EQ(LeesVelden(uit), verwacht);
}

TEST_F(DocumentVullen, KapotteSjablonenGevenHunFout)
{
    ZaaiToeval(24);
    const QString pad = Pad(QStringLiteral("kapot.docx"));
    const auto ruw = [&](const QByteArray& bytes) { return [&pad, bytes] { Schrijf(pad, bytes); }; };
    const auto zip = [&](const Delen& delen) { return [&pad, delen] { MaakZip(pad, delen); }; };
    const auto xml = [&](const std::string& lichaam) { return zip({{DocumentNaam, Document(lichaam)}}); };
    struct Geval
    {
        const char* naam;
        std::function<void()> maak;
        DocumentFout fout;
    };
    const Geval gevallen[] = {
        {"ontbreekt", [] {}, DocumentFout::SjabloonOntbreekt},
        {"tekst", ruw("dit is geen zip"), DocumentFout::GeenZip},
        {"half", ruw(Bytes(Geleverd).left(2000)), DocumentFout::GeenZip},
        {"zonder document", zip({{"word/styles.xml", "<s/>"}}), DocumentFout::GeenDocument},
        {"kapotte xml", xml("<w:p>"), DocumentFout::OngeldigeXml},
        {"geen document", zip({{DocumentNaam, "<w:styles/>"}}), DocumentFout::OngeldigeXml},
        {"zonder scheiding", xml("<w:p>" + Begin("oef1") + Einde + "</w:p>"), DocumentFout::BeschadigdVeld},
        {"zonder einde", xml("<w:p>" + Begin("oef1") + Scheiding + "</w:p>"), DocumentFout::BeschadigdVeld},
    };
    for (const Geval& geval : gevallen) {
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
