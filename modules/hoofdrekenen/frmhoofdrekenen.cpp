#include "frmhoofdrekenen.h"

#include "getal.h"
#include "opgave.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

constexpr std::array<const char*, 7> Bewerkingen {"+", "-", "+ en -", "x", ":", "x en :", "alles"};

QRadioButton* MaakOptie(const QString& tekst, const QString& naam, QWidget* ouder)
{
    auto* optie = new QRadioButton(tekst, ouder);
    optie->setObjectName(naam);
    return optie;
}

} // namespace

frmHoofdrekenen::frmHoofdrekenen(Dialogen& dialogen, QWidget* parent)
    : Reeksvenster(dialogen, QStringLiteral("frmHoofdrekenen"), QStringLiteral("De 4 bewerkingen"), parent)
{
    MaakSetup();
    ZetHelpteksten(QStringLiteral("Kies een bewerking, een maximum een aantal oefeningen en of je de brug wil laten "
                                  "gebeuren of niet. Klik dan op het tabblad 'Oefening' om te starten."));
    connect(txtMax, &QLineEdit::textChanged, this, &frmHoofdrekenen::txtMaxGewijzigd);
}

void frmHoofdrekenen::MaakSetup()
{
    QWidget* pagina = Pagina(TabSetup);
    fraBewerking = MaakBewerkingen();
    fraBrug = MaakBrug();
    txtMax = MaakGetalvak(QStringLiteral("txtMax"), QStringLiteral("20"), pagina);
    txtAantal = MaakGetalvak(QStringLiteral("txtAantal"), QStringLiteral("20"), pagina);

    auto* raster = new QGridLayout(pagina);
    raster->setContentsMargins(16, 12, 16, 12);
    raster->setHorizontalSpacing(16);
    raster->setVerticalSpacing(10);
    raster->addWidget(fraBewerking, 0, 0, 4, 1);
    raster->addWidget(fraBrug, 0, 1, 1, 2);
    raster->addWidget(new QLabel(QStringLiteral("Maximum :"), pagina), 1, 1);
    raster->addWidget(txtMax, 1, 2);
    raster->addWidget(new QLabel(QStringLiteral("aantal oefeningen :"), pagina), 2, 1);
    raster->addWidget(txtAantal, 2, 2);
    raster->setRowStretch(3, 1);
    raster->setColumnStretch(2, 1);
}

QGroupBox* frmHoofdrekenen::MaakBewerkingen()
{
    auto* frame = new QGroupBox(QStringLiteral("Bewerking"), Pagina(TabSetup));
    frame->setObjectName(QStringLiteral("fraBewerking"));
    auto* lijst = new QVBoxLayout(frame);
    for (std::size_t i = 0; i < optBewerking.size(); ++i) {
        optBewerking[i]
            = MaakOptie(QString::fromUtf8(Bewerkingen[i]), QStringLiteral("optBewerking(%1)").arg(i), frame);
        lijst->addWidget(optBewerking[i]);
    }
    optBewerking[0]->setChecked(true);
    return frame;
}

QGroupBox* frmHoofdrekenen::MaakBrug()
{
    auto* frame = new QGroupBox(QStringLiteral("Brug"), Pagina(TabSetup));
    frame->setObjectName(QStringLiteral("fraBrug"));
    optBrugJa = MaakOptie(QStringLiteral("mag"), QStringLiteral("optBrugJa"), frame);
    optBrugNee = MaakOptie(QStringLiteral("mag niet"), QStringLiteral("optBrugNee"), frame);
    optBrugJa->setChecked(true);
    auto* lijst = new QVBoxLayout(frame);
    lijst->addWidget(optBrugJa);
    lijst->addWidget(optBrugNee);
    return frame;
}

Bewerkingskeuze frmHoofdrekenen::GekozenBewerking() const
{
    for (std::size_t i = 0; i < optBewerking.size(); ++i) {
        if (optBewerking[i]->isChecked())
            return static_cast<Bewerkingskeuze>(i + 1);
    }
    return Bewerkingskeuze::Plus;
}

std::variant<Melding, int> frmHoofdrekenen::ControleerInstellingen()
{
    const auto maximum = LeesGeheel32(txtMax->text());
    if (!maximum || *maximum < 2)
        return Melding {QStringLiteral("Geef een maximum op !"), QStringLiteral("Maximum !")};
    const auto aantal = LeesGeheel16(txtAantal->text());
    if (!aantal || *aantal < 1)
        return Melding {QStringLiteral("Je aantal oefeningen klopt niet !")};
    // Below this no exercise of the operation exists: the series could never show one.
    const Bewerkingskeuze keuze = GekozenBewerking();
    if (*maximum < KleinsteMaximum(keuze))
        return Melding {
            QStringLiteral("Kies een maximum van minstens %1 voor deze bewerking !").arg(KleinsteMaximum(keuze)),
            QStringLiteral("Maximum !")};
    Keuze = keuze;
    Maximum = *maximum;
    Brug = optBrugJa->isChecked();
    return int {*aantal};
}

Oefening frmHoofdrekenen::MaakOefening()
{
    MaakBewerking(*Keuze, Maximum, Brug);
    return OefeningUitOpgave();
}

void frmHoofdrekenen::txtMaxGewijzigd()
{
    const QString tekst = txtMax->text();
    const auto maxWaarde = LeesGeheel32(tekst);
    // Too large for 32 bits is far above 10, too small far below.
    const bool klein = maxWaarde ? *maxWaarde <= 10 : LeesGetal(tekst) < 0;
    // Multiplication and division ignore the bridge: after such a series the options keep their state.
    const bool optellen = !Keuze || *Keuze < Bewerkingskeuze::Maal;
    if (klein || optellen) {
        optBrugJa->setEnabled(!klein);
        optBrugNee->setEnabled(!klein);
    }
}
