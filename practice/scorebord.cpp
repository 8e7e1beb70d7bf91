#include "scorebord.h"

#include "bouwstenen.h"
#include "lettertypen.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {

const QColor Lichtblauw {192, 192, 255};
const QColor Lichtgroen {192, 255, 192};

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

Scorebord::Scorebord(QWidget* parent, const QString& uitslag)
    : QWidget(parent)
    , m_uitslag(MaakLabel(this, QStringLiteral("lblUitslag"), Comic(13, true), uitslag))
    , m_resultaat(MaakLabel(this, QStringLiteral("lblResultaat"), Comic(12), QStringLiteral("Resultaat : 0 op 0")))
    , m_aantal(MaakLabel(this, QStringLiteral("lblAantal"), Comic(12)))
{
    m_uitslag->setMargin(8);
    ZetAchtergrond(m_uitslag, Lichtblauw);
    m_aantal->setMargin(4);
    ZetAchtergrond(m_aantal, Lichtgroen);
    m_aantal->hide();

    auto* stand = new QHBoxLayout;
    stand->addWidget(m_resultaat);
    stand->addStretch(1);
    stand->addWidget(m_aantal);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(16);
    layout->addWidget(m_uitslag);
    layout->addLayout(stand);
}

void Scorebord::ToonNieuweReeks(const QString& tekst)
{
    m_uitslag->setText(tekst);
    ZetAchtergrond(m_uitslag, Uitslagkleur::NieuweReeks);
}

void Scorebord::ToonGoed(const QString& tekst)
{
    m_uitslag->setText(tekst);
    ZetAchtergrond(m_uitslag, Uitslagkleur::Goed);
}

void Scorebord::ToonFout(const QString& tekst)
{
    m_uitslag->setText(tekst);
    ZetAchtergrond(m_uitslag, Uitslagkleur::Fout);
}

void Scorebord::ToonUitslag(const QString& tekst)
{
    m_uitslag->setText(tekst);
}

void Scorebord::ToonResultaat(const QString& tekst)
{
    m_resultaat->setText(tekst);
}

// An empty line would still show its coloured background.
void Scorebord::ToonResterend(const QString& tekst)
{
    m_aantal->setText(tekst);
    m_aantal->setVisible(!tekst.isEmpty());
}
