#include "antwoordrij.h"

#include "bouwstenen.h"
#include "getal.h"
#include "lettertypen.h"
#include "opgave.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

namespace {

// Room for six digits, the largest numbers the modules show.
void ZetGetalbreedte(QWidget* widget, int extra)
{
    widget->setMinimumWidth(widget->fontMetrics().horizontalAdvance(QStringLiteral("000000")) + extra);
}

} // namespace

Antwoordrij::Antwoordrij(QWidget* parent)
    : QWidget(parent)
    , m_links(MaakLabel(this, QStringLiteral("lblLinks"), Comic(12)))
    , m_bewerking(MaakLabel(this, QStringLiteral("lblBewerking"), ArialBlack(), QStringLiteral("+")))
    , m_rechts(MaakLabel(this, QStringLiteral("lblRechts"), Comic(12)))
    , m_isgelijkaan(MaakLabel(this, QStringLiteral("lblIsgelijkaan"), ArialBlack(), QStringLiteral("=")))
    , m_oplossing(new QLineEdit(this))
{
    m_oplossing->setObjectName(QStringLiteral("txtOplossing"));
    m_oplossing->setFont(Comic(12));
    m_oplossing->setAlignment(Qt::AlignCenter);
    ZetGetalbreedte(m_links, 8);
    ZetGetalbreedte(m_rechts, 8);
    ZetGetalbreedte(m_oplossing, 16);
    connect(m_oplossing, &QLineEdit::returnPressed, this, [this] { emit Beantwoord(m_oplossing->text()); });

    auto* rij = new QHBoxLayout(this);
    rij->setContentsMargins(0, 0, 0, 0);
    rij->setSpacing(10);
    rij->addStretch(1);
    for (QWidget* deel : std::initializer_list<QWidget*> {m_links, m_bewerking, m_rechts, m_isgelijkaan, m_oplossing})
        rij->addWidget(deel);
    rij->addStretch(1);
}

void Antwoordrij::Toon(const Opgave& opgave)
{
    m_links->setText(Tekst(opgave.Links));
    m_bewerking->setText(QString::fromStdString(opgave.Bewerking));
    m_rechts->setText(Tekst(opgave.Rechts));
    m_oplossing->clear();
    m_oplossing->setFocus();
}

void Antwoordrij::Leeg()
{
    m_links->clear();
    m_bewerking->clear();
    m_rechts->clear();
    m_oplossing->clear();
}
