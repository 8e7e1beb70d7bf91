#pragma once

#include "printlayout.h"

#include <QString>

#include <utility>
#include <vector>

enum class DocumentFout {
    Geen,
    SjabloonOntbreekt, // missing or unreadable
    GeenBestand, // a folder, pipe, device or anything else that is not a regular file
    TeGroot,
    GeenZip, // not a zip archive, or a damaged one
    GeenDocument, // no word/document.xml in the archive
    OngeldigeXml,
    BeschadigdVeld, // a form field without its separate or end mark, or one that filling would damage
    DoelNietSchrijfbaar,
};

// Templates are a few kilobytes; anything larger than this is not one.
constexpr qint64 MaxSjabloonGrootte = 32 * 1024 * 1024;

// What to tell the user, in Dutch, naming the file concerned.
QString Foutmelding(DocumentFout fout, const QString& sjabloon, const QString& doel);

// The template beside the program: <program folder>/data/oefenblad.docx.
QString SjabloonPad();

// Where new documents go: the documents folder (made when missing) or, when that cannot be written,
// the temporary folder, which the user must then be told about. Empty when neither can be used.
struct Documentmap
{
    QString Pad;
    bool Tijdelijk = false;
};
Documentmap KiesDocumentmap();

struct Documentuitslag
{
    DocumentFout Fout = DocumentFout::Geen;
    QString Pad; // the document written
};

// Fills the template's text form fields with the sheet and writes the result as a new file in map,
// named naam or, when that is taken, "naam (2)", "naam (3)", ... with naam's extension. An existing
// file or link of that name is never written over or through. The template is only read, and the
// document is read back before it counts as written.
Documentuitslag VulDocument(
    const BladGegevens& blad, Printversie versie, const QString& sjabloon, const QString& map, const QString& naam);

// The name and visible text of every text form field of a document, in document order.
std::vector<std::pair<QString, QString>> LeesVelden(const QString& docx, DocumentFout* fout = nullptr);
