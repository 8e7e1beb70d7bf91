#pragma once

class QWidget;

// Enlarges or reduces a window as a whole: the fonts, icons, fixed sizes, margins and spacing of it and everything
// in it, by `schaal` (1 is the design's size). The design's values are kept with each widget the first time, so
// the steps never drift. Pictures and boards that draw themselves follow from their widget's size.
void SchaalWidgets(QWidget* wortel, double schaal);

// The style's own pictures (the boxes of check boxes and option buttons) grow with their window too: call once,
// after the QApplication exists.
void ZetSchaalstijl();
