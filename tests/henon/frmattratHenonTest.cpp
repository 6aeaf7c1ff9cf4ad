#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <cmath>

#include "TestSupport.h"
#include "henon/frmattratHenon.h"
#include "shell/Random.h"

using HenonScreen = ScreenTest<frmattratHenon>;

// Each magnification z draws 30000 + 2000 z points of the map from (1.35, 1.1), each in
// a colour drawn at random up to their count, the last one on a pixel staying there;
// then "Terminato!" stands on the screen.
TEST_F(HenonScreen, DrawsEveryPointOfItsMagnificationThenSaysTerminato) {
    for (const auto& [typed, z] : {std::pair{"1", 1.0}, {"2,5", 2.5}, {"0", 0.0}, {"-15", -15.0}}) {
        SCOPED_TRACE(typed);
        form->Txtx->setText(QLatin1String(typed));
        Random::seed(7);
        RealInput::click(form->cmddisegna);
        const double next = Random::next();

        Random::seed(7);
        QImage expected(500, 500, QImage::Format_RGB32);
        expected.fill(Qt::black);
        const double count = 30000 + 2000 * z;
        for (double c = 0, x = 1.35, y = 1.1; c < count; ++c) {
            const double x1 = (1 + y) - 1.4 * x * x;
            y = 0.3 * x;
            x = x1;
            const auto colour = static_cast<ColourNumber>(std::nearbyint(Random::next() * count));
            const float column = 360 + 200 * z * x + 90 - 253.2 * z,
                        row = 250 + 200 * z * y - 2 * z;
            if (const QPoint at(std::lround(column), std::lround(row)); expected.valid(at)) {
                expected.setPixel(at, Colour::toQRgb(colour));
            }
        }
        EXPECT_EQ(Random::next(), next);  // one random number for each point
        EXPECT_TRUE(form->Picture1->image().convertToFormat(QImage::Format_RGB32) == expected);
        EXPECT_EQ(form->cmddisegna->text(), "Disegna");
        EXPECT_GT(inkIn(form->surface(), QRect(158, 286, 100, 14), 16384), 50);
    }
}
