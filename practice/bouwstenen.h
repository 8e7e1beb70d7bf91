#pragma once

#include <QFont>
#include <QString>

class QHBoxLayout;
class QLabel;
class QLineEdit;
class QRadioButton;
class QWidget;

// A label with an objectName that shows its text as it is: never as rich text, so that a typed "<b>" or
// "<img src=...>" is shown, not interpreted.
QLabel* MaakLabel(QWidget* ouder, const QString& naam, const QFont& font, const QString& tekst = {});

// An option button with an objectName.
QRadioButton* MaakOptie(QWidget* ouder, const QString& naam, const QString& tekst);

// Entering the box empties it, so that a new value can be typed at once: a click into it or Tab/Backtab onto
// it. Focus that merely comes back to it (with its window, after a message box, or when the window is
// clicked elsewhere) leaves the text alone.
void LeegBijBinnenkomst(QLineEdit* vak);

// A Setup box for a number such as txtAantal: a few digits wide and emptied on entering it.
QLineEdit* MaakGetalvak(QWidget* ouder, const QString& naam, const QString& tekst);

// A row with a caption and its number box, such as "aantal oefeningen :" and txtAantal.
QHBoxLayout* MaakGetalregel(QWidget* ouder, const QString& bijschrift, QLineEdit* vak);
