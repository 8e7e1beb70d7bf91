#include "document.h"

#include "formvelden.h"
#include "getal.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <zip.h>

#include <algorithm>
#include <memory>
#include <optional>
#include <sstream>
#include <string>

namespace {

const char* const DocumentDeel = "word/document.xml";

// Far above any real document; stops a hostile archive from inflating without end.
constexpr zip_uint64_t MaxDeelGrootte = 64u * 1024u * 1024u;

struct ZipSluiter
{
    void operator()(zip_t* zip) const { zip_discard(zip); }
};
struct BronVrijgever
{
    void operator()(zip_source_t* bron) const { zip_source_free(bron); }
};
using ZipPtr = std::unique_ptr<zip_t, ZipSluiter>;
using BronPtr = std::unique_ptr<zip_source_t, BronVrijgever>;

// The template opened in memory: the file is read once and never opened for writing. The archive
// writes its new version into bron, which outlives it.
struct Sjabloon
{
    QByteArray bytes;
    BronPtr bron;
    ZipPtr zip;
    zip_uint64_t index = 0;
    std::string xml;
};

bool LeesDeel(Sjabloon& s)
{
    zip_stat_t info;
    zip_stat_init(&info);
    if (zip_stat_index(s.zip.get(), s.index, 0, &info) < 0 || !(info.valid & ZIP_STAT_SIZE)
        || info.size > MaxDeelGrootte)
        return false;
    zip_file_t* deel = zip_fopen_index(s.zip.get(), s.index, 0);
    if (!deel)
        return false;
    s.xml.resize(info.size);
    const zip_int64_t gelezen = zip_fread(deel, s.xml.data(), info.size);
    char extra;
    const bool volledig = gelezen == static_cast<zip_int64_t>(info.size) && zip_fread(deel, &extra, 1) == 0;
    zip_fclose(deel);
    return volledig;
}

// Only a regular file of a template's size is read: a pipe would block the window, a device never
// ends and a huge file would freeze it. O_NONBLOCK keeps the open itself from waiting on a pipe.
DocumentFout LeesBestand(const QString& pad, QByteArray& bytes)
{
    const int fd = ::open(QFile::encodeName(pad).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    QFile bestand;
    if (fd < 0 || !bestand.open(fd, QIODevice::ReadOnly, QFile::AutoCloseHandle)) {
        if (fd >= 0)
            ::close(fd);
        return DocumentFout::SjabloonOntbreekt;
    }
    struct stat info;
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode))
        return DocumentFout::GeenBestand;
    if (info.st_size > MaxSjabloonGrootte)
        return DocumentFout::TeGroot;
    // The file may grow after fstat: never read more than the limit.
    bytes = bestand.read(MaxSjabloonGrootte + 1);
    return bytes.size() > MaxSjabloonGrootte ? DocumentFout::TeGroot : DocumentFout::Geen;
}

DocumentFout OpenArchief(Sjabloon& s)
{
    // libzip would take an empty file for an empty archive.
    if (s.bytes.isEmpty())
        return DocumentFout::GeenZip;
    zip_error_t fout;
    zip_error_init(&fout);
    s.bron.reset(zip_source_buffer_create(s.bytes.constData(), static_cast<zip_uint64_t>(s.bytes.size()), 0, &fout));
    if (s.bron)
        s.zip.reset(zip_open_from_source(s.bron.get(), 0, &fout));
    zip_error_fini(&fout);
    if (!s.zip)
        return DocumentFout::GeenZip;
    zip_source_keep(s.bron.get());
    const zip_int64_t index = zip_name_locate(s.zip.get(), DocumentDeel, 0);
    if (index < 0)
        return DocumentFout::GeenDocument;
    s.index = static_cast<zip_uint64_t>(index);
    return LeesDeel(s) ? DocumentFout::Geen : DocumentFout::GeenZip;
}

DocumentFout LeesXml(const Sjabloon& s, pugi::xml_document& xml, std::vector<Formveld>& velden)
{
    const unsigned opties
        = pugi::parse_default | pugi::parse_declaration | pugi::parse_ws_pcdata | pugi::parse_comments | pugi::parse_pi;
    if (!xml.load_buffer(s.xml.data(), s.xml.size(), opties, pugi::encoding_auto)
        || std::string(xml.document_element().name()) != "w:document")
        return DocumentFout::OngeldigeXml;
    // The text is written back as UTF-8, whatever the template used.
    if (pugi::xml_attribute codering = xml.first_child().attribute("encoding"))
        codering.set_value("UTF-8");
    return ZoekFormvelden(xml, velden) ? DocumentFout::Geen : DocumentFout::BeschadigdVeld;
}

// Characters that XML 1.0 cannot hold (most control characters) are dropped rather than written
// into a document that no word processor would open.
std::string XmlTekst(const QString& tekst)
{
    QString schoon;
    for (const char32_t c : tekst.toUcs4()) {
        const bool toegestaan = c == U'\t' || c == U'\n' || c == U'\r' || (c >= 0x20 && c < 0xD800)
            || (c >= 0xE000 && c < 0xFFFE) || (c >= 0x10000 && c <= 0x10FFFF);
        if (toegestaan)
            schoon += QString::fromUcs4(&c, 1);
    }
    return schoon.toStdString();
}

std::optional<QString> Waarde(const std::string& naam, const BladGegevens& blad, Printversie versie)
{
    const bool opgaven = versie == Printversie::Opgaven;
    if (naam == "titel")
        return blad.Titel;
    if (naam == "ondertitel")
        return blad.Ondertitel;
    if (naam == "bladcode")
        return blad.Code;
    if (naam == "resultaat")
        return opgaven ? QStringLiteral("Resultaat : ..../30") : QStringLiteral("Dit zijn de oplossingen !");
    for (int i = 0; i < BladAantal; ++i) {
        const BladOpgave& opgave = blad.Opgaven[static_cast<std::size_t>(i)];
        if (naam == "oef" + std::to_string(i))
            return Tekst(opgave);
        if (naam == "opl" + std::to_string(i))
            return opgaven ? QString() : Tekst(opgave.Uitkomst);
    }
    return std::nullopt;
}

QByteArray LeesBron(zip_source_t* bron)
{
    zip_stat_t info;
    zip_stat_init(&info);
    if (zip_source_stat(bron, &info) < 0 || !(info.valid & ZIP_STAT_SIZE) || zip_source_open(bron) < 0)
        return {};
    QByteArray bytes(static_cast<qsizetype>(info.size), Qt::Uninitialized);
    const zip_int64_t gelezen = zip_source_read(bron, bytes.data(), info.size);
    zip_source_close(bron);
    return gelezen == static_cast<zip_int64_t>(info.size) ? bytes : QByteArray();
}

// Reads a document from its bytes: the archive, its document part and the form fields in it.
DocumentFout Lees(Sjabloon& s, pugi::xml_document& xml, std::vector<Formveld>& velden)
{
    const DocumentFout fout = OpenArchief(s);
    return fout == DocumentFout::Geen ? LeesXml(s, xml, velden) : fout;
}

DocumentFout LeesPad(const QString& pad, Sjabloon& s, pugi::xml_document& xml, std::vector<Formveld>& velden)
{
    const DocumentFout fout = LeesBestand(pad, s.bytes);
    return fout == DocumentFout::Geen ? Lees(s, xml, velden) : fout;
}

// A template whose marks lie where filling cannot keep them (an end mark inside a text, say) gives a
// document that the reader refuses or that has other fields: such a document never counts as made.
bool LeestTerug(const QByteArray& bytes, const std::vector<Formveld>& velden)
{
    Sjabloon terug;
    terug.bytes = bytes;
    pugi::xml_document xml;
    std::vector<Formveld> gelezen;
    return Lees(terug, xml, gelezen) == DocumentFout::Geen
        && std::ranges::equal(velden, gelezen, {}, &Formveld::Naam, &Formveld::Naam);
}

// Replaces the document part; every other entry is copied unchanged by libzip.
QByteArray NieuwArchief(Sjabloon& s, const std::string& xml)
{
    zip_source_t* deel = zip_source_buffer(s.zip.get(), xml.data(), xml.size(), 0);
    if (!deel || zip_file_replace(s.zip.get(), s.index, deel, 0) < 0) {
        zip_source_free(deel);
        return {};
    }
    if (zip_close(s.zip.get()) < 0)
        return {};
    s.zip.release();
    return LeesBron(s.bron.get());
}

enum class Nieuw { Geschreven, Bezet, Mislukt };

// NewOnly creates the file exclusively (O_EXCL): any existing entry, a dangling link included, makes it
// fail, so nothing is written over a file or through a link.
Nieuw SchrijfNieuw(const QByteArray& bytes, const QString& pad)
{
    QFile bestand(pad);
    if (!bestand.open(QIODevice::NewOnly)) {
        const QFileInfo info(pad);
        return info.exists() || info.isSymLink() ? Nieuw::Bezet : Nieuw::Mislukt;
    }
    const bool geschreven = bestand.write(bytes) == bytes.size() && bestand.flush();
    bestand.close();
    if (geschreven && bestand.error() == QFileDevice::NoError)
        return Nieuw::Geschreven;
    bestand.remove();
    return Nieuw::Mislukt;
}

QString GenummerdeNaam(const QString& naam, int nummer)
{
    if (nummer == 1)
        return naam;
    const QFileInfo info(naam);
    return QStringLiteral("%1 (%2).%3").arg(info.completeBaseName()).arg(nummer).arg(info.suffix());
}

// The first free name of the series naam, "naam (2)", ...; empty when none could be written.
QString SchrijfOnderVrijeNaam(const QByteArray& bytes, const QString& map, const QString& naam)
{
    for (int nummer = 1; nummer < 1000; ++nummer) {
        const QString pad = QDir(map).filePath(GenummerdeNaam(naam, nummer));
        const Nieuw uitslag = SchrijfNieuw(bytes, pad);
        if (uitslag != Nieuw::Bezet)
            return uitslag == Nieuw::Geschreven ? pad : QString();
    }
    return {};
}

} // namespace

QString Foutmelding(DocumentFout fout, const QString& sjabloon, const QString& doel)
{
    const QString regel = QStringLiteral("\r\n");
    const QString bron = regel + QDir::toNativeSeparators(sjabloon);
    switch (fout) {
    case DocumentFout::Geen:
        return {};
    case DocumentFout::SjabloonOntbreekt:
        return QStringLiteral("Het sjabloon is niet gevonden of kan niet gelezen worden :") + bron;
    case DocumentFout::GeenBestand:
        return QStringLiteral("Het sjabloon is geen gewoon bestand :") + bron;
    case DocumentFout::TeGroot:
        return QStringLiteral("Het sjabloon is te groot (meer dan %1 MB) :").arg(MaxSjabloonGrootte >> 20) + bron;
    case DocumentFout::GeenZip:
        return QStringLiteral("Het sjabloon is geen geldig Word-document (.docx) :") + bron;
    case DocumentFout::GeenDocument:
        return QStringLiteral("Het sjabloon bevat geen documenttekst :") + bron;
    case DocumentFout::OngeldigeXml:
        return QStringLiteral("De documenttekst van het sjabloon is beschadigd :") + bron;
    case DocumentFout::BeschadigdVeld:
        return QStringLiteral("Een formulierveld in het sjabloon is beschadigd :") + bron;
    case DocumentFout::DoelNietSchrijfbaar:
        return QStringLiteral("Het document kon niet bewaard worden :") + regel + QDir::toNativeSeparators(doel);
    }
    return {};
}

QString SjabloonPad()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/data/oefenblad.docx");
}

Documentmap KiesDocumentmap()
{
    for (const auto plaats : {QStandardPaths::DocumentsLocation, QStandardPaths::TempLocation}) {
        const QString map = QStandardPaths::writableLocation(plaats);
        if (!map.isEmpty() && QDir().mkpath(map) && QFileInfo(map).isWritable())
            return {map, plaats == QStandardPaths::TempLocation};
    }
    return {};
}

Documentuitslag VulDocument(
    const BladGegevens& blad, Printversie versie, const QString& sjabloon, const QString& map, const QString& naam)
{
    Sjabloon s;
    pugi::xml_document xml;
    std::vector<Formveld> velden;
    if (const DocumentFout fout = LeesPad(sjabloon, s, xml, velden); fout != DocumentFout::Geen)
        return {fout, {}};
    for (Formveld& veld : velden) {
        if (const std::optional<QString> waarde = Waarde(veld.Naam, blad, versie))
            ZetResultaat(veld, XmlTekst(*waarde));
    }
    std::ostringstream uit;
    xml.save(uit, "", pugi::format_raw | pugi::format_no_declaration, pugi::encoding_utf8);
    const QByteArray bytes = NieuwArchief(s, uit.str());
    if (bytes.isEmpty())
        return {DocumentFout::DoelNietSchrijfbaar, {}};
    if (!LeestTerug(bytes, velden))
        return {DocumentFout::BeschadigdVeld, {}};
    const QString pad = SchrijfOnderVrijeNaam(bytes, map, naam);
    return {pad.isEmpty() ? DocumentFout::DoelNietSchrijfbaar : DocumentFout::Geen, pad};
}

std::vector<std::pair<QString, QString>> LeesVelden(const QString& docx, DocumentFout* fout)
{
    Sjabloon s;
    pugi::xml_document xml;
    std::vector<Formveld> velden;
    const DocumentFout uitslag = LeesPad(docx, s, xml, velden);
    if (fout)
        *fout = uitslag;
    std::vector<std::pair<QString, QString>> namen;
    for (const Formveld& veld : velden)
        namen.emplace_back(QString::fromStdString(veld.Naam), QString::fromStdString(Resultaat(veld)));
    return namen;
}
