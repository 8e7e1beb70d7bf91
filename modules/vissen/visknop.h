#pragma once

#include <QAbstractButton>
#include <QPixmap>

class QSvgRenderer;

// One fish of the pond, cmdBeeld(i): a fish-shaped picture button in a colour of its own, carrying the number image of
// i + 1 on a grey card, and facing the way it swims. Its picture is drawn once per size and direction, so that moving
// it costs no more than showing a picture.
class Visknop final : public QAbstractButton
{
    Q_OBJECT

public:
    Visknop(int index, QWidget* parent);

    void ZetRichting(bool naarRechts);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap Teken() const;

    int m_getal;
    QSvgRenderer* m_vis;
    bool m_naarRechts = false;
    QPixmap m_beeld;
};
