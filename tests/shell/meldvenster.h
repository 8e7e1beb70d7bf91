#pragma once

#include <QCloseEvent>
#include <QStringList>
#include <QWidget>

#include <memory>

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

    static std::unique_ptr<QWidget> Maak(const QString& naam, QStringList& gesloten)
    {
        return std::make_unique<Meldvenster>(naam, gesloten);
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
