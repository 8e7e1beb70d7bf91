#include "opstart.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

using namespace Qt::StringLiterals;

bool LaadQtVertaling(QTranslator& vertaler)
{
    if (!vertaler.load(u"qtbase_nl"_s, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return false;
    return QCoreApplication::installTranslator(&vertaler);
}
