#pragma once

#include "menubalk.h"

#include <QObject>

#include <array>

class Oefenvenster;
class QMainWindow;
class QMdiArea;
class QWidget;

// How large the practice windows are, for the digital board: 100 % to 300 % in steps, through "Groter",
// "Kleiner" and "Gewone grootte" in the Extra menu (Ctrl + plus, Ctrl + minus, Ctrl + 0). The choice holds for
// every practice window and is remembered between runs in the user's settings. A window keeps its proportions
// and stays inside the main window: the main window grows where the screen has room, and otherwise the window
// takes the largest step that fits.
class Schaalbediening final : public QObject
{
    Q_OBJECT

public:
    static constexpr std::array<double, 6> Stappen {1.0, 1.25, 1.5, 2.0, 2.5, 3.0};

    Schaalbediening(QMainWindow& hoofd, QMdiArea& werkruimte, const Menuacties& acties);

    double Gekozen() const { return m_gekozen; }
    // Gives a practice window that is about to open the chosen size; other windows are left alone.
    void BereidVoor(QWidget* venster);
    // Once it is on screen: the largest step up to the chosen one that fits the work area, after asking the main
    // window for room where the screen has it. Again whenever the work area changes size.
    void PasIn(QWidget* venster);

protected:
    bool eventFilter(QObject* object, QEvent* event) override;

private:
    void Kies(double schaal);
    void Stap(int richting);

    QMainWindow& m_hoofd;
    QMdiArea& m_werkruimte;
    double m_gekozen = 1;
};
