#include "aantaltekst.h"

namespace {

QString Gegroepeerd(std::uint64_t getal)
{
    QString cijfers = QString::number(getal);
    for (qsizetype plaats = cijfers.size() - 3; plaats > 0; plaats -= 3)
        cijfers.insert(plaats, u'.');
    return cijfers;
}

} // namespace

QString MetDezeKeuze(std::uint64_t aantal, std::uint64_t nodig, const QString& waar)
{
    if (aantal == 0)
        return QStringLiteral("Met deze keuze: geen enkele oefening");
    QString tekst = aantal == 1
        ? QStringLiteral("Met deze keuze: 1 oefening")
        : QStringLiteral("Met deze keuze: %1 verschillende oefeningen").arg(Gegroepeerd(aantal));
    if (aantal < nodig)
        tekst += QStringLiteral(". Dat is minder dan %1: sommige oefeningen komen meer dan eens %2.")
                     .arg(Gegroepeerd(nodig), waar);
    return tekst;
}
