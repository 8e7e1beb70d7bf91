#include "dialogen.h"

QString ProgrammaTitel()
{
    return QStringLiteral("Tallora");
}
