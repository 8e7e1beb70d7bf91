#pragma once

#include <QPointer>

#include <memory>

class Dialogen;
class Hoofdvenster;
class QTranslator;
class QWidget;
class SplashVenster;

// Qt's own Dutch texts ("Ja", "Nee", "Annuleren" on standard buttons); false when they are not
// installed, in which case Qt's English texts remain.
bool LaadQtVertaling(QTranslator& vertaler);

// The program's start: the start window at once, the main window made while it counts down (once the start window
// was painted) and shown when the countdown ends, exactly once.
class Opstart
{
public:
    explicit Opstart(Dialogen& dialogen);
    ~Opstart();
    Opstart(const Opstart&) = delete;
    Opstart& operator=(const Opstart&) = delete;

    // The main window, once it is made.
    Hoofdvenster* Hoofd() const { return m_hoofd.get(); }
    // The start window, while it is there.
    QWidget& Splash() const;
    // Ends the start window at once, as a click does, and gives the main window.
    Hoofdvenster& SlaOver();

private:
    void MaakHoofdvenster();

    Dialogen& m_dialogen;
    std::unique_ptr<Hoofdvenster> m_hoofd;
    QPointer<SplashVenster> m_splash; // deletes itself when it closes
};
