#include "schaalbediening.h"

#include "oefenvenster.h"
#include "twips.h"

#include <QAction>
#include <QEvent>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScreen>
#include <QSettings>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

const QString Sleutel = u"weergave/schaal"_s;

// The nearest step, so that a hand-edited setting cannot give an odd size.
double NaasteStap(double schaal)
{
    return *std::ranges::min_element(
        Schaalbediening::Stappen, {}, [schaal](double stap) { return std::abs(stap - schaal); });
}

bool Past(QSize grootte, QSize ruimte)
{
    return grootte.width() <= ruimte.width() && grootte.height() <= ruimte.height();
}

// The size of the window's frame in the work area at a step.
QSize Buitenmaat(const Oefenvenster& venster, double schaal)
{
    const QSize twips = (QSizeF(venster.GrootteTwips()) * schaal).toSize();
    return PixelsGrootte(twips.width(), twips.height()).grownBy(venster.parentWidget()->contentsMargins());
}

} // namespace

Schaalbediening::Schaalbediening(QMainWindow& hoofd, QMdiArea& werkruimte, const Menuacties& acties)
    : QObject(&hoofd)
    , m_hoofd(hoofd)
    , m_werkruimte(werkruimte)
    , m_gekozen(NaasteStap(QSettings().value(Sleutel, 1.0).toDouble()))
{
    // Ctrl + plus is Ctrl + Shift + = on many keyboards: Ctrl + = counts as plus too, as in web browsers.
    using Toetsen = QList<QKeySequence>;
    const std::array<std::tuple<QString, Toetsen, std::function<void()>>, 3> bediening {{
        {u"groter"_s, Toetsen {QKeySequence::ZoomIn, QKeySequence(Qt::CTRL | Qt::Key_Equal)}, [this] { Stap(1); }},
        {u"kleiner"_s, Toetsen {QKeySequence::ZoomOut}, [this] { Stap(-1); }},
        {u"gewonegrootte"_s, Toetsen {QKeySequence(Qt::CTRL | Qt::Key_0)}, [this] { Kies(1); }},
    }};
    m_werkruimte.viewport()->installEventFilter(this);
    for (const auto& [naam, toets, doe] : bediening) {
        QAction* actie = acties.at(naam);
        actie->setShortcuts(toets);
        connect(actie, &QAction::triggered, this, doe);
    }
}

void Schaalbediening::Stap(int richting)
{
    const auto nu = std::ranges::find(Stappen, m_gekozen);
    const auto index = std::clamp<std::ptrdiff_t>((nu - Stappen.begin()) + richting, 0, std::ssize(Stappen) - 1);
    Kies(Stappen[static_cast<std::size_t>(index)]);
}

void Schaalbediening::Kies(double schaal)
{
    m_gekozen = schaal;
    QSettings().setValue(Sleutel, schaal);
    if (QMdiSubWindow* actief = m_werkruimte.activeSubWindow()) {
        BereidVoor(actief->widget());
        PasIn(actief->widget());
    }
}

void Schaalbediening::BereidVoor(QWidget* venster)
{
    auto* oefenvenster = qobject_cast<Oefenvenster*>(venster);
    if (oefenvenster && oefenvenster->Zoombaar())
        oefenvenster->ZetSchaal(m_gekozen);
}

// A window larger than the work area asks the main window for room, as far as the screen allows; the main window
// grows when the window system says so, and the work area's resize fits the window again. Until then, and where
// the screen has no more room, the window takes the largest step that fits.
void Schaalbediening::PasIn(QWidget* open)
{
    auto* venster = qobject_cast<Oefenvenster*>(open);
    if (!venster || !venster->Zoombaar() || !venster->parentWidget())
        return;
    const QSize ruimte = m_werkruimte.viewport()->size();
    const QSize nodig = Buitenmaat(*venster, m_gekozen);
    if (!Past(nodig, ruimte) && !m_hoofd.isMaximized() && !m_hoofd.isFullScreen()) {
        const QSize rand = m_hoofd.frameGeometry().size() - m_hoofd.size();
        const QSize scherm = m_hoofd.screen()->availableGeometry().size() - rand;
        m_hoofd.resize((m_hoofd.size() + (nodig - ruimte).expandedTo({0, 0})).boundedTo(scherm));
    }
    auto stap = std::ranges::find(Stappen, m_gekozen);
    while (stap != Stappen.begin() && !Past(Buitenmaat(*venster, *stap), ruimte))
        --stap;
    venster->ZetSchaal(*stap);
}

bool Schaalbediening::eventFilter(QObject* object, QEvent* event)
{
    if (event->type() == QEvent::Resize && object == m_werkruimte.viewport()) {
        if (QMdiSubWindow* actief = m_werkruimte.activeSubWindow())
            PasIn(actief->widget());
    }
    return false;
}
