#pragma once

#include <functional>

class QMainWindow;
class QWidget;

// For the performance harness (bench/prestaties): with TALLORA_MEETPUNT set the program reports, on standard
// output, the moment a window was first painted and its resident memory then:
//   "getekend <CLOCK_MONOTONIC in ns> <resident KiB>"
// TALLORA_MEETPUNT=eerste measures the first window on screen (the start window) and quits. =hoofd ends the start
// window as soon as it is on screen, as a click would, reporting "klik ..." then, measures the main window and quits.
// =open:<menu item>[:<tab>] does the same,
// then chooses that menu item, clicks that tab of the window it opened, reports "geopend ..." the same way, and
// keeps running so that the harness can measure it. Without the variable nothing happens.
// `naarHoofdvenster` ends whatever stands before the main window and gives the main window, if there is one.
void ZetMeetpunt(QWidget& eersteVenster, const std::function<QMainWindow*()>& naarHoofdvenster);
