#pragma once

#include "oefenvenster.h"
#include "visvijver.h"

class QLabel;
class Water;

// Fishing for number images: the window shows a number and the child catches the fish that carries its image. There
// are no settings and no end; the fish caught are counted until the window closes.
class GBVissenVenster : public Oefenvenster
{
    Q_OBJECT

public:
    explicit GBVissenVenster(Dialogen& dialogen, QWidget* parent = nullptr);

private:
    void MaakSetup();
    void MaakOefening();
    void Vang(int index);
    void ToonDoelgetal();

    Visvijver m_vijver;
    Water* m_water = nullptr;
    QLabel* m_uitslag = nullptr;
    QLabel* m_resultaat = nullptr;
    QLabel* m_opgave = nullptr;
};
