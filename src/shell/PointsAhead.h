#pragma once

#include <vector>

#include "Canvas.h"

// The points of a drawing that stays responsive while it runs. They are computed
// ahead and put on the picture together just before each look at the events, so the
// looks cost next to nothing and the picture is whole at each of them.
class PointsAhead {
  public:
    explicit PointsAhead(Canvas* picture);

    void add(double x, double y, ColourNumber colour);
    // Every few points, asks whether a look at the events is due; when it is, puts
    // the points down and lets the events run. True when they ran: handlers may have
    // stopped the drawing or unloaded its screen, which the caller checks before
    // anything else (this object no longer touches the picture then).
    bool lookAtEvents();
    // Puts down the points not yet shown. A point the picture refuses fails here
    // (RuntimeFailure), after the points before it; it is not tried again.
    void putDown();

  private:
    Canvas* picture_;
    std::vector<Canvas::Dot> points_;
    int sinceLook_ = 0;
};
