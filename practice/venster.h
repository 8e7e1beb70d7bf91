#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

// Where a module window goes in the main window's work area.
struct Plaatsing
{
    enum class Soort { MiddenBoven, LinksBoven, Op };
    Soort soort = Soort::MiddenBoven;
    QPoint plek; // Op: the outer top-left corner, in pixels of the work area

    // Centred horizontally at the top of the work area.
    static Plaatsing MiddenBoven() { return {Soort::MiddenBoven, {}}; }
    static Plaatsing LinksBoven() { return {Soort::LinksBoven, {}}; }
    static Plaatsing Op(QPoint plek) { return {Soort::Op, plek}; }
};

// Gives the window a client area of the given size in twips and places its MDI sub-window (when it
// has one) in the work area; a window without one is only resized.
void PlaatsVenster(QWidget* venster, QSize grootteTwips, Plaatsing plaatsing);

// The outer rectangle of a window: its MDI sub-window's geometry in the work area, or its own frame.
QRect Buitenkant(const QWidget* venster);

// Closes a module window the way its close button would: through its MDI sub-window when it has one,
// so that the frame goes too (and is deleted when it was opened with WA_DeleteOnClose).
void SluitVenster(QWidget* venster);
