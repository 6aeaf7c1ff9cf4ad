#include "IfsPresets.h"

namespace Ifs {
namespace {

constexpr ColourNumber Red = 255;
constexpr ColourNumber Green = 65280;
constexpr ColourNumber Yellow = 65535;
constexpr ColourNumber Blue = 16711680;

MapColour fixed(ColourNumber colour) {
    return {colour, 0};
}

MapColour box(int number) {
    return {0, number};
}

}  // namespace

const Preset& albero() {
    static const Preset preset{{{-0.01, 0.01, -0.01, 0.26, 0, -0.1},
                                {0.2, -0.66, 0.43, 0.22, -0.09, 0.2},
                                {-0.75, 0.48, 0.26, 0.44, 0.09, 0.2},
                                {-0.65, 0.15, -0.15, 0.65, 0, 0.3}},
                               {fixed(Red), fixed(Red), fixed(Yellow), fixed(Blue)},
                               {4, 180000, 400, 220, 350, Sense::Up},
                               false,
                               400,
                               180000};
    return preset;
}

const Preset& felce() {
    static const Preset preset{{{0, 0, 0, 0.16, 0, 0},
                                {0.2, -0.26, 0.23, 0.22, 0, 0.2},
                                {-0.15, 0.28, 0.26, 0.24, 0, 0.2},
                                {0.85, 0.04, -0.04, 0.85, 0, 0.2}},
                               {fixed(Green), fixed(Green), fixed(Green), fixed(Green)},
                               {4, 180000, 400, 220, 490, Sense::Up},
                               false,
                               400,
                               280000};
    return preset;
}

const Preset& pino() {
    static const Preset preset{{{0.043, 0, 0.2, 0.26, 0, 0.12},
                                {0.2, -0.2, 0.2, 0.22, 0.3, 0.23},
                                {-0.15, 0.28, 0.26, 0.24, -0.3, 0.23},
                                {0.85, 0.04, -0.04, 0.85, 0, 0.2}},
                               {fixed(Red), fixed(Green), fixed(Yellow), fixed(Blue)},
                               {4, 250000, 400, 220, 510, Sense::Up},
                               false,
                               400,
                               22000};
    return preset;
}

const Preset& falchi() {
    static const Preset preset{{{-0.5, -0.2, 0, 0.16, 0, -0.1},
                                {0.5, 0.2, -0.5, 0.12, 0.3, 0.33},
                                {0.5, -0.2, 0.5, 0.13, -0.3, 0.33},
                                {-0.05, 0.2, -0.48, 0.12, -0.06, 0.33}},
                               {fixed(Red), fixed(Green), fixed(Yellow), fixed(Blue)},
                               {4, 180000, 385, 250, 400, Sense::Up},
                               false,
                               400,
                               180000};
    return preset;
}

const Preset& triangolo() {
    static const Preset preset{
        {{0.333, 0, 0, 0.333, 0, 0}, {0.333, 0, 0, 0.333, 0, 1}, {0.667, 0, 0, 0.667, 0.5, 0.5}},
        {fixed(Red), box(2), box(3)},
        {3, 70000, 250, 50, 20, Sense::Down},
        false,
        250,
        50000};
    return preset;
}

const Preset& scarabocchi() {
    static const Preset preset{{{-0.632407, -0.614815, -0.54537, 0.659259, 3.840822, 1.282321},
                                {-0.036111, 0.444444, 0.210185, -0.037037, 2.071081, 9.330552}},
                               {fixed(Red), box(2)},
                               {2, 80000, 35, 280, 20, Sense::Down},
                               true,
                               35,
                               80000};
    return preset;
}

}  // namespace Ifs
