#pragma once

#include <QAbstractButton>
#include <QColor>

// One piece over the puzzle picture: a coloured tile carrying its exercise, drawn to fit whatever size it gets so
// that it grows with the window. The piece whose exercise is being answered stands out.
class Puzzelstuk : public QAbstractButton
{
    Q_OBJECT

public:
    Puzzelstuk(QWidget* ouder, const QString& naam, QColor kleur);

    void ZetGekozen(bool gekozen);
    bool Gekozen() const { return m_gekozen; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor Vulkleur() const;
    void TekenTekst(QPainter& schilder, const QRectF& vlak) const;

    QColor m_kleur;
    bool m_gekozen = false;
};
