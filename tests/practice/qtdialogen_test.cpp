#include "qtdialogen.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

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

struct Geval
{
    Knoppen knoppen;
    Icoon icoon;
    QMessageBox::Icon qtIcoon;
    QMessageBox::StandardButtons verwachteKnoppen;
    std::function<void(QMessageBox*)> actie;
    Antwoord antwoord;
};

TEST(QtDialogen, MeldingToontPreciesWatGevraagdIs)
{
    const auto klik
        = [](QMessageBox::StandardButton knop) { return [knop](QMessageBox* box) { box->button(knop)->click(); }; };
    const auto escape = [](QMessageBox* box) { QTest::keyClick(box, Qt::Key_Escape); };
    const std::vector<Geval> gevallen {
        {Knoppen::JaNee, Icoon::Geen, QMessageBox::NoIcon, QMessageBox::Yes | QMessageBox::No, klik(QMessageBox::Yes),
            Antwoord::Ja},
        {Knoppen::JaNee, Icoon::Vraag, QMessageBox::Question, QMessageBox::Yes | QMessageBox::No, klik(QMessageBox::No),
            Antwoord::Nee},
        {Knoppen::JaNee, Icoon::Waarschuwing, QMessageBox::Warning, QMessageBox::Yes | QMessageBox::No, escape,
            Antwoord::Nee},
        {Knoppen::Ok, Icoon::Informatie, QMessageBox::Information, QMessageBox::Ok, klik(QMessageBox::Ok),
            Antwoord::Ok},
        {Knoppen::Ok, Icoon::Kritiek, QMessageBox::Critical, QMessageBox::Ok, escape, Antwoord::Ok},
    };
    QtDialogen dialogen;
    for (const Geval& geval : gevallen) {
        BijDialoog([&geval](QWidget* dialoog) {
            auto* box = qobject_cast<QMessageBox*>(dialoog);
            ASSERT_NE(box, nullptr);
            EXPECT_EQ(box->windowTitle(), "opnieuw ?");
            EXPECT_EQ(box->text(), "Je haalde <b>2</b> op 3\n\nNog eens ?");
            EXPECT_EQ(box->textFormat(), Qt::PlainText);
            EXPECT_EQ(box->icon(), geval.qtIcoon);
            EXPECT_EQ(box->standardButtons(), geval.verwachteKnoppen);
            EXPECT_EQ(box->buttons().size(), geval.verwachteKnoppen == QMessageBox::Ok ? 1 : 2);
            geval.actie(box);
        });
        EXPECT_EQ(dialogen.Melding(
                      nullptr, "Je haalde <b>2</b> op 3\r\n\r\nNog eens ?", "opnieuw ?", geval.knoppen, geval.icoon),
            geval.antwoord);
    }
}

TEST(QtDialogen, InvoerGeeftDeTekstOfNiets)
{
    QtDialogen dialogen;
    BijDialoog([](QWidget* dialoog) {
        auto* box = qobject_cast<QInputDialog*>(dialoog);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->windowTitle(), "Titel");
        EXPECT_EQ(box->labelText(), "Geef een titel :");
        EXPECT_EQ(box->textValue(), "Oefenblad");
        box->setTextValue("Rekenen");
        box->accept();
    });
    EXPECT_EQ(dialogen.Invoer(nullptr, "Geef een titel :", "Titel", "Oefenblad"), QString("Rekenen"));

    BijDialoog([](QWidget* dialoog) { qobject_cast<QDialog*>(dialoog)->reject(); });
    EXPECT_EQ(dialogen.Invoer(nullptr, "Geef een titel :", "Titel", "Oefenblad"), std::nullopt);
}

TEST(QtDialogen, BewaarAlsAfgebrokenGeeftLeeg)
{
    QtDialogen dialogen;
    BijDialoog([](QWidget* dialoog) {
        auto* box = qobject_cast<QFileDialog*>(dialoog);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->windowTitle(), "Bewaar het oefenblad");
        box->reject();
    });
    EXPECT_EQ(dialogen.BewaarAls(nullptr, "Bewaar het oefenblad", "blad.docx", "Documenten (*.docx)"), QString());
}

} // namespace
