#pragma once

#include <QWidget>

class Dialogen;
class QTextBrowser;

// The help window (objectName "frmHelp"): the help page help/index.html of the current directory in a page view.
// Without the page the view stays empty, without a message.
class HelpVenster : public QWidget
{
    Q_OBJECT

public:
    explicit HelpVenster(Dialogen& dialogen, QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;

private:
    QSize PasInWerkruimte(QSize twips) const;

    QTextBrowser* m_pagina; // WebBrowser1
    bool m_geplaatst = false;
};
