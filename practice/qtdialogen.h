#pragma once

#include "dialogen.h"

// The dialogs service of the running program: Qt's message box, input box and file dialog, with the
// given title and prompt, the given icon and only the given buttons. The standard buttons speak the
// language of the translations the application loaded.
class QtDialogen final : public Dialogen
{
public:
    Antwoord Melding(
        QWidget* ouder, const QString& prompt, const QString& titel, Knoppen knoppen, Icoon icoon) override;
    std::optional<QString> Invoer(
        QWidget* ouder, const QString& prompt, const QString& titel, const QString& standaard) override;
    QString BewaarAls(QWidget* ouder, const QString& titel, const QString& voorstel, const QString& filter) override;
};
