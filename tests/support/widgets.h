#pragma once

// Finding and driving widgets by their objectNames, the way a user would use them.

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QStackedWidget>
#include <QStringList>
#include <QTabBar>
#include <QTest>
#include <QVariant>
#include <QWidget>

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

// A mouse click on tab `index` (0 Setup, 1 Oefening, 2 Help). A window that was never shown has no
// tab layout to click on; there the click's two effects are given in the order a click gives them.
inline void klikTab(const QWidget& venster, int index)
{
    auto* tabs = vind<QTabBar>(venster, QStringLiteral("TabStrip"));
    if (tabs->isVisible()) {
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(index).center());
        return;
    }
    emit tabs->tabBarClicked(index);
    tabs->setCurrentIndex(index);
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

// Clears the box and types the text key by key.
inline void typ(QLineEdit* vak, const QString& tekst)
{
    vak->clear();
    QTest::keyClicks(vak, tekst);
}

// Types an answer in txtOplossing and presses Enter (Return, or the keypad's Enter).
inline void antwoord(const QWidget& venster, const QString& tekst, Qt::Key enter = Qt::Key_Return)
{
    auto* vak = vind<QLineEdit>(venster, QStringLiteral("txtOplossing"));
    typ(vak, tekst);
    QTest::keyClick(vak, enter, enter == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
}

inline QString tekst(const QWidget& venster, const QString& naam)
{
    return vind<QLabel>(venster, naam)->text();
}

namespace widgetsdetail {

inline QString Naam(const QWidget* widget)
{
    if (!widget->objectName().isEmpty())
        return widget->objectName();
    const QVariant tekst = widget->property("text");
    return QString::fromUtf8(widget->metaObject()->className()) + u'"' + tekst.toString() + u'"';
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
        if (widget->width() < nodig.width() || widget->height() < nodig.height())
            fouten << Naam(widget) + " is squeezed";
        for (qsizetype j = i + 1; j < zichtbaar.size(); ++j) {
            if (widget->geometry().intersects(zichtbaar[j]->geometry()))
                fouten << Naam(widget) + " overlaps " + Naam(zichtbaar[j]);
        }
        Controleer(widget, fouten);
    }
}

} // namespace widgetsdetail

// Visible widgets that overlap a sibling, stick out of their parent or got less than their minimum
// size; empty when the window's layout has room for everything.
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
