#include <gtest/gtest.h>

#include <QThread>

#include "shell/Canvas.h"
#include "shell/PointsAhead.h"
#include "shell/RuntimeFailure.h"

namespace {

TEST(PointsAhead, PointsReachThePictureOnlyWhenPutDownOrAtALook) {
    Canvas picture;
    picture.resize(50, 50);
    picture.setBackColor(Colour::Black);
    picture.Cls();
    PointsAhead ahead(&picture);
    ahead.add(3, 4, Colour::Red);
    EXPECT_EQ(picture.Point(3, 4), Colour::Black);
    ahead.putDown();
    EXPECT_EQ(picture.Point(3, 4), Colour::Red);

    // A look happens only every so many points, and only when one is due.
    QThread::msleep(20);
    ahead.add(5, 6, Colour::Green);
    bool looked = false;
    for (int n = 0; n < 1000 && !looked; ++n) {
        looked = ahead.lookAtEvents();
    }
    EXPECT_TRUE(looked);
    EXPECT_EQ(picture.Point(5, 6), Colour::Green);
}

TEST(PointsAhead, APointThePictureRefusesFailsOnceAfterThoseBeforeIt) {
    Canvas picture;
    picture.resize(20, 20);
    picture.setBackColor(Colour::Black);
    picture.Cls();
    PointsAhead ahead(&picture);
    ahead.add(1, 1, Colour::White);
    ahead.add(1e300, 1, Colour::White);
    EXPECT_THROW(ahead.putDown(), RuntimeFailure);
    EXPECT_EQ(picture.Point(1, 1), Colour::White);
    EXPECT_NO_THROW(ahead.putDown());
}

}  // namespace
