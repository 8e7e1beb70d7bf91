#include "reeks.h"

#include "geluid.h"
#include "getal.h"
#include "oefenvenster.h"
#include "opgave.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {

const QColor Lichtblauw {192, 192, 255};
const QColor Lichtgroen {192, 255, 192};

QFont Comic(qreal punten, bool vet = false)
{
    QFont font(QStringLiteral("Comic Sans MS"));
    font.setPointSizeF(punten);
    font.setBold(vet);
    return font;
}

QFont ArialBlack()
{
    QFont font(QStringLiteral("Arial Black"));
    font.setPointSizeF(15.75);
    font.setBold(true); // where the face is replaced by a regular one, this keeps it heavy
    return font;
}

QLabel* MaakLabel(QWidget* pagina, const char* naam, const QFont& font, const QString& tekst = {})
{
    auto* label = new QLabel(tekst, pagina);
    label->setObjectName(QString::fromUtf8(naam));
    label->setFont(font);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

// Room for six digits, the largest numbers the modules show.
void ZetGetalbreedte(QWidget* widget, int extra)
{
    widget->setMinimumWidth(widget->fontMetrics().horizontalAdvance(QStringLiteral("000000")) + extra);
}

} // namespace

void ZetAchtergrond(QLabel* label, const QColor& kleur)
{
    QPalette palet = label->palette();
    palet.setColor(QPalette::Window, kleur);
    const bool donker = 299 * kleur.red() + 587 * kleur.green() + 114 * kleur.blue() < 128'000;
    palet.setColor(QPalette::WindowText, donker ? Qt::white : Qt::black);
    label->setPalette(palet);
    label->setAutoFillBackground(true);
}

Oefening OefeningUitOpgave()
{
    // A generator that found no exercise leaves 0 and 0 with an empty answer: shown as such, 0 is right.
    return {Tekst(Opgave.Links), QString::fromStdString(Opgave.Bewerking), Tekst(Opgave.Rechts),
        Opgave.Uitkomst.value_or(0)};
}

Reeks::Reeks(Oefenvenster& venster, ReeksVarianten varianten, Maker maak)
    : m_venster(venster)
    , m_varianten(std::move(varianten))
    , m_maak(std::move(maak))
{
    MaakPagina();
    connect(txtOplossing, &QLineEdit::returnPressed, this, &Reeks::ControleerOplossing);
}

void Reeks::MaakPagina()
{
    QWidget* pagina = m_venster.Pagina(Oefenvenster::TabOefening);
    lblLinks = MaakLabel(pagina, "lblLinks", Comic(12));
    lblBewerking = MaakLabel(pagina, "lblBewerking", ArialBlack(), QStringLiteral("+"));
    lblRechts = MaakLabel(pagina, "lblRechts", Comic(12));
    lblIsgelijkaan = MaakLabel(pagina, "lblIsgelijkaan", ArialBlack(), QStringLiteral("="));
    txtOplossing = new QLineEdit(pagina);
    txtOplossing->setObjectName(QStringLiteral("txtOplossing"));
    txtOplossing->setFont(Comic(12));
    txtOplossing->setAlignment(Qt::AlignCenter);
    ZetGetalbreedte(lblLinks, 8);
    ZetGetalbreedte(lblRechts, 8);
    ZetGetalbreedte(txtOplossing, 16);
    lblUitslag = MaakLabel(pagina, "lblUitslag", Comic(13, true), QStringLiteral("Vul in en druk op [enter]"));
    lblUitslag->setMargin(8);
    ZetAchtergrond(lblUitslag, Lichtblauw);
    lblResultaat = MaakLabel(pagina, "lblResultaat", Comic(12), QStringLiteral("Resultaat : 0 op 0"));
    lblAantal = MaakLabel(pagina, "lblAantal", Comic(12));
    lblAantal->setMargin(4);
    ZetAchtergrond(lblAantal, Lichtgroen);
    SchikPagina(pagina);
}

// The exercise in one row, the feedback under it, and the score with the remaining count at the bottom.
void Reeks::SchikPagina(QWidget* pagina)
{
    auto* som = new QHBoxLayout;
    som->setSpacing(10);
    som->addStretch(1);
    for (QWidget* deel :
        std::initializer_list<QWidget*> {lblLinks, lblBewerking, lblRechts, lblIsgelijkaan, txtOplossing})
        som->addWidget(deel);
    som->addStretch(1);
    auto* stand = new QHBoxLayout;
    stand->addWidget(lblResultaat);
    stand->addStretch(1);
    stand->addWidget(lblAantal);

    auto* layout = new QVBoxLayout(pagina);
    layout->setContentsMargins(16, 12, 16, 12);
    layout->addStretch(1);
    layout->addLayout(som);
    layout->addSpacing(20);
    layout->addWidget(lblUitslag);
    layout->addSpacing(16);
    layout->addLayout(stand);
    layout->addStretch(1);
}

void Reeks::Reset()
{
    m_goed = 0;
    m_gemaakt = 0;
    lblResultaat->setText(QStringLiteral("Resultaat : 0 op 0"));
    if (m_varianten.resetUitslag) {
        lblUitslag->setText(*m_varianten.resetUitslag);
        ZetAchtergrond(lblUitslag, Uitslagkleur::NieuweReeks);
    }
}

void Reeks::Start(int aantal)
{
    m_aantal = aantal + 1;
    if (m_varianten.tellersNulBijStart) {
        m_goed = 0;
        m_gemaakt = 0;
    }
    if (m_varianten.startUitslag)
        lblUitslag->setText(*m_varianten.startUitslag);
    NieuweOefening();
}

void Reeks::NieuweOefening()
{
    --m_aantal;
    if (m_aantal < 1) {
        EindeReeks();
        return;
    }
    m_oefening = m_maak();
    lblAantal->setText(m_varianten.resterend.arg(m_aantal));
    ToonOefening();
    ++m_gemaakt;
}

void Reeks::ToonOefening()
{
    lblLinks->setText(m_oefening.Links);
    lblBewerking->setText(m_oefening.Bewerking);
    lblRechts->setText(m_oefening.Rechts);
    txtOplossing->clear();
    txtOplossing->setFocus();
}

void Reeks::ControleerOplossing()
{
    if (LeesGetal(txtOplossing->text()) == static_cast<double>(m_oefening.Uitkomst)) {
        lblUitslag->setText(QStringLiteral("Goed zo !"));
        ZetAchtergrond(lblUitslag, Uitslagkleur::Goed);
        SpeelGoed();
        ++m_goed;
    } else {
        lblUitslag->setText(Fouttekst());
        ZetAchtergrond(lblUitslag, Uitslagkleur::Fout);
        SpeelFout();
    }
    lblResultaat->setText(QStringLiteral("Resultaat : %1 op %2").arg(m_goed).arg(m_gemaakt));
    NieuweOefening();
}

QString Reeks::Fouttekst() const
{
    if (m_varianten.fouttekst == ReeksVarianten::Fouttekst::Foutje)
        return QStringLiteral("Foutje !");
    return m_oefening.Som() + u'=' + Tekst(m_oefening.Uitkomst);
}

void Reeks::EindeReeks()
{
    lblUitslag->setText(QStringLiteral("Klaar !"));
    lblAantal->clear();
    lblResultaat->setText(m_varianten.eindResultaat.arg(m_goed).arg(m_gemaakt));
    const QString prompt = QStringLiteral("Alle oefeningen zijn gemaakt.\r\nJe haalde %1 op %2\r\n\r\nNog eens ?")
                               .arg(m_goed)
                               .arg(m_gemaakt);
    const Antwoord antwoord
        = m_venster.dialogen().Melding(&m_venster, prompt, QStringLiteral("opnieuw ?"), Knoppen::JaNee, Icoon::Geen);
    if (antwoord == Antwoord::Ja)
        m_venster.KlikTab(Oefenvenster::TabSetup); // as if Setup were chosen: the tab follows, a new score
    else
        m_venster.Sluit();
}
