#pragma once

#include <memory>

class QMdiArea;
class QMdiSubWindow;
class QString;
class QWidget;

// Closes every practice, worksheet, test and help window in the work area, found by the objectName
// of its window; the stopwatch (frmChrono) and the About box (frmAbout) stay open. A window that is
// not open is skipped.
void SluitAlleModules(QMdiArea& werkruimte);

// Shows the window as a child of the work area, which owns it from now on and deletes it when it
// closes. The window places and sizes itself when it is first shown.
QMdiSubWindow* ToonVenster(QMdiArea& werkruimte, std::unique_ptr<QWidget> venster);

// The open window with this objectName, or nothing.
QMdiSubWindow* OpenVenster(const QMdiArea& werkruimte, const QString& naam);

// Only one module is open at a time: closes the others, then shows this one.
QMdiSubWindow* OpenModule(QMdiArea& werkruimte, std::unique_ptr<QWidget> venster);
