#pragma once

#include "blad.h"
#include "printen.h"
#include "printenpaginas.h"
#include "samenstellen.h"

#include <QPointer>
#include <QSize>
#include <QString>
#include <QUrl>
#include <QWidget>

#include <functional>

class Dialogen;
class QPushButton;
class QToolButton;
class PrintvoorbeeldVenster;

// The worksheet window: the teacher picks a range and its kinds, composes a sheet of 30
// exercises, previews it, prints it (or saves it as PDF) and fills the document template with it.
class OefenbladVenster : public QWidget
{
    Q_OBJECT

public:
    static constexpr QSize Grootte {7000, 5000}; // twips, client area

    // Opens a finished document for the user; the real one hands it to the desktop.
    using Opener = std::function<bool(const QUrl&)>;

    explicit OefenbladVenster(Dialogen& dialogen, QWidget* parent = nullptr);

    void ZetPrinter(PrinterBron printer) { m_printer = std::move(printer); }
    void ZetOpener(Opener opener) { m_opener = std::move(opener); }
    // The document template; the program's own data/oefenblad.docx unless a test says otherwise.
    void ZetSjabloon(const QString& pad) { m_sjabloon = pad; }

    const BladGegevens& Blad() const { return m_blad; }

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QSize VensterGrootte() const;
    void MaakKnoppen(QWidget* rij);
    void VerbindKnoppen();
    void KiesTab(int index);
    void MaakNieuwBlad();
    void MaakAndereOefeningen();

    bool LeesInstellingen(BladKeuze& keuze);
    bool LeesHoofdrekenen(BladKeuze& keuze);
    bool LeesTafels(BladKeuze& keuze);
    bool LeesSoorten(BladKeuze& keuze, std::size_t pagina);
    BladOrdening VraagOrdening(int aantalSoorten);
    void MaakOndertitel();
    void ToonHelpTeksten();

    void ToonVoorbeeld();
    void SluitVoorbeeld();
    void ZetVoorbeeldKnoppen(bool aan);

    void Print(Printversie versie);
    void BewaarPdf(Printversie versie);
    void MaakDocument(Printversie versie);
    void Meld(const QString& prompt);

    Dialogen& m_dialogen;
    PrintenPaginas m_paginas;
    QPushButton* m_nieuwBlad = nullptr; // cmdVoorbeeld
    QPushButton* m_andereOefeningen = nullptr; // cmdVoorbeeldZelfde
    QPushButton* m_printOpgaven = nullptr;
    QPushButton* m_printOplossingen = nullptr;
    QPushButton* m_pdfOpgaven = nullptr;
    QPushButton* m_pdfOplossingen = nullptr;
    QPushButton* m_documentOpgaven = nullptr; // cmdWOpgaven
    QPushButton* m_documentOplossingen = nullptr; // cmdWOplossingen
    QToolButton* m_stop = nullptr;

    TabSoort m_tab = TabSoort::Hoofdrekenen;
    BladKeuze m_keuze;
    BladGegevens m_blad;
    QPointer<PrintvoorbeeldVenster> m_voorbeeld;
    bool m_geplaatst = false;

    PrinterBron m_printer;
    Opener m_opener;
    QString m_sjabloon;
};
