#pragma once

#include "hoofdvenster.h"
#include "nepdialogen.h"

#include <QString>

class QWidget;

// The program as a teacher meets it: the real main window, shown and active, with the scripted dialogs.
// Windows open through its menu items and toolbar buttons; the random source is seeded after a window
// opened, since opening may seed it from the clock.
class Programma
{
public:
    explicit Programma(Modulevensters vensters = StandaardModulevensters());
    ~Programma();
    Programma(const Programma&) = delete;
    Programma& operator=(const Programma&) = delete;

    // Chooses the menu item (its QAction, found by objectName) and returns the window it opened.
    QWidget& Open(const QString& menu, std::uint64_t zaad = 1);
    // Clicks the toolbar button with this key ("Hoofdrekenen", "Tafels", ...) and returns the window it opened.
    QWidget& OpenViaKnop(const QString& sleutel, std::uint64_t zaad = 1);
    // The windows open in the work area, by objectName.
    QStringList OpenVensters() const;
    // Clicks the Oefening tab of the window, as a teacher starts a series. A start that is refused shows one OK
    // message with this title and keeps the Setup page in front: returns its prompt, or "" when the series started
    // without a message and its page came to the front.
    QString Start(const QWidget& venster, const QString& titel = ProgrammaTitel());

    NepDialogen dialogen;
    Hoofdvenster hoofd;

private:
    QWidget& NieuwVenster(std::uint64_t zaad);
};
