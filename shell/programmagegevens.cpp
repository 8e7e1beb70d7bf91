#include "programmagegevens.h"

#include <QSysInfo>

using namespace Qt::StringLiterals;

bool SchermTeSmal(int breedte)
{
    return breedte < 800;
}

QString PlatformTekst()
{
#if defined(Q_OS_WIN)
    return u"voor Windows"_s;
#elif defined(Q_OS_MACOS)
    return u"voor macOS"_s;
#elif defined(Q_OS_LINUX)
    return u"voor Linux"_s;
#else
    return u"voor "_s + QSysInfo::kernelType();
#endif
}

QString VersieTekst()
{
    return u"Versie "_s + QString::number(TALLORA_VERSIE_MAJOR) + u'.' + QString::number(TALLORA_VERSIE_MINOR) + u'.'
        + QString::number(TALLORA_VERSIE_REVISIE);
}

// The macro must be used outside any namespace.
void LaadIconen()
{
    Q_INIT_RESOURCE(iconen);
}
