#pragma once

class QMainWindow;

// For the performance harness (bench/prestaties): with TALLORA_MEETPUNT set the program reports, on standard
// output, the moment its window was first painted and its resident memory then:
//   "getekend <CLOCK_MONOTONIC in ns> <resident KiB>"
// TALLORA_MEETPUNT=eerste quits right after that line. TALLORA_MEETPUNT=open:<menu item>[:<tab>] chooses that menu
// item, clicks that tab of the window it opened, reports "geopend ..." the same way, and keeps running so that the
// harness can measure it. Without the variable nothing happens.
void ZetMeetpunt(QMainWindow& venster);
