#include "tabstrook.h"

#include <QMouseEvent>
#include <QProxyStyle>
#include <QWheelEvent>

namespace {

// The room beside a caption comes from the style, which both sizes the tab and places its
// caption with it; a smaller room only in the size would clip the caption.
class CompacteTabstijl final : public QProxyStyle
{
public:
    using QProxyStyle::QProxyStyle;

    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override
    {
        // Pixels on both sides of a caption together; the usual styles take about 24.
        constexpr int CompacteRuimte = 10;
        return metric == PM_TabBarTabHSpace ? CompacteRuimte : QProxyStyle::pixelMetric(metric, option, widget);
    }
};

} // namespace

Tabstrook::Tabstrook(QWidget* parent, Vorm vorm)
    : QTabBar(parent)
{
    setFocusPolicy(Qt::NoFocus);
    setExpanding(false);
    if (vorm == Vorm::Compact)
        MaakCompact();
}

void Tabstrook::MaakCompact()
{
    setUsesScrollButtons(false);
    setElideMode(Qt::ElideNone);
    auto* stijl = new CompacteTabstijl;
    stijl->setParent(this);
    setStyle(stijl);
    QFont kleiner = font();
    if (kleiner.pointSizeF() > 1)
        kleiner.setPointSizeF(kleiner.pointSizeF() - 1);
    setFont(kleiner);
}

void Tabstrook::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        event->accept();
        return;
    }
    QTabBar::mousePressEvent(event);
}

// Qt would handle the second press as another click.
void Tabstrook::mouseDoubleClickEvent(QMouseEvent* event)
{
    event->accept();
}

void Tabstrook::wheelEvent(QWheelEvent* event)
{
    event->ignore();
}
