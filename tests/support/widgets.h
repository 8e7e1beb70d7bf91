#pragma once

#include "leesbaar.h"

// Finding and driving widgets by their objectNames, the way a user would use them.

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QRadioButton>
#include <QStackedWidget>
#include <QStringList>
#include <QTabBar>
#include <QTest>
#include <QVariant>
#include <QWidget>

#include <algorithm>
#include <ostream>
#include <stdexcept>
#include <string>

// The child with this objectName and type; a missing one ends the test with an error.
template<class T> T* vind(const QWidget& venster, const QString& naam)
{
    T* widget = venster.findChild<T*>(naam);
    if (!widget)
        throw std::logic_error("no widget named " + naam.toStdString());
    return widget;
}

// A mouse click on tab `index` (0 Setup, 1 Oefening, 2 Help) of a window on screen.
inline void klikTab(const QWidget& venster, int index, Qt::MouseButton knop = Qt::LeftButton)
{
    auto* tabs = vind<QTabBar>(venster, QStringLiteral("TabStrip"));
    if (!tabs->isVisible())
        throw std::logic_error("the tabs are not on screen");
    QTest::mouseClick(tabs, knop, {}, tabs->tabRect(index).center());
}

// A double-click on a tab: press, release, and the second press and release that make it a double-click.
inline void dubbelklikTab(const QWidget& venster, int index)
{
    auto* tabs = vind<QTabBar>(venster, QStringLiteral("TabStrip"));
    const QPoint plek = tabs->tabRect(index).center();
    QTest::mouseClick(tabs, Qt::LeftButton, {}, plek);
    QTest::mouseDClick(tabs, Qt::LeftButton, {}, plek);
}

// The tab that the tab header shows as selected.
inline int gekozenTab(const QWidget& venster)
{
    return vind<QTabBar>(venster, QStringLiteral("TabStrip"))->currentIndex();
}

// The index i of the page Frame1(i) that is in front.
inline int paginaVoor(const QWidget& venster)
{
    auto* pagina = vind<QWidget>(venster, QStringLiteral("Frame1(0)"));
    auto* stapel = qobject_cast<QStackedWidget*>(pagina->parentWidget());
    if (!stapel)
        throw std::logic_error("the pages are not stacked");
    return stapel->currentWidget()->objectName().mid(7, 1).toInt();
}

// A mouse click on a button; option and check boxes are clicked on their indicator, which is at their left.
inline void klik(QAbstractButton* knop)
{
    const bool vakje = qobject_cast<QCheckBox*>(knop) || qobject_cast<QRadioButton*>(knop);
    QTest::mouseClick(knop, Qt::LeftButton, {}, vakje ? QPoint(8, knop->height() / 2) : knop->rect().center());
}

// The widget that has the keyboard focus; a test that types expects one.
inline QWidget* focus()
{
    QWidget* widget = QApplication::focusWidget();
    if (!widget)
        throw std::logic_error("no widget has the focus");
    return widget;
}

// Clicks into the box, as a teacher does, and types the text key by key into whatever then has the focus.
inline void typIn(const QWidget& venster, const QString& naam, const QString& tekst)
{
    auto* vak = vind<QLineEdit>(venster, naam);
    QTest::mouseClick(vak, Qt::LeftButton, {}, vak->rect().center());
    QTest::keyClicks(focus(), tekst);
}

// Replaces the text of a box that keeps its text when entered: a click into it, Ctrl+A, Delete and the new text.
inline void vervang(const QWidget& venster, const QString& naam, const QString& tekst)
{
    typIn(venster, naam, {});
    QTest::keyClick(focus(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(focus(), Qt::Key_Delete);
    QTest::keyClicks(focus(), tekst);
}

// Types an answer where the focus is, which must be txtOplossing, and presses Enter (Return, or the keypad's).
inline void antwoord(const QWidget& venster, const QString& tekst, Qt::Key enter = Qt::Key_Return)
{
    QWidget* vak = focus();
    if (vak != vind<QLineEdit>(venster, QStringLiteral("txtOplossing")))
        throw std::logic_error("the answer box has no focus but " + vak->objectName().toStdString());
    QTest::keyClicks(vak, tekst);
    QTest::keyClick(vak, enter, enter == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
}

inline QString tekst(const QWidget& venster, const QString& naam)
{
    return vind<QLabel>(venster, naam)->text();
}

// The exercise on screen as its labels show it ("47-7"); in the race each player's labels end in the player's number.
inline QString som(const QWidget& venster, const QString& speler = {})
{
    return tekst(venster, "lblLinks" + speler) + tekst(venster, "lblBewerking" + speler)
        + tekst(venster, "lblRechts" + speler);
}

// The right answer to the exercise on screen.
inline QString juist(const QWidget& venster, const QString& speler = {})
{
    const qint64 l = tekst(venster, "lblLinks" + speler).toLongLong();
    const qint64 r = tekst(venster, "lblRechts" + speler).toLongLong();
    const QString teken = tekst(venster, "lblBewerking" + speler);
    return QString::number(teken == "+" ? l + r : teken == "-" ? l - r : teken == "x" ? l * r : l / r);
}

namespace widgetsdetail {

inline QString Naam(const QWidget* widget)
{
    if (!widget->objectName().isEmpty())
        return widget->objectName();
    const QVariant tekst = widget->property("text");
    return QString::fromUtf8(widget->metaObject()->className()) + u'"' + tekst.toString() + u'"';
}

// Two neighbours side by side need a little room between them, or a label seems glued to its box. Qt's own parts
// ("qt_scrollarea_viewport" beside its scroll bar) are meant to touch.
inline bool RakenElkaar(const QRect& a, const QRect& b)
{
    constexpr int Ruimte = 3;
    const bool naastElkaar = a.top() < b.bottom() && b.top() < a.bottom();
    const int tussen = std::max(b.left() - a.right(), a.left() - b.right()) - 1;
    return naastElkaar && tussen >= 0 && tussen < Ruimte;
}

// A word-wrapped label needs the height of all its lines.
inline bool TekstAfgeknipt(const QWidget* widget)
{
    const auto* label = qobject_cast<const QLabel*>(widget);
    return label && label->wordWrap() && !label->text().isEmpty()
        && label->height() < label->heightForWidth(label->width());
}

inline void Controleer(const QWidget* ouder, QStringList& fouten)
{
    QList<const QWidget*> zichtbaar;
    for (const QObject* kind : ouder->children()) {
        const auto* widget = qobject_cast<const QWidget*>(kind);
        if (widget && widget->isVisible() && !widget->isWindow())
            zichtbaar.append(widget);
    }
    for (qsizetype i = 0; i < zichtbaar.size(); ++i) {
        const QWidget* widget = zichtbaar[i];
        if (!ouder->rect().contains(widget->geometry()))
            fouten << Naam(widget) + " sticks out of " + Naam(ouder);
        const QSize nodig = widget->minimumSizeHint();
        if (widget->width() < nodig.width() || widget->height() < nodig.height() || TekstAfgeknipt(widget))
            fouten << Naam(widget) + " is squeezed";
        for (qsizetype j = i + 1; j < zichtbaar.size(); ++j) {
            if (widget->geometry().intersects(zichtbaar[j]->geometry()))
                fouten << Naam(widget) + " overlaps " + Naam(zichtbaar[j]);
            else if (RakenElkaar(widget->geometry(), zichtbaar[j]->geometry())
                && !widget->objectName().startsWith("qt_"))
                fouten << Naam(widget) + " touches " + Naam(zichtbaar[j]);
        }
        Controleer(widget, fouten);
    }
}

} // namespace widgetsdetail

// Visible widgets that overlap or touch a sibling, stick out of their parent, or got less than their minimum size
// or the lines of their text; empty when the window's layout has room for everything.
inline QStringList botsingen(const QWidget& venster)
{
    QStringList fouten;
    widgetsdetail::Controleer(&venster, fouten);
    return fouten;
}

inline QColor achtergrond(const QWidget& venster, const QString& naam)
{
    return vind<QLabel>(venster, naam)->palette().color(QPalette::Window);
}
