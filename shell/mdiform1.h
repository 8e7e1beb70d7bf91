#pragma once

#include "modulevensters.h"

#include <QMainWindow>

#include <map>

class Dialogen;
class QAction;
class QMdiArea;
class QToolBar;

// The main window: menus, toolbar and the work area in which one module window at a time opens.
class MDIForm1 : public QMainWindow
{
    Q_OBJECT

public:
    explicit MDIForm1(
        Dialogen& dialogen, Modulevensters vensters = StandaardModulevensters(), QWidget* parent = nullptr);

    // A toolbar button by its key: exactly what its menu item does; an unknown key does nothing.
    void Toolbar1_ButtonClick(const QString& sleutel);

    QMdiArea& werkruimte() const { return *m_werkruimte; }

protected:
    // The own close button asks nothing; the child windows close with the main window.
    void closeEvent(QCloseEvent* event) override;

private:
    void MaakMenus();
    void MaakWerkbalk();
    void MDIForm_Load();
    void Open(const QString& menu);
    void afsluiten_Click();
    void ToonWerkbalk_Click();
    void ZetWerkbalk(bool tonen);

    Dialogen& m_dialogen;
    Modulevensters m_vensters;
    QMdiArea* m_werkruimte;
    QToolBar* Toolbar1 = nullptr;
    QAction* ToonWerkbalk = nullptr;
    std::map<QString, QAction*> m_menu;
};
