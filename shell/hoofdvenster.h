#pragma once

#include "modulevensters.h"

#include <QMainWindow>

#include <map>

class Dialogen;
class QAction;
class QMdiArea;
class QToolBar;

// The main window (objectName "MDIForm1"): menus, toolbar and the work area in which one module
// window at a time opens.
class Hoofdvenster : public QMainWindow
{
    Q_OBJECT

public:
    explicit Hoofdvenster(
        Dialogen& dialogen, Modulevensters vensters = StandaardModulevensters(), QWidget* parent = nullptr);

    // A toolbar button by its key: exactly what its menu item does; an unknown key does nothing.
    void Toolbar1_ButtonClick(const QString& sleutel);

    QMdiArea& werkruimte() const;

protected:
    // The own close button asks nothing; the child windows close with the main window.
    void closeEvent(QCloseEvent* event) override;

private:
    void MaakMenus();
    void MaakWerkbalk();
    void Opstarten();
    void OpenVenster(const Modulevenster& venster);
    void VraagAfsluiten();
    void WisselWerkbalk();
    void ToonWerkbalk(bool tonen);

    Dialogen& m_dialogen;
    Modulevensters m_vensters;
    QMdiArea* m_werkruimte;
    QToolBar* m_werkbalk = nullptr;
    QAction* m_toonWerkbalk = nullptr;
    std::map<QString, QAction*> m_menu;
};

// The caption for setWindowTitle: the program's file name without its extension, then its version
// ("2.1 Revisie : 0").
QString Bijschrift(const QString& programma);
