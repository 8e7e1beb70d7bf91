#include "schaal.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLayout>
#include <QProxyStyle>
#include <QVariant>
#include <QWidget>

#include <cmath>

namespace {

// The design's value of a property, kept the first time; afterwards the kept one.
template<class T> T Basis(QObject* object, const char* naam, const T& nu)
{
    const QVariant bewaard = object->property(naam);
    if (bewaard.isValid())
        return bewaard.value<T>();
    object->setProperty(naam, QVariant::fromValue(nu));
    return nu;
}

int Maal(int waarde, double schaal)
{
    return static_cast<int>(std::lround(waarde * schaal));
}

// A bound that was left open (0 or Qt's largest size) stays open.
int Grens(int waarde, double schaal)
{
    return waarde <= 0 || waarde >= QWIDGETSIZE_MAX ? waarde : std::min(Maal(waarde, schaal), QWIDGETSIZE_MAX);
}

QSize Maal(QSize grootte, double schaal)
{
    return {Grens(grootte.width(), schaal), Grens(grootte.height(), schaal)};
}

// Keeps the design's font of a widget before any font in the window changes: a child that inherits its font
// would otherwise keep its parent's enlarged one as its own design and grow twice.
void BewaarFont(QWidget* widget)
{
    Basis(widget, "tallora_font", widget->font());
}

void SchaalWidget(QWidget* widget, double schaal)
{
    QFont font = Basis(widget, "tallora_font", widget->font());
    if (font.pointSizeF() > 0)
        font.setPointSizeF(font.pointSizeF() * schaal);
    else
        font.setPixelSize(Maal(font.pixelSize(), schaal));
    widget->setFont(font);
    widget->setMinimumSize(Maal(Basis(widget, "tallora_minimum", widget->minimumSize()), schaal));
    widget->setMaximumSize(Maal(Basis(widget, "tallora_maximum", widget->maximumSize()), schaal));
    if (auto* knop = qobject_cast<QAbstractButton*>(widget))
        knop->setIconSize(Maal(Basis(knop, "tallora_icoon", knop->iconSize()), schaal));
}

void SchaalIndeling(QLayout* indeling, double schaal)
{
    const QMargins marges = Basis(indeling, "tallora_marges", indeling->contentsMargins());
    indeling->setContentsMargins(Maal(marges.left(), schaal), Maal(marges.top(), schaal), Maal(marges.right(), schaal),
        Maal(marges.bottom(), schaal));
    const int tussen = Basis(indeling, "tallora_tussen", indeling->spacing());
    if (tussen > 0)
        indeling->setSpacing(Maal(tussen, schaal));
}

// The scale of the window a widget stands in, as SchaalWidgets left it.
double SchaalVan(const QWidget* widget)
{
    for (; widget; widget = widget->parentWidget()) {
        const QVariant schaal = widget->property("tallora_schaal");
        if (schaal.isValid())
            return schaal.toDouble();
    }
    return 1;
}

class Schaalstijl final : public QProxyStyle
{
public:
    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override
    {
        const int waarde = QProxyStyle::pixelMetric(metric, option, widget);
        switch (metric) {
        case PM_IndicatorWidth:
        case PM_IndicatorHeight:
        case PM_ExclusiveIndicatorWidth:
        case PM_ExclusiveIndicatorHeight:
        case PM_CheckBoxLabelSpacing:
        case PM_RadioButtonLabelSpacing:
            return Maal(waarde, SchaalVan(widget));
        default:
            return waarde;
        }
    }
};

} // namespace

void ZetSchaalstijl()
{
    QApplication::setStyle(new Schaalstijl);
}

void SchaalWidgets(QWidget* wortel, double schaal)
{
    wortel->setProperty("tallora_schaal", schaal);
    const QList<QWidget*> widgets = wortel->findChildren<QWidget*>();
    BewaarFont(wortel);
    for (QWidget* widget : widgets)
        BewaarFont(widget);
    SchaalWidget(wortel, schaal);
    for (QWidget* widget : widgets)
        SchaalWidget(widget, schaal);
    for (QLayout* indeling : wortel->findChildren<QLayout*>())
        SchaalIndeling(indeling, schaal);
}
