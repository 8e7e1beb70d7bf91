#pragma once

#include "blad.h"

#include <QWidget>

#include <array>

class QLabel;

// The preview of a composed sheet: title, subtitle and the 30 exercises without their answers,
// in three blocks of two columns, laid out in twips like the printed page.
class frmPrintVoorbeeld : public QWidget
{
    Q_OBJECT

public:
    static constexpr int Breedte = 6105; // twips
    static constexpr int Hoogte = 8280;

    explicit frmPrintVoorbeeld(QWidget* parent = nullptr);

    // Shows the sheet; its display texts must have been built by MaakTeksten.
    void ToonBlad(const BladGegevens& blad);

signals:
    // The window is closing: by its close button, by a new preview or with the worksheet window.
    void Gesloten();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QLabel* MaakLabel(const QString& naam, const QRect& plaats, const QFont& lettertype);

    QLabel* lblTitel;
    QLabel* lblOndertitel;
    std::array<QLabel*, BladAantal> lblOef {};
    std::array<QLabel*, BladAantal> lblIs {};
    QLabel* lblResultaat;
};
