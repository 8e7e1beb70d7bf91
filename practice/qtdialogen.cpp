#include "qtdialogen.h"

#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

namespace {

QMessageBox::Icon QtIcoon(Icoon icoon)
{
    switch (icoon) {
    case Icoon::Geen:
        return QMessageBox::NoIcon;
    case Icoon::Informatie:
        return QMessageBox::Information;
    case Icoon::Vraag:
        return QMessageBox::Question;
    case Icoon::Waarschuwing:
        return QMessageBox::Warning;
    case Icoon::Kritiek:
        return QMessageBox::Critical;
    }
    return QMessageBox::NoIcon;
}

// Prompts separate their lines with CR LF; a label breaks on LF alone.
QString Regels(const QString& tekst)
{
    QString regels = tekst;
    regels.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return regels;
}

} // namespace

Antwoord QtDialogen::Melding(QWidget* ouder, const QString& prompt, const QString& titel, Knoppen knoppen, Icoon icoon)
{
    const bool jaNee = knoppen == Knoppen::JaNee;
    QMessageBox box(QtIcoon(icoon), titel, Regels(prompt),
        jaNee ? QMessageBox::Yes | QMessageBox::No : QMessageBox::StandardButtons(QMessageBox::Ok), ouder);
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(jaNee ? QMessageBox::Yes : QMessageBox::Ok);
    // Escape and the close button answer No (or OK): never an answer outside the buttons shown.
    box.setEscapeButton(jaNee ? QMessageBox::No : QMessageBox::Ok);
    const int knop = box.exec();
    if (!jaNee)
        return Antwoord::Ok;
    return knop == QMessageBox::Yes ? Antwoord::Ja : Antwoord::Nee;
}

std::optional<QString> QtDialogen::Invoer(
    QWidget* ouder, const QString& prompt, const QString& titel, const QString& standaard)
{
    QInputDialog box(ouder);
    box.setInputMode(QInputDialog::TextInput);
    box.setWindowTitle(titel);
    box.setLabelText(Regels(prompt));
    box.setTextValue(standaard);
    if (box.exec() != QDialog::Accepted)
        return std::nullopt;
    return box.textValue();
}

QString QtDialogen::BewaarAls(QWidget* ouder, const QString& titel, const QString& voorstel, const QString& filter)
{
    return QFileDialog::getSaveFileName(ouder, titel, voorstel, filter);
}
