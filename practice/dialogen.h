#pragma once

#include <QString>

#include <optional>

class QWidget;

enum class Knoppen { Ok, JaNee };
enum class Icoon { Geen, Informatie, Vraag, Waarschuwing, Kritiek };
enum class Antwoord { Ok, Ja, Nee };

// Every message box, input box and file dialog of the program goes through this service, so that
// tests can answer them. The real one shows Qt dialogs; tests use a scripted fake.
class Dialogen
{
public:
    virtual ~Dialogen() = default;

    virtual Antwoord Melding(QWidget* ouder, const QString& prompt, const QString& titel, Knoppen knoppen, Icoon icoon)
        = 0;

    // A one-line input box; empty when the user cancels.
    virtual std::optional<QString> Invoer(
        QWidget* ouder, const QString& prompt, const QString& titel, const QString& standaard)
        = 0;

    // A file-save dialog; an empty text when the user cancels.
    virtual QString BewaarAls(QWidget* ouder, const QString& titel, const QString& voorstel, const QString& filter) = 0;
};

// The program's own title, used by the messages that have no title of their own.
QString ProgrammaTitel();
