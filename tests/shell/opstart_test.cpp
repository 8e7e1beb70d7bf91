#include "opstart.h"

#include <QMessageBox>
#include <QPushButton>
#include <QTranslator>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

TEST(Opstart, StandaardknoppenInHetNederlands)
{
    QTranslator vertaler;
    ASSERT_TRUE(LaadQtVertaling(vertaler));
    QMessageBox vraag(QMessageBox::Information, u"Afsluiten ?"_s, u"?"_s, QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(vraag.button(QMessageBox::Yes)->text().remove(u'&'), u"Ja"_s);
    EXPECT_EQ(vraag.button(QMessageBox::No)->text().remove(u'&'), u"Nee"_s);
}
