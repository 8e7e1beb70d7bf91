#pragma once

#include "bewerkingkeuze.h"

#include "oefenvenster.h"
#include "puzzel.h"

#include <array>
#include <optional>

class Antwoordrij;
class Puzzelbord;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;

// The puzzle: a picture hidden behind sixteen pieces, each carrying an exercise of the chosen operation. The child
// clicks a piece, types its answer and presses Enter; a right answer uncovers that part of the picture.
class PuzzelVenster : public Oefenvenster
{
    Q_OBJECT

public:
    explicit PuzzelVenster(Dialogen& dialogen, QWidget* parent = nullptr);

private:
    void SetupGekozen() override;
    bool OefeningGekozen() override;

    void MaakSetup();
    void MaakOefenpagina();
    std::optional<Melding> ControleerMaximum(std::optional<std::int32_t> maximum) const;

    void KiesBewerking(int index);
    void ZetBrugopties(bool aan);
    void MaximumGewijzigd();

    void NieuwePuzzel(std::int32_t maximum);
    void KiesStuk(int stuk);
    void ControleerOplossing(const QString& antwoord);
    void ToonStukken();
    void ToonFouten();

    Puzzel m_puzzel;
    std::optional<Bewerkingskeuze> m_keuze; // Keuze: empty until an option is clicked or a puzzle starts

    Bewerkingopties m_bewerkingen {};
    Brugopties m_brugopties;
    QLineEdit* m_max = nullptr;

    Puzzelbord* m_bord = nullptr;
    Antwoordrij* m_rij = nullptr;
    QLabel* m_fouten = nullptr;
    QLabel* m_uitslag = nullptr;
};
