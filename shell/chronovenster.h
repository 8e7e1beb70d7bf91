#pragma once

#include "chronometer.h"

#include <QWidget>

class Dialogen;
class QLabel;
class QTimer;
class QToolButton;

// The stopwatch (objectName "frmChrono"): a small black window without frame at the top right of the work area,
// with green minutes, seconds and tenths and the buttons start, pause, stop and "x". It opens beside a module.
class ChronoVenster : public QWidget
{
    Q_OBJECT

public:
    explicit ChronoVenster(Dialogen& dialogen, QWidget* parent = nullptr);

    // A tenth of a second; the timer calls it while the watch runs, tests may too.
    void Tik();

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    QToolButton* MaakKnop(const QString& naam, const QString& icoon, const QString& tip);
    void Start();
    void Pauze();
    void Stop();
    void Toon();
    void Groei();

    Chronometer m_chrono;
    QTimer* m_timer; // Timer1
    QLabel* m_minuten;
    QLabel* m_seconden;
    QLabel* m_tienden;
    QToolButton* m_start;
    QToolButton* m_pauze;
    QToolButton* m_stop;
    bool m_geplaatst = false;
};
