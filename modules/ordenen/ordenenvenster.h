#pragma once

#include "oefenvenster.h"
#include "ordenspel.h"

#include <array>

class QLabel;
class QLayout;
class QLineEdit;
class QRadioButton;
class QTimer;
class Scorebord;
class Sleepbron;
class Sleepvak;
struct Ordenvorm;

// Ordering by dragging: three different numbers from 1 to the maximum are dragged into three boxes, from small to
// large or from large to small. The two windows differ in their pictures (number images or numerals), their
// captions and help texts, and where they show the direction; the game's rules live in Ordenspel.
class OrdenenVenster : public Oefenvenster
{
    Q_OBJECT

public:
    enum class Soort { Getalbeelden, Getallen };

    OrdenenVenster(Dialogen& dialogen, Soort soort, QWidget* parent = nullptr);

private:
    void SetupGekozen() override;
    bool OefeningGekozen() override;

    void MaakSetup();
    void MaakOefening();
    QLayout* MaakStukken(QWidget* pagina);
    void ToonOefening();
    void ToonSpel();
    void Laat(int tag, int vak);
    void ToonAfloop(Ordenspel::Afloop afloop, int vak);
    void Kies(int bron);
    void ZetKeuze(int bron);
    void ToetsVak(int bron, int vak);
    void VakGeklikt(int vak);
    void Tik();
    void Slepen(bool bezig);
    void EindeReeks();
    void VraagNogEens();

    const Ordenvorm& m_vorm;
    Ordenspel m_spel;
    QTimer* m_timer; // Timer1: runs only during the pause after an exercise
    QLineEdit* m_max = nullptr;
    QLineEdit* m_aantal = nullptr;
    QRadioButton* m_kleinGroot = nullptr;
    QLabel* m_opdracht = nullptr; // lblopdracht, only with number images
    Scorebord* m_bord = nullptr;
    std::array<Sleepbron*, Ordenspel::Plaatsen> m_bronnen {}; // ImageB1..3
    std::array<Sleepvak*, Ordenspel::Plaatsen> m_vakken {}; // ImageO1..3

    int m_gekozen = 0; // the source 1..3 chosen by a click or Space; 0 for none
    bool m_sleept = false;
    bool m_eindeNaSlepen = false; // the end question waits until the drag that ended the series is over
};
