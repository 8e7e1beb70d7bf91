#include "bouwstenen.h"

#include <QFocusEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace {

class Leegmaker final : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* object, QEvent* event) override
    {
        if (event->type() == QEvent::FocusIn && DoorGebruiker(static_cast<QFocusEvent*>(event)->reason()))
            static_cast<QLineEdit*>(object)->clear();
        return false;
    }

private:
    // Qt gives the mouse reason only to the widget that was clicked (or its focus proxy); the window and the
    // MDI frame hand focus back with other reasons.
    static bool DoorGebruiker(Qt::FocusReason reden)
    {
        return reden == Qt::MouseFocusReason || reden == Qt::TabFocusReason || reden == Qt::BacktabFocusReason;
    }
};

} // namespace

QLabel* MaakLabel(QWidget* ouder, const QString& naam, const QFont& font, const QString& tekst)
{
    auto* label = new QLabel(tekst, ouder);
    label->setObjectName(naam);
    label->setTextFormat(Qt::PlainText);
    label->setFont(font);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

QRadioButton* MaakOptie(QWidget* ouder, const QString& naam, const QString& tekst)
{
    auto* optie = new QRadioButton(tekst, ouder);
    optie->setObjectName(naam);
    return optie;
}

void LeegBijBinnenkomst(QLineEdit* vak)
{
    vak->installEventFilter(new Leegmaker(vak));
}

QLineEdit* MaakGetalvak(QWidget* ouder, const QString& naam, const QString& tekst)
{
    auto* vak = new QLineEdit(tekst, ouder);
    vak->setObjectName(naam);
    vak->setMaximumWidth(vak->fontMetrics().horizontalAdvance(QStringLiteral("000000000")));
    LeegBijBinnenkomst(vak);
    return vak;
}

QHBoxLayout* MaakGetalregel(QWidget* ouder, const QString& bijschrift, QLineEdit* vak)
{
    auto* regel = new QHBoxLayout;
    regel->setSpacing(8);
    regel->addWidget(new QLabel(bijschrift, ouder));
    regel->addWidget(vak);
    regel->addStretch(1);
    return regel;
}
