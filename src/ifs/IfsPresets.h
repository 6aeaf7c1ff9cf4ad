#pragma once

#include <vector>

#include "IfsEngine.h"

// The six ready-made figures: their maps, the colour of each map's points and how
// they are drawn.
namespace Ifs {

// A map's points take a fixed colour number, or the palette colour of a colour
// box (1..4) read while drawing.
struct MapColour {
    ColourNumber fixed;
    int colourBox;  // 0 when the colour is fixed
};

struct Preset {
    std::vector<IfsMap> maps;
    std::vector<MapColour> colours;
    IfsRun run;
    // Only the scribbles follow the offset boxes.
    bool offsets;
    // The scale and the count a right click writes into the boxes; some differ
    // from the drawing's own.
    double loadedScale;
    double loadedCount;
};

const Preset& albero();
const Preset& felce();
const Preset& pino();
const Preset& falchi();
const Preset& triangolo();
const Preset& scarabocchi();

}  // namespace Ifs
