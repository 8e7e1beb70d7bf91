#pragma once

#include "lettertypen.h"
#include "oefenbladvenster.h"
#include "programma.h"
#include "testblad.h"
#include "toeval.h"
#include "widgets.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>

#include <gtest/gtest.h>

#include <vector>

// The worksheet window opened from the main window's menu, driven with clicks and typed keys.
class Oefenbladen : public ::testing::Test
{
protected:
    // A fresh worksheet window in place of the open one.
    void open() { m_venster = &programma.Open("oefenbladen", 21); }
    QWidget& venster() { return *m_venster; }
    const BladGegevens& blad() const { return qobject_cast<const OefenbladVenster*>(m_venster)->Blad(); }
    OefenbladVenster& oefenblad() { return *qobject_cast<OefenbladVenster*>(m_venster); }

    void klik(const QString& naam) { ::klik(vind<QAbstractButton>(*m_venster, naam)); }
    // Clicks the boxes and options that are not yet as `aan` says.
    void vink(const QStringList& namen, bool aan = true)
    {
        for (const QString& naam : namen)
            if (auto* knop = vind<QAbstractButton>(*m_venster, naam); knop->isChecked() != aan)
                ::klik(knop);
    }
    // Clicks into the box, replaces its text key by key and, if asked, presses Enter.
    void typ(const QString& naam, const QString& tekst, bool enter = false)
    {
        vervang(*m_venster, naam, tekst);
        if (enter)
            QTest::keyClick(focus(), Qt::Key_Return);
    }
    // The page of `tab` in front, the maximum typed on Hoofdrekenen, and the boxes `aan` ticked.
    void stel(int tab, const QStringList& aan, const QString& maximum = QStringLiteral("57"))
    {
        klikTab(*m_venster, tab);
        if (tab == 0)
            typ(QStringLiteral("txtMax"), maximum);
        vink(aan);
    }
    QString code() { return vind<QLineEdit>(*m_venster, QStringLiteral("txtBladcode"))->text(); }
    // Every tick, option and number box of the window.
    QStringList instellingen()
    {
        QStringList staat {vind<QLineEdit>(*m_venster, QStringLiteral("txtMax"))->text()};
        for (const QAbstractButton* knop : m_venster->findChildren<QAbstractButton*>())
            if (knop->isCheckable())
                staat << knop->objectName() + (knop->isChecked() ? "+" : "-");
        staat.sort();
        return staat;
    }
    // The open preview; a closed one is gone once its deletion has run.
    QWidget* voorbeeld()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return programma.hoofd.findChild<QWidget*>(QStringLiteral("frmPrintVoorbeeld"));
    }
    // How many of the buttons that need a preview are enabled.
    long knoppenAan()
    {
        return std::ranges::count_if(QStringList {"cmdVoorbeeldZelfde", "cmdPrintOpgaven", "cmdPrintOplossingen",
                                         "cmdPdfOpgaven", "cmdPdfOplossingen", "cmdWOpgaven", "cmdWOplossingen"},
            [this](const QString& naam) { return vind<QPushButton>(*m_venster, naam)->isEnabled(); });
    }
    // The prompts of the message boxes since the given count.
    std::vector<QString> meldingenVanaf(std::size_t eerder) const
    {
        std::vector<QString> prompts;
        for (std::size_t i = eerder; i < dialogen.meldingen().size(); ++i)
            prompts.push_back(dialogen.meldingen()[i].prompt);
        return prompts;
    }

    const bool m_lettertypen = (ZetLettertypeVervangingen(), true);
    Programma programma;
    NepDialogen& dialogen = programma.dialogen;

private:
    QWidget* m_venster = &programma.Open("oefenbladen", 21);
};

inline std::vector<QString> Teksten(const BladGegevens& blad)
{
    std::vector<QString> teksten;
    for (const BladOpgave& opgave : blad.Opgaven)
        teksten.push_back(Tekst(opgave));
    return teksten;
}
