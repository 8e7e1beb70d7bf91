#pragma once

#include "oefenvenster.h"
#include "reeks.h"
#include "splitsbord.h"

#include <optional>

class QButtonGroup;
class QGroupBox;
class QLabel;
class QLineEdit;
class Scorebord;
class Splitshuis;

// Splitting numbers up to a maximum of at most 10: six kinds of exercise on a splitting house. An exercise is
// only left when it is solved, so the series counts solved exercises.
class SplitsenVenster : public Oefenvenster
{
    Q_OBJECT

public:
    explicit SplitsenVenster(Dialogen& dialogen, QWidget* parent = nullptr);

private:
    void SetupGekozen() override;
    bool OefeningGekozen() override;

    void MaakSetup();
    QLayout* MaakSoorten(QWidget* pagina);
    QGroupBox* MaakAanpassen(QWidget* pagina);
    void MaakOefening();
    void KiesSoort(int index);

    std::optional<Splitsinstellingen> LeesInstellingen(int maximum);
    void StartReeks(const Splitsinstellingen& instellingen, int aantal);
    void NieuweOefening();
    void EindeReeks();
    void HerstelSetup();

    void ToonBord();
    void ZetFocus(Vakplek plek);
    void Typ(Vakplek plek, const QString& tekst);
    void Toets(Vakplek plek, bool spatie);
    void Verplaats(Vakplek van, Vakplek naar);
    void VakVerlaten(Vakplek plek, Qt::FocusReason reden);
    bool ControleerVerlaten(Vakplek plek);
    void Beoordeel(Oordeel oordeel);

    QButtonGroup* m_soorten; // optSoort(0..5)
    QButtonGroup* m_aanpassen; // optAanpassen(0..1)
    QGroupBox* m_frame2 = nullptr;
    QLabel* m_label2 = nullptr;
    QLineEdit* m_getal = nullptr;
    QLineEdit* m_max = nullptr;
    QLineEdit* m_aantal = nullptr;
    Splitshuis* m_huis = nullptr;
    Scorebord* m_stand = nullptr;

    Splitssoort m_gekozenSoort = Splitssoort::VrijGemengd;
    bool m_aanpassenKeuze = true;
    Reeks m_reeks;
    Splitsbord m_bord;
    // The board is being shown or the focus sent: the boxes left then were checked already or are gone.
    bool m_bijwerken = false;
};
