#include "PointsAhead.h"

#include "Yield.h"

namespace {
// How often a drawing asks whether it is time to look at the events.
constexpr int PointsPerLook = 256;
// Room for the points of one interval between two looks, kept from one to the next.
constexpr std::size_t UsualPoints = 1 << 16;
}  // namespace

PointsAhead::PointsAhead(Canvas* picture) : picture_(picture) {
    points_.reserve(UsualPoints);
}

void PointsAhead::add(double x, double y, ColourNumber colour) {
    points_.push_back({x, y, colour});
}

bool PointsAhead::lookAtEvents() {
    if (++sinceLook_ < PointsPerLook) {
        return false;
    }
    sinceLook_ = 0;
    if (!yieldIsDue()) {
        return false;
    }
    putDown();
    yieldToEvents();
    return true;
}

void PointsAhead::putDown() {
    std::vector<Canvas::Dot> shown;
    shown.reserve(UsualPoints);
    shown.swap(points_);
    picture_->PSetAll(shown);
}
