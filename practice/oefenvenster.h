#pragma once

#include "dialogen.h"
#include "tabstrook.h"
#include "venster.h"

#include <QSize>
#include <QString>
#include <QWidget>

#include <array>
#include <vector>

class QHBoxLayout;
class QLabel;
class QStackedWidget;
class QToolButton;

// A message of a failing check: OK only, the module's title or the program's own.
struct Melding
{
    QString prompt;
    QString titel = ProgrammaTitel();
    Icoon icoon = Icoon::Geen;
};

// One tab of a tabbed window: its caption, its key and its tooltip (empty: none).
struct Tabblad
{
    QString titel;
    QString sleutel;
    QString tip;
};

// The tabs Setup, Oefening and Help of the practice windows.
std::vector<Tabblad> StandaardTabs();

// How a tabbed window looks: its tabs, its client size in twips, where it goes and the form of its tab strip.
struct Vensteropmaak
{
    std::vector<Tabblad> tabs = StandaardTabs();
    QSize grootteTwips {7000, 5000};
    Plaatsing plaatsing = Plaatsing::MiddenBoven();
    Tabstrook::Vorm vorm = Tabstrook::Vorm::Gewoon;
    bool zoombaar = true; // the practice windows grow on the digital board; the worksheet window does not
};

// The tab frame every tabbed window shares: a tab strip with one page per tab (a click on a tab may act, and
// brings its page to the front), the Help page with its three titles and texts (on the tab with key "help"),
// the stop button, the keyboard's Ctrl+PgDown and Ctrl+PgUp, and the window's size and place when first shown (never
// narrower than its row of tabs, so that every tab stays in sight whatever the system font).
class Oefenvenster : public QWidget
{
    Q_OBJECT

public:
    // The page indexes of the standard tabs.
    static constexpr int TabSetup = 0;
    static constexpr int TabOefening = 1;
    static constexpr int TabHelp = 2;

    // What a click on a tab does: the window's reaction to it, then the tab header shows it and its page comes
    // to the front, unless the reaction refused (a series that could not start keeps the Setup page in front).
    Q_INVOKABLE void KlikTab(int index);
    // Brings a page to the front; the tab header is left as it is.
    void ToonPagina(int index);
    // The tab header and its page, without the tab's reaction.
    void ToonTab(int index);
    int PaginaVoor() const;
    QWidget* Pagina(int index) const { return m_paginas.at(static_cast<std::size_t>(index)); }

    // Enlarges or reduces the whole window, its size in the main window included (1 is the design's size).
    void ZetSchaal(double schaal);
    double Schaal() const { return m_schaal; }
    bool Zoombaar() const { return m_zoombaar; }
    // The client size in twips at the design's size.
    QSize GrootteTwips() const { return m_grootteTwips; }

    void Meld(const Melding& melding);
    Dialogen& dialogen() const { return m_dialogen; }
    // Closes the window (its MDI sub-window when it has one), as the stop button does.
    void Sluit();

    // The shared Help texts of the typed-answer modules.
    static QString HelpOefening();
    static QString HelpEinde();

protected:
    Oefenvenster(
        Dialogen& dialogen, const QString& naam, const QString& titel, QWidget* parent, Vensteropmaak opmaak = {});

    void ZetHelpteksten(
        const QString& start, const QString& oefening = HelpOefening(), const QString& einde = HelpEinde());

    // The reaction to a click on a tab; false keeps the page in front as it is. By default the standard tabs
    // call the three hooks below.
    virtual bool TabGekozen(int index);
    virtual void SetupGekozen() { }
    virtual bool OefeningGekozen() { return true; }
    virtual void HelpGekozen() { }

    QToolButton* StopKnop() const { return m_stop; }
    // Puts a row across the window below the pages (the worksheet window's buttons).
    void VoegRijToe(QWidget* rij);
    void showEvent(QShowEvent* event) override;

private:
    void MaakTabs(const std::vector<Tabblad>& tabs);
    void MaakHelppagina(QWidget* pagina);
    void MaakSneltoetsen();
    void ZetBeginfocus();
    void Plaats();
    bool Reageer(int index);
    QSize GrootteInTwips() const;

    Dialogen& m_dialogen;
    Tabstrook* m_tabs;
    QStackedWidget* m_stapel;
    QHBoxLayout* m_kop;
    std::vector<QWidget*> m_paginas; // Frame1(i)
    std::array<QLabel*, 6> m_helpteksten {}; // lblHelpTitel(i)
    QToolButton* m_stop;
    QSize m_grootteTwips;
    Plaatsing m_plaatsing;
    bool m_zoombaar;
    double m_schaal = 1;
    bool m_geplaatst = false;
};
