#pragma once

#include <QImage>
#include <QPixmap>
#include <QWidget>

#include <array>

class Puzzelstuk;

// The picture (Image1) stretched over the whole square, and the sixteen pieces cmdStuk(0..15) in a 4 by 4 grid
// over it: piece i in column i % 4 and row i / 4. Where a piece lies, a dark seam around it keeps the picture
// hidden; a piece taken away uncovers its whole square.
class Puzzelbord : public QWidget
{
    Q_OBJECT

public:
    static constexpr int Zijde = 4;

    explicit Puzzelbord(QWidget* ouder);

    Puzzelstuk* Stuk(int i) const { return m_stukken.at(static_cast<std::size_t>(i)); }
    // Lays piece i on the picture or takes it away.
    void Leg(int i, bool ligt);
    // The picture to uncover; a null image shows the drawn one instead.
    void ZetPrent(const QImage& prent);
    const QImage& Prent() const { return m_prent; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QRectF Vak(int i) const;
    const QPixmap& Achtergrond();

    std::array<Puzzelstuk*, Zijde * Zijde> m_stukken {};
    QImage m_prent;
    QPixmap m_achtergrond; // the picture at the board's present size
};
