#include "overvenster.h"

#include "bouwstenen.h"
#include "dialogen.h"
#include "programmagegevens.h"
#include "twips.h"
#include "venster.h"

#include <QFrame>
#include <QGridLayout>
#include <QIcon>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

constexpr int Breedte = 6600; // twips

QFont SansSerif(qreal punten, bool vet)
{
    QFont font(u"MS Sans Serif"_s);
    font.setPointSizeF(punten);
    font.setBold(vet);
    return font;
}

QFrame* Lijn(QWidget* ouder)
{
    auto* lijn = new QFrame(ouder);
    lijn->setFrameShape(QFrame::HLine);
    lijn->setFrameShadow(QFrame::Plain);
    return lijn;
}

QLabel* Tekstvak(QWidget* ouder, const QString& naam, const QString& tekst)
{
    QLabel* label = MaakLabel(ouder, naam, SansSerif(9, false), tekst);
    label->setWordWrap(true);
    return label;
}

QPushButton* MaakOk(QWidget* ouder)
{
    auto* ok = new QPushButton(u"ok"_s, ouder);
    ok->setObjectName(u"cmdOK"_s);
    ok->setFont(SansSerif(24, true));
    QPalette palet = ok->palette();
    palet.setColor(QPalette::Button, {255, 128, 128});
    palet.setColor(QPalette::ButtonText, Qt::black);
    ok->setPalette(palet);
    ok->setDefault(true);
    return ok;
}

} // namespace

QString OverBeschrijving()
{
    return ProgrammaTitel()
        + u" is een rekenprogramma voor de eerste jaren van de lagere school, gemaakt door het Tallora-team als vrije "
          "en open-source software."_s
        + u"\nDe bedoeling is om kinderen op de computer wat droge oefeningen, eventueel afgewisseld met "_s
        + u"spelletjes, te laten maken, en zo het rekenen wat bij te schaven."_s;
}

OverVenster::OverVenster(Dialogen&, QWidget* parent)
    : QWidget(parent)
{
    setObjectName(u"frmAbout"_s);
    setWindowTitle(u"Over "_s + ProgrammaTitel());
    setAutoFillBackground(true);
    QPalette palet = palette();
    palet.setColor(QPalette::Window, {255, 0, 0});
    palet.setColor(QPalette::WindowText, Qt::white);
    setPalette(palet);

    auto* icoon = new QLabel(this);
    icoon->setObjectName(u"picIcon"_s);
    icoon->setPixmap(QIcon(u":/iconen/tallora.svg"_s).pixmap(QSize(64, 64)));
    QLabel* disclaimer = Tekstvak(this, u"lblDisclaimer"_s,
        ProgrammaTitel()
            + u" is gratis: iedereen mag het vrij gebruiken, kopiëren en delen. Heb je ervoor moeten betalen, "
              "dan werd je iets verkocht dat je overal kosteloos kan krijgen."_s);
    QPushButton* ok = MaakOk(this);
    connect(ok, &QPushButton::clicked, this, [this] { SluitVenster(this); });

    auto* raster = new QGridLayout(this);
    raster->setContentsMargins(16, 16, 16, 16);
    raster->setHorizontalSpacing(16);
    raster->addWidget(icoon, 0, 0, 2, 1, Qt::AlignTop);
    raster->addWidget(MaakLabel(this, u"lblTitle"_s, SansSerif(18, true), ProgrammaTitel()), 0, 1);
    raster->addWidget(MaakLabel(this, u"lblVersion"_s, SansSerif(9, false), VersieTekst()), 1, 1);
    raster->addWidget(Lijn(this), 2, 0, 1, 2);
    raster->addWidget(Tekstvak(this, u"lblDescription"_s, OverBeschrijving()), 3, 0, 1, 2);
    raster->addWidget(Lijn(this), 4, 0, 1, 2);
    raster->addWidget(disclaimer, 5, 0, 1, 2);
    raster->addWidget(ok, 6, 1, Qt::AlignRight);
    raster->setColumnStretch(1, 1);
}

void OverVenster::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (m_geplaatst)
        return;
    m_geplaatst = true;
    // The texts wrap: the box gets the height they need at its width, and cannot be made smaller.
    const QSize grootte(Pixels(Breedte), heightForWidth(Pixels(Breedte)));
    setMinimumSize(grootte);
    auto* kader = qobject_cast<QMdiSubWindow*>(parentWidget());
    if (!kader || !kader->mdiArea())
        return;
    kader->resize(grootte.grownBy(kader->contentsMargins()));
    const QSize ruimte = kader->mdiArea()->viewport()->size();
    kader->move(std::max(0, (ruimte.width() - kader->width()) / 2),
        std::max(0, (ruimte.height() - kader->height()) / 2 - Pixels(500)));
}
