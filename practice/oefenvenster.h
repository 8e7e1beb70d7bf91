#pragma once

#include "dialogen.h"

#include <QSize>
#include <QString>
#include <QWidget>

#include <array>

class QLabel;
class QLineEdit;
class QStackedWidget;
class QTabBar;
class QToolButton;

// A message of a failing check: OK only, the module's title or the program's own.
struct Melding
{
    QString prompt;
    QString titel = ProgrammaTitel();
    Icoon icoon = Icoon::Geen;
};

// The tab frame every practice window shares: the tabs Setup, Oefening and Help with their pages,
// the Help page's titles and texts, the stop button, and its size and place when first shown.
// A module fills the pages and reacts to the tabs through the three hooks.
class Oefenvenster : public QWidget
{
    Q_OBJECT

public:
    static constexpr int TabSetup = 0;
    static constexpr int TabOefening = 1;
    static constexpr int TabHelp = 2;
    static constexpr QSize StandaardGrootte {7000, 5000}; // twips, client area

    // What a click on a tab does: the hook of that tab, then the tab header shows it and its page
    // comes to the front, except when a series could not start (the Setup page stays in front).
    void KlikTab(int index);
    // Brings a page to the front; the tab header is left as it is.
    void ToonPagina(int index);
    QWidget* Pagina(int index) const { return Frame1.at(static_cast<std::size_t>(index)); }

    void Meld(const Melding& melding);
    Dialogen& dialogen() const { return m_dialogen; }
    // Closes the window (its MDI sub-window when it has one), as cmdStop does.
    void Sluit();

    // The shared Help texts of the typed-answer modules.
    static QString HelpOefening();
    static QString HelpEinde();

protected:
    Oefenvenster(Dialogen& dialogen, const QString& naam, const QString& titel, QWidget* parent,
        QSize grootteTwips = StandaardGrootte);

    void ZetHelpteksten(
        const QString& start, const QString& oefening = HelpOefening(), const QString& einde = HelpEinde());

    // The hooks of the three tabs; returning false from OefeningGekozen keeps the Setup page in front.
    virtual void SetupGekozen() { }
    virtual bool OefeningGekozen() { return true; }
    virtual void HelpGekozen() { }

    void showEvent(QShowEvent* event) override;

    QTabBar* TabStrip;
    std::array<QWidget*, 3> Frame1 {};
    std::array<QLabel*, 6> lblHelpTitel {};
    QToolButton* cmdStop;

private:
    void MaakTabs();
    void MaakHelppagina();
    bool Reageer(int index);

    Dialogen& m_dialogen;
    QStackedWidget* m_paginas;
    QSize m_grootteTwips;
    bool m_geplaatst = false;
};

// Entering the box (by mouse, Tab or code) empties it, so that a new value can be typed at once;
// focus that merely returns with the window (after a message box) leaves the text alone.
void LeegBijBinnenkomst(QLineEdit* vak);

// A Setup box for a number such as txtAantal: a few digits wide and emptied on entering it.
QLineEdit* MaakGetalvak(const QString& naam, const QString& tekst, QWidget* ouder);
