#include "getalbeeld.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

namespace {

// For every number, the squares it fills and the drawing colours: 7 fills three whole columns, top square first, and
// the top of the fourth.
TEST(Getalbeeld, VultKolomPerKolomBovenEerst)
{
    const char* verwacht[] = {"..........", "#.........", "##........", "###.......", "####......", "#####.....",
        "######....", "#######...", "########..", "#########.", "##########"};
    for (int getal = 0; getal <= 10; ++getal) {
        QImage beeld(440, 160, QImage::Format_RGB32);
        beeld.fill(Qt::gray);
        QPainter schilder(&beeld);
        Getalbeeld::Teken(schilder, beeld.rect(), getal);
        schilder.end();
        QString gevuld, getekend;
        for (int vakje = 0; vakje < Getalbeeld::Vakjes; ++vakje) {
            gevuld += Getalbeeld::Gevuld(getal, vakje) ? u'#' : u'.';
            const QColor kleur = beeld.pixelColor(Getalbeeld::Vakje(vakje, beeld.rect()).center().toPoint());
            getekend += kleur == QColor(0, 0, 255) ? u'#' : kleur == Qt::white ? u'.' : u'?';
        }
        EXPECT_EQ(gevuld.toStdString(), verwacht[getal]);
        EXPECT_EQ(getekend.toStdString(), verwacht[getal]);
    }
}

// Two rows of five square squares; the columns stand in groups of two, two and one with wider gaps between the
// groups; square 2k is above square 2k + 1; the image fits its area and keeps its shape at every size.
TEST(Getalbeeld, TweeRijenVanVijfInGroepen)
{
    for (const QRectF vlak : {QRectF(0, 0, 300, 100), QRectF(10, 20, 50, 200), QRectF(0, 0, 1200, 1200)}) {
        std::array<QRectF, Getalbeeld::Vakjes> vakjes;
        for (int i = 0; i < Getalbeeld::Vakjes; ++i) {
            vakjes[static_cast<std::size_t>(i)] = Getalbeeld::Vakje(i, vlak);
            EXPECT_TRUE(vlak.contains(vakjes[static_cast<std::size_t>(i)])) << i;
            EXPECT_DOUBLE_EQ(vakjes[static_cast<std::size_t>(i)].width(), vakjes[static_cast<std::size_t>(i)].height());
        }
        std::vector<qreal> gaten;
        for (std::size_t k = 0; k < 5; ++k) {
            EXPECT_DOUBLE_EQ(vakjes[2 * k].left(), vakjes[2 * k + 1].left());
            EXPECT_LT(vakjes[2 * k].bottom(), vakjes[2 * k + 1].top());
            if (k > 0)
                gaten.push_back(vakjes[2 * k].left() - vakjes[2 * k - 2].right());
        }
        EXPECT_NEAR(gaten[0], gaten[2], 1e-9);
        EXPECT_NEAR(gaten[1], gaten[3], 1e-9);
        EXPECT_GT(gaten[1], 2 * gaten[0]);
    }
}

} // namespace
