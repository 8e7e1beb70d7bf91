#include "bewerkingkeuze.h"

#include "bouwstenen.h"

#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>

QGroupBox* MaakBewerkingkeuze(QWidget* ouder, const Bewerkingkeuze& keuze, Bewerkingopties& opties)
{
    const std::array<QString, 7> teksten {QStringLiteral("+"), QStringLiteral("-"), QStringLiteral("+ en -"),
        QStringLiteral("x"), QStringLiteral(":"), QStringLiteral("x en :"), keuze.alles};
    auto* frame = new QGroupBox(keuze.titel, ouder);
    frame->setObjectName(keuze.frameNaam);
    auto* lijst = new QVBoxLayout(frame);
    for (std::size_t i = 0; i < opties.size(); ++i) {
        opties[i] = MaakOptie(frame, QStringLiteral("optBewerking(%1)").arg(i), teksten[i]);
        lijst->addWidget(opties[i]);
    }
    opties[0]->setChecked(true);
    return frame;
}

Bewerkingskeuze GekozenBewerking(const Bewerkingopties& opties)
{
    const auto gekozen = std::ranges::find_if(opties, &QRadioButton::isChecked);
    return gekozen == opties.end() ? Bewerkingskeuze::Plus : static_cast<Bewerkingskeuze>(gekozen - opties.begin() + 1);
}

QGroupBox* MaakBrugkeuze(
    QWidget* ouder, const QString& titel, const QString& ja, const QString& nee, Brugopties& opties)
{
    auto* frame = new QGroupBox(titel, ouder);
    frame->setObjectName(QStringLiteral("fraBrug"));
    opties.ja = MaakOptie(frame, QStringLiteral("optBrugJa"), ja);
    opties.nee = MaakOptie(frame, QStringLiteral("optBrugNee"), nee);
    opties.ja->setChecked(true);
    auto* lijst = new QVBoxLayout(frame);
    lijst->addWidget(opties.ja);
    lijst->addWidget(opties.nee);
    return frame;
}
