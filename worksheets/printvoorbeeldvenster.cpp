#include "printvoorbeeldvenster.h"

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

PrintvoorbeeldVenster::PrintvoorbeeldVenster(QWidget* parent)
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
    // As wide as the subtitle, so that the longest title ("Vermenigvuldigen en delen") fits, centred as before.
    m_titel = MaakLabel(QStringLiteral("lblTitel"), PixelsRechthoek(120, 120, 5775, 375),
        Lettertype(QStringLiteral("Arial"), 12, true));
    m_titel->setAlignment(Qt::AlignCenter);
    m_ondertitel = MaakLabel(QStringLiteral("lblOndertitel"), PixelsRechthoek(120, 480, 5775, RegelHoogte),
        Lettertype(QStringLiteral("Arial"), 9.75, true));
    // Row r of block b shows slot 10b + r on the left and slot 10b + r + 5 on the right.
    for (int vak = 0; vak < BladAantal; ++vak) {
        const int blok = vak / 10;
        const bool rechts = vak % 10 >= 5;
        const int boven = BlokBoven.at(static_cast<std::size_t>(blok)) + (vak % 5) * RijAfstand;
        m_opgaven.at(static_cast<std::size_t>(vak)) = MaakLabel(QStringLiteral("lblOef(%1)").arg(vak),
            PixelsRechthoek(rechts ? 3360 : 120, boven, 2175, RegelHoogte), sansSerif);
        MaakLabel(QStringLiteral("lblIs(%1)").arg(vak), PixelsRechthoek(rechts ? 4800 : 1560, boven, 255, RegelHoogte),
            sansSerif)
            ->setText(QStringLiteral("="));
    }
    MaakLabel(QStringLiteral("lblResultaat"), PixelsRechthoek(120, 6480, 5775, RegelHoogte),
        Lettertype(QStringLiteral("Arial"), 9.75, false))
        ->setText(QStringLiteral("Resultaat : ..../30"));
    // Small at the foot, as on paper.
    m_code = MaakLabel(QStringLiteral("lblBladcode"), PixelsRechthoek(120, 7680, 5775, RegelHoogte),
        Lettertype(QStringLiteral("Arial"), 8, false));
    m_code->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

// Plain text: a subtitle such as "<b>" or "<img src=...>" is shown as typed, never as markup.
QLabel* PrintvoorbeeldVenster::MaakLabel(const QString& naam, const QRect& plaats, const QFont& lettertype)
{
    auto* label = new QLabel(this);
    label->setObjectName(naam);
    label->setTextFormat(Qt::PlainText);
    label->setFont(lettertype);
    label->setGeometry(plaats);
    return label;
}

void PrintvoorbeeldVenster::ToonBlad(const BladGegevens& blad)
{
    m_titel->setText(blad.Titel);
    m_ondertitel->setText(blad.Ondertitel);
    m_code->setText(blad.Code.isEmpty() ? QString() : QStringLiteral("Bladcode: ") + blad.Code);
    for (std::size_t i = 0; i < m_opgaven.size(); ++i)
        m_opgaven.at(i)->setText(Tekst(blad.Opgaven.at(i)));
}

void PrintvoorbeeldVenster::closeEvent(QCloseEvent* event)
{
    emit Gesloten();
    QWidget::closeEvent(event);
}
