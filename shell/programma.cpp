#include "hoofdvenster.h"
#include "wavspeler.h"

#include <QApplication>

namespace {

// The main window with the sound output it plays through; the output is made here, after the start window is on
// screen, and goes before the windows that could still ask for a sound.
class Programma final : public Hoofdvenster
{
public:
    explicit Programma(Dialogen& dialogen)
        : Hoofdvenster(dialogen)
    {
        ZetGeluidsspeler(&m_speler);
        // The program's icon is an SVG: set after the start window, which has no title bar to show it anyway.
        QApplication::setWindowIcon(windowIcon());
    }
    ~Programma() override { ZetGeluidsspeler(nullptr); }

private:
    WavSpeler m_speler;
};

} // namespace

// The entry of the program module: the start window calls it once it has been painted. The caller owns the window.
extern "C" Q_DECL_EXPORT QMainWindow* TalloraMaakHoofdvenster(Dialogen& dialogen)
{
    return new Programma(dialogen);
}
