#pragma once

#include "printlayout.h"

#include <QString>

#include <utility>
#include <vector>

enum class DocumentFout {
    Geen,
    SjabloonOntbreekt, // missing or unreadable
    GeenZip, // not a zip archive, or a damaged one
    GeenDocument, // no word/document.xml in the archive
    OngeldigeXml,
    BeschadigdVeld, // a form field without its separate or end mark
    DoelNietSchrijfbaar,
};

// What to tell the user, in Dutch, naming the file concerned.
QString Foutmelding(DocumentFout fout, const QString& sjabloon, const QString& doel);

// The template beside the program: <program folder>/data/oefenblad.docx.
QString SjabloonPad();

// Fills the template's text form fields with the sheet and writes the result as a new document at
// doel. The template is only read; doel is written completely or not at all.
DocumentFout VulDocument(BladGegevens& blad, Printversie versie, const QString& sjabloon, const QString& doel);

// The name and visible text of every text form field of a document, in document order.
std::vector<std::pair<QString, QString>> LeesVelden(const QString& docx, DocumentFout* fout = nullptr);
