#include "lettertypen.h"

void ZetLettertypeVervangingen()
{
    QFont::insertSubstitution(QStringLiteral("Comic Sans MS"), QStringLiteral("Comic Neue"));
    // Arial Black is a heavy face; the windows that use it ask for bold themselves.
    for (const char* naam : {"Arial Black", "MS Sans Serif", "Arial", "Arial Unicode MS"})
        QFont::insertSubstitution(QString::fromLatin1(naam), QStringLiteral("DejaVu Sans"));
}

QFont Comic(qreal punten, bool vet)
{
    QFont font(QStringLiteral("Comic Sans MS"));
    font.setPointSizeF(punten);
    font.setBold(vet);
    return font;
}

QFont ArialBlack(qreal punten)
{
    QFont font(QStringLiteral("Arial Black"));
    font.setPointSizeF(punten);
    font.setBold(true);
    return font;
}
