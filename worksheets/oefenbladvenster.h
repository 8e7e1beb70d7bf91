#pragma once

#include "blad.h"
#include "oefenvenster.h"
#include "printen.h"
#include "printenpaginas.h"
#include "samenstellen.h"

#include <QPointer>
#include <QString>
#include <QUrl>

#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;
class PrintvoorbeeldVenster;

// The worksheet window: the teacher picks a range and its kinds, composes a sheet of 30 exercises, previews it,
// prints it (or saves it as PDF) and fills the document template with it. Every sheet gets a code that makes it
// again, and the window says how many different exercises the settings allow.
class OefenbladVenster : public Oefenvenster
{
    Q_OBJECT

public:
    // Opens a finished document for the user; the real one hands it to the desktop.
    using Opener = std::function<bool(const QUrl&)>;

    explicit OefenbladVenster(Dialogen& dialogen, QWidget* parent = nullptr);

    void ZetPrinter(PrinterBron printer) { m_printer = std::move(printer); }
    void ZetOpener(Opener opener) { m_opener = std::move(opener); }
    // The document template; the program's own data/oefenblad.docx unless a test says otherwise.
    void ZetSjabloon(const QString& pad) { m_sjabloon = pad; }

    const BladGegevens& Blad() const { return m_blad; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    bool TabGekozen(int index) override;
    QWidget* MaakOnderkant();
    QWidget* MaakKnoppen();
    void VerbindKnoppen();
    void VolgInstellingen();
    void MaakNieuwBlad();
    void MaakAndereOefeningen();
    void HaalBladcodeOp();
    void StelSamen();

    BladOrdening VraagOrdening(int aantalSoorten);
    void MaakOndertitel();
    void ToonHelpTeksten();
    void ToonAantal();

    void ToonVoorbeeld();
    void SluitVoorbeeld();
    void ZetVoorbeeldKnoppen(bool aan);

    void Print(Printversie versie);
    void BewaarPdf(Printversie versie);
    void MaakDocument(Printversie versie);
    void Meld(const QString& prompt);

    PrintenPaginas m_paginas;
    QLabel* m_aantal = nullptr; // lblAantalOefeningen
    QLineEdit* m_code = nullptr; // txtBladcode
    QPushButton* m_haalCode = nullptr; // cmdBladcode
    QPushButton* m_nieuwBlad = nullptr; // cmdVoorbeeld
    QPushButton* m_andereOefeningen = nullptr; // cmdVoorbeeldZelfde
    QPushButton* m_printOpgaven = nullptr;
    QPushButton* m_printOplossingen = nullptr;
    QPushButton* m_pdfOpgaven = nullptr;
    QPushButton* m_pdfOplossingen = nullptr;
    QPushButton* m_documentOpgaven = nullptr; // cmdWOpgaven
    QPushButton* m_documentOplossingen = nullptr; // cmdWOplossingen

    TabSoort m_tab = TabSoort::Hoofdrekenen;
    BladKeuze m_keuze;
    BladGegevens m_blad;
    QPointer<PrintvoorbeeldVenster> m_voorbeeld;

    PrinterBron m_printer;
    Opener m_opener;
    QString m_sjabloon;
};
