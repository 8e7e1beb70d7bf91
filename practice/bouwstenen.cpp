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
    // A click into the box, or Tab/Backtab onto it, enters it. Focus given by the program (when the window opens)
    // or merely coming back (with its window, after a message box, from the MDI frame) does not; a click into a
    // box that got its focus that way does.
    bool eventFilter(QObject* object, QEvent* event) override
    {
        auto* vak = static_cast<QLineEdit*>(object);
        switch (event->type()) {
        case QEvent::FocusIn:
            if (DoorGebruiker(static_cast<QFocusEvent*>(event)->reason()))
                Betreed(vak);
            break;
        case QEvent::FocusOut:
            if (DoorGebruiker(static_cast<QFocusEvent*>(event)->reason()))
                m_betreden = false;
            break;
        case QEvent::MouseButtonPress:
            if (!m_betreden)
                Betreed(vak);
            break;
        default:
            break;
        }
        return false;
    }

private:
    static bool DoorGebruiker(Qt::FocusReason reden)
    {
        return reden == Qt::MouseFocusReason || reden == Qt::TabFocusReason || reden == Qt::BacktabFocusReason;
    }

    void Betreed(QLineEdit* vak)
    {
        vak->clear();
        m_betreden = true;
    }

    bool m_betreden = false;
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
