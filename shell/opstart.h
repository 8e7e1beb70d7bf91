#pragma once

class QTranslator;

// Qt's own Dutch texts ("Ja", "Nee", "Annuleren" on standard buttons); false when they are not
// installed, in which case Qt's English texts remain.
bool LaadQtVertaling(QTranslator& vertaler);
