#pragma once

#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QStringList>
#include <QWidget>

// A stand-in for a module window: a plain widget with the window's objectName that notes in a
// shared log when it is closed.
class Meldvenster : public QWidget
{
public:
    Meldvenster(const QString& naam, QStringList& gesloten)
        : m_gesloten(gesloten)
    {
        setObjectName(naam);
    }

protected:
    void closeEvent(QCloseEvent* event) override
    {
        m_gesloten.append(objectName());
        QWidget::closeEvent(event);
    }

private:
    QStringList& m_gesloten;
};

// The names of the windows open in the work area, sorted.
inline QStringList OpenVensters(const QMdiArea& werkruimte)
{
    QStringList namen;
    for (const QMdiSubWindow* sub : werkruimte.subWindowList()) {
        if (!sub->isHidden())
            namen.append(sub->widget()->objectName());
    }
    namen.sort();
    return namen;
}
