#pragma once

#include <QWidget>

class Dialogen;

// The About box (objectName "frmAbout"): red with white texts, the program's name, version, what it is for and
// that it is free; "ok" closes it. It stands over the middle of the work area, a little above the centre.
class OverVenster : public QWidget
{
    Q_OBJECT

public:
    explicit OverVenster(Dialogen& dialogen, QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;

private:
    bool m_geplaatst = false;
};

// What lblDescription says: who made the program, a line break, and what it is for.
QString OverBeschrijving();
