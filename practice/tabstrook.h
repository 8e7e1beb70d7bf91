#pragma once

#include <QTabBar>

// The tab strip of the tabbed windows. Only a click chooses a tab: the wheel or the arrow keys
// would move the header without its page, so it ignores the wheel and takes no focus.
// The compact form fits many tabs in a narrow window: a slightly smaller font and a small margin
// beside each caption, never elided and never behind scroll arrows.
class Tabstrook final : public QTabBar
{
public:
    enum class Vorm { Gewoon, Compact };

    explicit Tabstrook(QWidget* parent, Vorm vorm = Vorm::Gewoon);

protected:
    void wheelEvent(QWheelEvent* event) override;

private:
    void MaakCompact();
};
