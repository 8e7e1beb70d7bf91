#pragma once

#include "splitsbord.h"

#include <QWidget>

#include <array>
#include <optional>
#include <utility>
#include <vector>

class QLabel;
class QLineEdit;
class TwipsIndeling;

// The Oefening page drawn as a splitting house: the whole (txtBoven) in the roof, the two legs Line1 and Line4,
// eleven rows of txtLinks(i), lblControle(i) and txtRechts(i) in the walls, and the score beside it. It shows a
// Splitsbord and passes on what the child does in a box: typing, Enter or Space, and leaving it.
// The house is laid out in twips and grows with its window.
class Splitshuis final : public QWidget
{
    Q_OBJECT

public:
    explicit Splitshuis(QWidget* parent);

    // Puts the score labels beside the house.
    void PlaatsStand(QLabel* uitslag, QLabel* resultaat, QLabel* resterend);
    void Toon(const Splitsbord& bord);
    // Only a box on screen takes the focus, so that typing never goes into a page behind another.
    void ZetFocus(Vakplek plek);

signals:
    void Getypt(Vakplek plek, const QString& tekst);
    void Toets(Vakplek plek, bool spatie);
    void VakVerlaten(Vakplek plek, Qt::FocusReason reden);

protected:
    bool eventFilter(QObject* object, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QLineEdit* MaakVak(Vakplek plek, const QRect& twips, bool geheel);
    QLineEdit* VakOp(Vakplek plek) const;
    std::optional<Vakplek> PlekVan(const QObject* object) const;
    QPointF Punt(int x, int y) const;
    void TekenMuren(QPainter& verf, qreal dikte) const;
    void TekenDak(QPainter& verf, qreal dikte) const;
    void TekenVakranden(QPainter& verf, qreal dikte) const;

    TwipsIndeling* m_indeling;
    std::vector<std::pair<QLineEdit*, Vakplek>> m_vakken;
    QLineEdit* m_boven = nullptr;
    std::array<QLineEdit*, Splitsbord::AantalRijen> m_links {};
    std::array<QLabel*, Splitsbord::AantalRijen> m_controle {};
    std::array<QLineEdit*, Splitsbord::AantalRijen> m_rechts {};
};
