#include "getalbeeldlabels.h"

#include "getalbeeld.h"

#include <QLabel>

Getalbeeldlabels::Getalbeeldlabels(QWidget* parent)
    : QWidget(parent)
{
    for (std::size_t i = 0; i < m_vakjes.size(); ++i) {
        auto* vakje = new QLabel(this);
        vakje->setObjectName(QStringLiteral("lblNummer(%1)").arg(i));
        vakje->setFrameShape(QFrame::Box);
        vakje->setAutoFillBackground(true);
        m_vakjes[i] = vakje;
    }
    // Squares of 28 pixels leave a clear gap between the two squares of a pair.
    setMinimumSize(184, 62);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    Toon(0);
}

void Getalbeeldlabels::Toon(int getal)
{
    const QColor vol = Getalbeeld::Kleuren {}.vol;
    const QColor leeg = palette().color(QPalette::Button);
    for (int i = 0; i < Getalbeeld::Vakjes; ++i) {
        QLabel* vakje = m_vakjes[static_cast<std::size_t>(i)];
        QPalette palet = vakje->palette();
        palet.setColor(QPalette::Window, Getalbeeld::Gevuld(getal, i) ? vol : leeg);
        vakje->setPalette(palet); // the frame keeps its dark line on either colour
    }
}

void Getalbeeldlabels::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    for (int i = 0; i < Getalbeeld::Vakjes; ++i)
        m_vakjes[static_cast<std::size_t>(i)]->setGeometry(Getalbeeld::Vakje(i, rect()).toRect());
}
