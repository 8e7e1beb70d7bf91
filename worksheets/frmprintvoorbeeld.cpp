#include "frmprintvoorbeeld.h"

#include "twips.h"

#include <QCloseEvent>
#include <QLabel>

namespace {

constexpr int RegelHoogte = 255; // twips
constexpr std::array<int, 3> BlokBoven {960, 2760, 4440};
constexpr int RijAfstand = 240;

QFont Lettertype(const QString& naam, double punten, bool onderstreept)
{
    QFont lettertype(naam);
    lettertype.setPointSizeF(punten);
    lettertype.setUnderline(onderstreept);
    return lettertype;
}

} // namespace

frmPrintVoorbeeld::frmPrintVoorbeeld(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("frmPrintVoorbeeld"));
    setWindowTitle(QStringLiteral("Printvoorbeeld"));
    setAutoFillBackground(true);
    QPalette wit = palette();
    wit.setColor(QPalette::Window, Qt::white);
    setPalette(wit);
    resize(PixelsGrootte(Breedte, Hoogte));

    const QFont sansSerif = Lettertype(QStringLiteral("MS Sans Serif"), 9.75, false);
    lblTitel = MaakLabel(QStringLiteral("lblTitel"), PixelsRechthoek(1440, 120, 2655, 375),
        Lettertype(QStringLiteral("Arial"), 12, true));
    lblTitel->setAlignment(Qt::AlignCenter);
    lblOndertitel = MaakLabel(QStringLiteral("lblOndertitel"), PixelsRechthoek(120, 480, 5775, RegelHoogte),
        Lettertype(QStringLiteral("Arial"), 9.75, true));
    // Row r of block b shows slot 10b + r on the left and slot 10b + r + 5 on the right.
    for (int vak = 0; vak < BladAantal; ++vak) {
        const int blok = vak / 10;
        const bool rechts = vak % 10 >= 5;
        const int boven = BlokBoven.at(static_cast<std::size_t>(blok)) + (vak % 5) * RijAfstand;
        const auto i = static_cast<std::size_t>(vak);
        lblOef.at(i) = MaakLabel(QStringLiteral("lblOef(%1)").arg(vak),
            PixelsRechthoek(rechts ? 3360 : 120, boven, 2175, RegelHoogte), sansSerif);
        lblIs.at(i) = MaakLabel(QStringLiteral("lblIs(%1)").arg(vak),
            PixelsRechthoek(rechts ? 4800 : 1560, boven, 255, RegelHoogte), sansSerif);
        lblIs.at(i)->setText(QStringLiteral("="));
    }
    lblResultaat = MaakLabel(QStringLiteral("lblResultaat"), PixelsRechthoek(120, 6480, 5775, RegelHoogte),
        Lettertype(QStringLiteral("Arial"), 9.75, false));
    lblResultaat->setText(QStringLiteral("Resultaat : ..../30"));
}

QLabel* frmPrintVoorbeeld::MaakLabel(const QString& naam, const QRect& plaats, const QFont& lettertype)
{
    auto* label = new QLabel(this);
    label->setObjectName(naam);
    label->setFont(lettertype);
    label->setGeometry(plaats);
    return label;
}

void frmPrintVoorbeeld::ToonBlad(const BladGegevens& blad)
{
    lblTitel->setText(blad.Titel);
    lblOndertitel->setText(blad.Ondertitel);
    for (std::size_t i = 0; i < lblOef.size(); ++i)
        lblOef.at(i)->setText(blad.Opgaven.at(i).Tekst);
}

void frmPrintVoorbeeld::closeEvent(QCloseEvent* event)
{
    emit Gesloten();
    QWidget::closeEvent(event);
}
