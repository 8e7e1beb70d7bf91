#pragma once

#include "plaatjes.h"

#include <QWidget>

#include <optional>

class QMimeData;

// A source ImageB1..3: shows its picture and is dragged with the mouse onto a box, carrying its tag as text and
// its own picture as the drag icon. For children who cannot drag and for the keyboard it can also be chosen by a
// click or Space, after which a click on a box, or the key 1, 2 or 3, puts it there.
class Sleepbron : public QWidget
{
    Q_OBJECT

public:
    Sleepbron(QWidget* parent, const QString& naam, Plaatjessoort soort);

    void Toon(int getal, int tag);
    int Getal() const { return m_getal; }
    int Tag() const { return m_tag; }
    void ZetGekozen(bool gekozen);
    bool Gekozen() const { return m_gekozen; }

    // What a drag carries: the tag as text, and where it comes from, so that only the boxes beside it take it.
    QMimeData* MaakSleepdata() const;

signals:
    void Kies(); // a click without dragging, or Space
    void Plaats(int vak); // the key 1, 2 or 3
    void Slepen(bool bezig); // a drag begins (true) and is over (false)

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Sleep(QPoint greep);

    Plaatjessoort m_soort;
    int m_getal = 0;
    int m_tag = 0;
    bool m_gekozen = false;
    std::optional<QPoint> m_druk; // where the left button went down, until it is a drag or a click
};

// A box ImageO1..3: takes a source of its own page dropped on it and shows the picture put in it; a click on it
// serves the keyboard way.
class Sleepvak : public QWidget
{
    Q_OBJECT

public:
    Sleepvak(QWidget* parent, const QString& naam, Plaatjessoort soort);

    // The number whose picture it shows; 0 for the empty box.
    void Toon(int getal);

signals:
    void Gelaten(int tag); // a source of this page was dropped here
    void Geklikt();

protected:
    void paintEvent(QPaintEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    std::optional<int> Tag(const QMimeData* inhoud) const;
    void ZetBoven(bool boven);

    Plaatjessoort m_soort;
    int m_getal = 0;
    bool m_boven = false; // a source is dragged over it
};
