#include "qtdialogen.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>
#include <tuple>

namespace {

// Runs `doe` on the modal dialog as soon as it is open; a dialog that `doe` left open fails the test and
// is closed, so that no test can hang.
void BijDialoog(std::function<void(QWidget*)> doe)
{
    auto* wachter = new QTimer(qApp);
    wachter->setInterval(5);
    QObject::connect(wachter, &QTimer::timeout, wachter, [wachter, doe = std::move(doe)] {
        if (QWidget* dialoog = QApplication::activeModalWidget()) {
            wachter->deleteLater();
            wachter->stop();
            doe(dialoog);
            auto* open = qobject_cast<QDialog*>(dialoog);
            if (open && open->isVisible()) {
                ADD_FAILURE() << "the dialog was left open";
                open->reject();
            }
        }
    });
    wachter->start();
}

// Each box shows exactly the prompt (line breaks made plain, no markup), the title, the icon and the buttons
// asked for; Escape answers Nee or Ok.
TEST(QtDialogen, MeldingToontPreciesWatGevraagdIs)
{
    using Box = QMessageBox;
    const auto klik = [](Box::StandardButton knop) { return [knop](Box* box) { box->button(knop)->click(); }; };
    const auto escape = [](Box* box) { QTest::keyClick(box, Qt::Key_Escape); };
    const std::tuple<Knoppen, Icoon, Box::Icon, Box::StandardButtons, std::function<void(Box*)>, Antwoord> gevallen[]
        = {{Knoppen::JaNee, Icoon::Geen, Box::NoIcon, Box::Yes | Box::No, klik(Box::Yes), Antwoord::Ja},
            {Knoppen::JaNee, Icoon::Vraag, Box::Question, Box::Yes | Box::No, klik(Box::No), Antwoord::Nee},
            {Knoppen::JaNee, Icoon::Waarschuwing, Box::Warning, Box::Yes | Box::No, escape, Antwoord::Nee},
            {Knoppen::Ok, Icoon::Informatie, Box::Information, Box::Ok, klik(Box::Ok), Antwoord::Ok},
            {Knoppen::Ok, Icoon::Kritiek, Box::Critical, Box::Ok, escape, Antwoord::Ok}};
    QtDialogen dialogen;
    for (const auto& [knoppen, icoon, qtIcoon, qtKnoppen, actie, antwoord] : gevallen) {
        BijDialoog([&](QWidget* dialoog) {
            auto* box = qobject_cast<Box*>(dialoog);
            ASSERT_NE(box, nullptr);
            EXPECT_EQ(box->windowTitle(), "opnieuw ?");
            EXPECT_EQ(box->text(), "Je haalde <b>2</b> op 3\n\nNog eens ?");
            EXPECT_EQ(box->textFormat(), Qt::PlainText);
            EXPECT_EQ(box->icon(), qtIcoon);
            EXPECT_EQ(box->standardButtons(), qtKnoppen);
            EXPECT_EQ(box->buttons().size(), qtKnoppen == Box::Ok ? 1 : 2);
            actie(box);
        });
        EXPECT_EQ(dialogen.Melding(nullptr, "Je haalde <b>2</b> op 3\r\n\r\nNog eens ?", "opnieuw ?", knoppen, icoon),
            antwoord);
    }
}

} // namespace
