#pragma once

#include "aftelling.h"

#include <QWidget>

#include <functional>

class Dialogen;
class QLabel;
class QTimer;

// The start window (objectName "frmSplash"): black, without title bar, centred on the screen. It counts down ten
// seconds and then shows the main window; a key or a click does so at once. The main window is shown exactly
// once, however the start window ends (its close included), so that the program never runs without a window.
class SplashVenster : public QWidget
{
    Q_OBJECT

public:
    SplashVenster(Dialogen& dialogen, std::function<void()> toonHoofdvenster, QWidget* parent = nullptr);

    // One second of the countdown; the timer calls it, tests may too.
    void Tik();

signals:
    // The window was painted for the first time: what the start does not need can be made now.
    void Getekend();

protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void MaakInhoud();
    void Begin();
    void ToonAftelling();
    void Beeindig();

    Dialogen& m_dialogen;
    std::function<void()> m_toonHoofdvenster;
    Aftelling m_aftelling;
    QLabel* m_teller = nullptr; // lblTeller
    QTimer* m_timer; // Timer1
    bool m_gestart = false;
    bool m_klaar = false;
    bool m_getekend = false;
};
