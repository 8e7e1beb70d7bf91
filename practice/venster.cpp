#include "venster.h"

#include "twips.h"

#include <QMdiArea>
#include <QMdiSubWindow>

#include <algorithm>

namespace {

QMdiSubWindow* Kader(const QWidget* venster)
{
    return qobject_cast<QMdiSubWindow*>(venster->parentWidget());
}

QPoint Linksboven(const QMdiSubWindow* kader, Plaatsing plaatsing)
{
    switch (plaatsing.soort) {
    case Plaatsing::Soort::MiddenBoven: {
        const QMdiArea* gebied = kader->mdiArea();
        const int breedte = gebied ? gebied->viewport()->width() : kader->width();
        // A window wider than the work area keeps its left edge (and its frame) in sight.
        return {std::max(0, breedte / 2 - kader->width() / 2), 0};
    }
    case Plaatsing::Soort::LinksBoven:
        return {0, 0};
    case Plaatsing::Soort::Op:
        return plaatsing.plek;
    }
    return {0, 0};
}

} // namespace

void PlaatsVenster(QWidget* venster, QSize grootteTwips, Plaatsing plaatsing)
{
    const QSize grootte = PixelsGrootte(grootteTwips.width(), grootteTwips.height());
    QMdiSubWindow* kader = Kader(venster);
    if (!kader) {
        venster->resize(grootte);
        return;
    }
    kader->resize(grootte.grownBy(kader->contentsMargins()));
    kader->move(Linksboven(kader, plaatsing));
}

QRect Buitenkant(const QWidget* venster)
{
    if (const QMdiSubWindow* kader = Kader(venster))
        return kader->geometry();
    return venster->frameGeometry();
}

void SluitVenster(QWidget* venster)
{
    if (QMdiSubWindow* kader = Kader(venster))
        kader->close();
    else
        venster->close();
}
