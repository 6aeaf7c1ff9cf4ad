#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "EscapePoints.h"
#include "shell/Colour.h"

// Escape-time pictures of the Mandelbrot set and of Julia sets. Each pixel stands
// for a complex number; z -> z^2 + c runs until the value escapes or the cycle
// limit is reached, and the cycle count gives the colour. The cycle limit grows
// with the magnification, so deep views keep their detail.
namespace EscapeTime {

struct View {
    double xmin, xmax, ymin, ymax;
};

// The colour weights of red, green and blue and the colour step.
struct Weights {
    double red, green, blue, step;
};

// Cycles added to the typed ones; the gaps between the table's rows give n itself.
std::int32_t mandelExtraCycles(double z, double n);
std::int32_t juliaExtraCycles(double z);
// n plus the extra cycles as a 16-bit whole number (overflow fails).
std::int16_t mandelCycleLimit(double z, double n);
std::int16_t juliaCycleLimit(double z, double n);

// The square of side 2.5 / z around the centre.
View mandelView(double cx, double cy, double z);
// The fixed window +-1.5625 / z around 0 (z = 0 fails).
View juliaWindow(double z);

// Colours fail (RuntimeFailure) when a product leaves the 32-bit range.
ColourNumber mandelColour(const Escape& escape, const Weights& weights);
ColourNumber juliaColour(const Escape& escape, const Weights& weights);

// A block of pixels, column by column, top to bottom. When a colour fails, the
// pixels from failedAt on (in that order) were never drawn.
struct Picture {
    int left = 0, top = 0, columns = 0, rows = 0;
    std::vector<ColourNumber> colours;
    std::optional<std::size_t> failedAt;
};

// The small Mandelbrot picture of a W x H area: columns 0 .. W/2 + 150, rows
// round(H/2) - 150 .. round(H/2) + 150.
Picture smallMandel(const View& view, int limit, const Weights& weights, int width, int height);
// Columns first .. first + count - 1 of the full-screen picture on a screen hf pixels
// high: rows 1 .. rows, pixel (i, j) standing for (i / hf, j / hf) of the view's side.
Picture largeMandel(const View& view, int limit, const Weights& weights, double hf, int first,
                    int count, int rows);
// The Julia set of c in 300 x 300 pixels from (1, 1), the top row at the smallest
// imaginary part.
Picture julia(const View& window, double cx, double cy, int limit, const Weights& weights);

// The film of Julia sets: N frames (at least 10, every whole k from 1 up to N) whose
// real part moves by 2,5 / N from just above -2 to 0,5.
struct Film {
    double frames;
    double step;
};
Film film(double answer);
// One frame: the 220 x 140 Julia strip of re - i q at (41, 81), coloured K times the
// escape step, black inside.
Picture filmFrame(double re, double q, double K);

}  // namespace EscapeTime
