#pragma once

#include "dialogen.h"

#include <QString>

#include <deque>
#include <optional>
#include <vector>

// A scripted dialogs service for tests: answers come from queues filled beforehand, and every call
// is recorded. With nothing scripted a message box answers Ok (OK box) or Nee (Ja/Nee box), an input
// box is cancelled and a file dialog is cancelled. A scripted answer that the box cannot give
// (Ja for an OK box, Ok for a Ja/Nee box) fails the running test.
class NepDialogen final : public Dialogen
{
public:
    enum class Soort { Melding, Invoer, BewaarAls };

    struct Oproep
    {
        Soort soort = Soort::Melding;
        QString prompt; // BewaarAls: the proposed file name
        QString titel;
        Knoppen knoppen = Knoppen::Ok;
        Icoon icoon = Icoon::Geen;
        QString extra; // Invoer: the default text; BewaarAls: the filter
        const QWidget* ouder = nullptr;
    };

    void antwoord(Antwoord antwoord) { m_antwoorden.push_back(antwoord); }
    void invoer(std::optional<QString> tekst) { m_invoer.push_back(std::move(tekst)); }
    void bestand(QString pad) { m_bestanden.push_back(std::move(pad)); }

    const std::vector<Oproep>& meldingen() const { return m_oproepen; }
    // The last call; fails the test when there was none.
    const Oproep& laatste() const;
    // Scripted answers that no dialog used.
    bool alleAntwoordenGebruikt() const;

    Antwoord Melding(
        QWidget* ouder, const QString& prompt, const QString& titel, Knoppen knoppen, Icoon icoon) override;
    std::optional<QString> Invoer(
        QWidget* ouder, const QString& prompt, const QString& titel, const QString& standaard) override;
    QString BewaarAls(QWidget* ouder, const QString& titel, const QString& voorstel, const QString& filter) override;

private:
    std::deque<Antwoord> m_antwoorden;
    std::deque<std::optional<QString>> m_invoer;
    std::deque<QString> m_bestanden;
    std::vector<Oproep> m_oproepen;
};
