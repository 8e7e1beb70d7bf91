#pragma once

#include "lettertypen.h"
#include "nepdialogen.h"
#include "oefenbladvenster.h"
#include "testblad.h"
#include "toeval.h"
#include "widgets.h"

#include <QCheckBox>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QStyleOptionButton>

#include <gtest/gtest.h>

// The worksheet window in a work area of its own, driven with mouse clicks and typed keys.
class PrintVenster : public ::testing::Test
{
public:
    void SetUp() override
    {
        ZaaiToeval(21);
        ZetLettertypeVervangingen();
        werkruimte.resize(1400, 1000);
        werkruimte.show();
        open();
    }

    // A fresh worksheet window in place of the open one.
    void open()
    {
        if (!vensters("frmPrinten").empty())
            vensters("frmPrinten").front()->close();
        auto nieuw = std::make_unique<OefenbladVenster>(dialogen);
        venster = nieuw.get();
        werkruimte.addSubWindow(nieuw.release())->show();
    }
    void tab(int index) { klikTab(*venster, index); }
    void klik(const QString& naam) { QTest::mouseClick(vind<QAbstractButton>(*venster, naam), Qt::LeftButton); }
    // A click on the box's own square or circle, where a teacher ticks it; a ticked box stays ticked.
    void vink(const QString& naam)
    {
        auto* knop = vind<QAbstractButton>(*venster, naam);
        if (knop->isChecked())
            return;
        QStyleOptionButton optie;
        optie.initFrom(knop);
        const auto deel
            = qobject_cast<QCheckBox*>(knop) ? QStyle::SE_CheckBoxIndicator : QStyle::SE_RadioButtonIndicator;
        QTest::mouseClick(knop, Qt::LeftButton, {}, knop->style()->subElementRect(deel, &optie, knop).center());
        EXPECT_TRUE(knop->isChecked()) << naam.toStdString();
    }
    void soorten(int pagina, const char* naam, std::initializer_list<int> vakjes)
    {
        tab(pagina);
        for (const int i : vakjes)
            vink(QStringLiteral("%1(%2)").arg(QLatin1String(naam)).arg(i));
    }
    void hoofdrekenen(const QString& maximum, int bewerking, bool brug = true)
    {
        tab(0);
        auto* vak = vind<QLineEdit>(*venster, QStringLiteral("txtMax"));
        QTest::mouseClick(vak, Qt::LeftButton);
        QTest::keyClick(vak, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(vak, Qt::Key_Delete);
        QTest::keyClicks(vak, maximum);
        if (bewerking >= 0)
            vink(QStringLiteral("optHRbewerking(%1)").arg(bewerking));
        vink(brug ? QStringLiteral("optBrugJa") : QStringLiteral("optBrugNee"));
    }
    void tafels(std::initializer_list<int> tafels, int soort)
    {
        tab(1);
        for (const int t : tafels)
            vink(QStringLiteral("chkTafel(%1)").arg(t - 1));
        if (soort >= 0)
            vink(QStringLiteral("optTtafels(%1)").arg(soort));
    }
    std::vector<QMdiSubWindow*> vensters(const char* naam)
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        std::vector<QMdiSubWindow*> kaders;
        for (QMdiSubWindow* kader : werkruimte.subWindowList())
            if (kader->widget() && kader->widget()->objectName() == QLatin1String(naam))
                kaders.push_back(kader);
        return kaders;
    }
    QWidget& voorbeeld() { return *vensters("frmPrintVoorbeeld").at(0)->widget(); }
    // How many of the buttons that need a preview are enabled.
    long knoppenAan()
    {
        return std::ranges::count_if(
            std::initializer_list<const char*> {"cmdVoorbeeldZelfde", "cmdPrintOpgaven", "cmdPrintOplossingen",
                "cmdPdfOpgaven", "cmdPdfOplossingen", "cmdWOpgaven", "cmdWOplossingen"},
            [this](const char* naam) { return vind<QPushButton>(*venster, QString::fromUtf8(naam))->isEnabled(); });
    }
    // The prompts of the message boxes since the given count.
    std::vector<QString> meldingenVanaf(std::size_t eerder) const
    {
        std::vector<QString> prompts;
        for (std::size_t i = eerder; i < dialogen.meldingen().size(); ++i)
            prompts.push_back(dialogen.meldingen()[i].prompt);
        return prompts;
    }

    NepDialogen dialogen;
    QMdiArea werkruimte;
    OefenbladVenster* venster = nullptr;
};
