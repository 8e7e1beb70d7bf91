#include "paginas.h"
#include "programma.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QToolBar>
#include <QToolButton>

namespace {

// What a control is called for a screen reader: its accessible name, its text, or the text of its label.
QString Naam(const QWidget* widget)
{
    if (!widget->accessibleName().isEmpty())
        return widget->accessibleName();
    if (const auto* knop = qobject_cast<const QAbstractButton*>(widget))
        return knop->text();
    return {};
}

// On every page of every window: each control a child can use is reached with Tab (the fish too, caught with
// Space), and a button that shows only a picture has a Dutch name for screen readers; so do the toolbar's buttons.
TEST(Toegankelijkheid, ElkeKnopBereikbaarEnBenoemd)
{
    Programma programma;
    QStringList fouten;
    for (const QToolButton* knop : programma.hoofd.findChild<QToolBar*>("Toolbar1")->findChildren<QToolButton*>()) {
        if (knop->isVisible() && knop->defaultAction() && knop->accessibleName().isEmpty())
            fouten << "toolbar: " + knop->objectName();
    }
    for (const auto& [menu, venster] : StandaardModulevensters()) {
        if (!venster.maak)
            continue;
        QWidget& open = programma.Open(menu);
        OpElkePagina(open, [&](int pagina) {
            for (const QWidget* widget : open.findChildren<QWidget*>()) {
                const bool bediening = qobject_cast<const QAbstractButton*>(widget)
                    || qobject_cast<const QLineEdit*>(widget) || qobject_cast<const QComboBox*>(widget);
                if (!bediening || !widget->isVisible() || !widget->isEnabled())
                    continue;
                const QString waar = menu + "/" + QString::number(pagina) + ": " + widget->objectName();
                // Of a group of option buttons Tab reaches the chosen one; the arrow keys move between them.
                if (!(widget->focusPolicy() & Qt::TabFocus) && !qobject_cast<const QRadioButton*>(widget))
                    fouten << waar + " is not reached with Tab";
                if (qobject_cast<const QAbstractButton*>(widget) && Naam(widget).trimmed().isEmpty())
                    fouten << waar + " has no name";
            }
        });
    }
    EXPECT_EQ(fouten, QStringList());
}

} // namespace
