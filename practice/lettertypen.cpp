#include "lettertypen.h"

#include <QFont>

void ZetLettertypeVervangingen()
{
    QFont::insertSubstitution(QStringLiteral("Comic Sans MS"), QStringLiteral("Comic Neue"));
    // Arial Black is a heavy face; the windows that use it ask for bold themselves.
    for (const char* naam : {"Arial Black", "MS Sans Serif", "Arial", "Arial Unicode MS"})
        QFont::insertSubstitution(QString::fromLatin1(naam), QStringLiteral("DejaVu Sans"));
}
