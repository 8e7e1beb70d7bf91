#pragma once

#include "menubalk.h"
#include "modulevensters.h"

#include <QMainWindow>

class Dialogen;
class QAction;
class QMdiArea;
class QToolBar;
class Schaalbediening;

// The main window (objectName "MDIForm1"): menus, toolbar and the work area in which one module
// window at a time opens. Every command is one QAction, named after its menu item
// ("vierbewerkingen", "afsluiten", "ToonWerkbalk", ...), shared by the menu and the toolbar.
class Hoofdvenster : public QMainWindow
{
    Q_OBJECT

public:
    explicit Hoofdvenster(
        Dialogen& dialogen, Modulevensters vensters = StandaardModulevensters(), QWidget* parent = nullptr);

    QMdiArea& werkruimte() const;

protected:
    // The own close button asks nothing; the child windows close with the main window.
    void closeEvent(QCloseEvent* event) override;

private:
    Menuacties MaakMenus();
    void MaakWerkbalk(const Menuacties& acties);
    void ZetGrootte();
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
    Schaalbediening* m_schaal = nullptr;
};

// The caption for setWindowTitle: the program's file name without its extension, then its version
// ("2.1 Revisie : 0").
QString Bijschrift(const QString& programma);
