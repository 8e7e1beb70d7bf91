#pragma once

#include "blad.h"

#include <QWidget>

#include <array>

class QLabel;

// The preview of a composed sheet: title, subtitle and the 30 exercises without their answers,
// in three blocks of two columns, laid out in twips like the printed page, and the sheet code at its foot.
class PrintvoorbeeldVenster : public QWidget
{
    Q_OBJECT

public:
    static constexpr int Breedte = 6105; // twips
    static constexpr int Hoogte = 8280;

    explicit PrintvoorbeeldVenster(QWidget* parent = nullptr);

    void ToonBlad(const BladGegevens& blad);

signals:
    // The window is closing: by its close button, by a new preview or with the worksheet window.
    void Gesloten();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QLabel* MaakLabel(const QString& naam, const QRect& plaats, const QFont& lettertype);

    QLabel* m_titel = nullptr;
    QLabel* m_ondertitel = nullptr;
    QLabel* m_code = nullptr;
    std::array<QLabel*, BladAantal> m_opgaven {};
};
