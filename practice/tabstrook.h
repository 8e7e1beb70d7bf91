#pragma once

#include <QTabBar>

// The tab strip of the tabbed windows. Only a click of the left button chooses a tab, and a click is one
// action: the second press of a double-click, a right or middle click, the wheel and the arrow keys do nothing
// (the strip takes no focus), so a series is never started twice and the header never moves without its page.
// The compact form fits many tabs in a narrow window: a slightly smaller font and a small margin
// beside each caption, never elided and never behind scroll arrows.
class Tabstrook final : public QTabBar
{
public:
    enum class Vorm { Gewoon, Compact };

    explicit Tabstrook(QWidget* parent, Vorm vorm = Vorm::Gewoon);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void MaakCompact();
};
