#pragma once

#include <QPointer>

#include <functional>
#include <memory>

class Dialogen;
class QMainWindow;
class QTranslator;
class QWidget;
class SplashVenster;

// Qt's own Dutch texts ("Ja", "Nee", "Annuleren" on standard buttons); false when they are not
// installed, in which case Qt's English texts remain.
bool LaadQtVertaling(QTranslator& vertaler);

// Makes the main window; empty when it cannot be made.
using Hoofdvensterfabriek = std::function<std::unique_ptr<QMainWindow>()>;

// The program module beside the executable (libtallora_programma.so), loaded and asked for the main window. When it
// cannot be loaded the teacher is told why, and the result is empty.
std::unique_ptr<QMainWindow> LaadProgramma(Dialogen& dialogen);

// The program's start: the start window at once, the main window made while it counts down (once the start window
// was painted) and shown when the countdown ends, exactly once. Without a main window the program ends.
class Opstart
{
public:
    Opstart(Dialogen& dialogen, Hoofdvensterfabriek maakHoofdvenster);
    ~Opstart();
    Opstart(const Opstart&) = delete;
    Opstart& operator=(const Opstart&) = delete;

    // The main window, once it is made.
    QMainWindow* Hoofd() const { return m_hoofd.get(); }
    // The start window, while it is there.
    QWidget& Splash() const;
    // Ends the start window at once, as a click does, and gives the main window (none when it could not be made).
    QMainWindow* SlaOver();

private:
    void MaakHoofdvenster();

    Hoofdvensterfabriek m_maakHoofdvenster;
    std::unique_ptr<QMainWindow> m_hoofd;
    bool m_geprobeerd = false;
    QPointer<SplashVenster> m_splash; // deletes itself when it closes
};
