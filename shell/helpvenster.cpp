#include "helpvenster.h"

#include "twips.h"
#include "venster.h"

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QIcon>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTextBrowser>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

HelpVenster::HelpVenster(Dialogen&, QWidget* parent)
    : QWidget(parent)
    , m_pagina(new QTextBrowser(this))
{
    setObjectName(u"frmHelp"_s);
    setWindowTitle(u"Algemen help"_s);
    m_pagina->setObjectName(u"WebBrowser1"_s);
    // Links to the outside world open in the user's browser; the page itself never leaves this folder.
    m_pagina->setOpenExternalLinks(true);
    const QFileInfo pagina(QDir::current().filePath(u"help/index.html"_s));
    if (pagina.isFile() && pagina.isReadable())
        m_pagina->setSource(QUrl::fromLocalFile(pagina.absoluteFilePath()));

    auto* stop = new QToolButton(this);
    stop->setObjectName(u"cmdStop"_s);
    stop->setToolTip(u"De help afsluiten"_s);
    stop->setAccessibleName(u"Afsluiten"_s);
    stop->setIcon(QIcon(u":/practice/stop.svg"_s));
    stop->setIconSize({24, 24});
    stop->setAutoRaise(true);
    connect(stop, &QToolButton::clicked, this, [this] { SluitVenster(this); });

    auto* onder = new QHBoxLayout;
    onder->addStretch(1);
    onder->addWidget(stop);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 4);
    layout->setSpacing(4);
    layout->addWidget(m_pagina, 1);
    layout->addLayout(onder);
}

void HelpVenster::showEvent(QShowEvent* event)
{
    if (!m_geplaatst) {
        m_geplaatst = true;
        PlaatsVenster(this, PasInWerkruimte(QSize(7695, 7215)), Plaatsing::MiddenBoven());
    }
    QWidget::showEvent(event);
}

// A main window smaller than the page: the window takes the room there is, and the page scrolls.
QSize HelpVenster::PasInWerkruimte(QSize twips) const
{
    const auto* kader = qobject_cast<const QMdiSubWindow*>(parentWidget());
    if (!kader || !kader->mdiArea())
        return twips;
    const QMargins rand = kader->contentsMargins();
    const QSize ruimte = kader->mdiArea()->viewport()->size().shrunkBy(rand);
    return twips.boundedTo({Twips(ruimte.width()), Twips(ruimte.height())});
}
