#pragma once

#include <QWidget>

#include <array>

class QLabel;

// The number image made of ten square labels lblNummer(0..9), standing where the shared number image puts its
// squares and growing with the widget: the squares of the number blue, the others in the button-face colour.
class Getalbeeldlabels : public QWidget
{
    Q_OBJECT

public:
    explicit Getalbeeldlabels(QWidget* parent);

    void Toon(int getal);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    std::array<QLabel*, 10> m_vakjes {};
};
