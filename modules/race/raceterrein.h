#pragma once

#include <QWidget>

class TwipsIndeling;

// The ground around the track on the Oefening page: grass with trees and flags, on which the track and the players'
// frames are placed at their places in twips. It grows with the window like everything on it.
class Raceterrein final : public QWidget
{
    Q_OBJECT

public:
    Raceterrein(QWidget* parent, QSize ontwerpTwips);

    TwipsIndeling* Indeling() const { return m_indeling; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TwipsIndeling* m_indeling;
};
