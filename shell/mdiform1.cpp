#include "mdiform1.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QMdiArea>

MDIForm1::MDIForm1(QWidget* parent)
    : QMainWindow(parent)
{
    setObjectName(QStringLiteral("MDIForm1"));
    setCentralWidget(new QMdiArea(this));
    const QString naam = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
    setWindowTitle(naam + QStringLiteral(" 2.1 Revisie : 0"));
    resize(601, 450);
}
