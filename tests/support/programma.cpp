#include "programma.h"

#include "toeval.h"
#include "widgets.h"

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

#include <gtest/gtest.h>

#include <stdexcept>

Programma::Programma(Modulevensters vensters)
    : hoofd(dialogen, std::move(vensters))
{
    hoofd.show();
    hoofd.activateWindow();
    if (!QTest::qWaitForWindowActive(&hoofd))
        throw std::runtime_error("the main window did not become active");
}

Programma::~Programma()
{
    hoofd.werkruimte().closeAllSubWindows();
}

QWidget& Programma::Open(const QString& menu, std::uint64_t zaad)
{
    auto* actie = hoofd.findChild<QAction*>(menu);
    if (!actie || !actie->isEnabled())
        throw std::logic_error("no enabled menu item " + menu.toStdString());
    actie->trigger();
    return NieuwVenster(zaad);
}

QWidget& Programma::OpenViaKnop(const QString& sleutel, std::uint64_t zaad)
{
    auto* knop = hoofd.findChild<QToolBar*>(QStringLiteral("Toolbar1"))->findChild<QToolButton*>(sleutel);
    if (!knop || !knop->isEnabled())
        throw std::logic_error("no toolbar button " + sleutel.toStdString());
    QTest::mouseClick(knop, Qt::LeftButton);
    return NieuwVenster(zaad);
}

QWidget& Programma::NieuwVenster(std::uint64_t zaad)
{
    QMdiSubWindow* sub = hoofd.werkruimte().activeSubWindow();
    if (!sub || !sub->widget())
        throw std::logic_error("no window opened");
    ZaaiToeval(zaad);
    return *sub->widget();
}

QStringList Programma::OpenVensters() const
{
    QStringList namen;
    for (const QMdiSubWindow* sub : hoofd.werkruimte().subWindowList()) {
        if (!sub->isHidden())
            namen.append(sub->widget()->objectName());
    }
    namen.sort();
    return namen;
}

QString Programma::Start(const QWidget& venster, const QString& titel)
{
    const std::size_t voor = dialogen.meldingen().size();
    klikTab(venster, 1);
    if (dialogen.meldingen().size() == voor) {
        EXPECT_EQ(paginaVoor(venster), 1);
        return {};
    }
    EXPECT_EQ(dialogen.meldingen().size(), voor + 1) << "more than one message";
    EXPECT_EQ(dialogen.laatste().titel, titel);
    EXPECT_EQ(dialogen.laatste().knoppen, Knoppen::Ok);
    EXPECT_EQ(dialogen.laatste().icoon, Icoon::Geen);
    EXPECT_EQ(paginaVoor(venster), 0) << dialogen.laatste().prompt.toStdString();
    return dialogen.laatste().prompt;
}
