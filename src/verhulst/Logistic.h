#pragma once

#include <QString>
#include <vector>

#include "shell/Colour.h"

// Verhulst's logistic law: a population x, a fraction of the largest the pond can
// feed, becomes r x (1 - x) in the next generation. Below r = 3 it settles on one
// value; from 3 it swings between two, then four, eight ... values, the period
// doubling ever faster until, near 3,57, it never settles (chaos), with windows of
// order beyond. Above 4, or from a start outside 0..1, it runs away to minus infinity.
namespace Logistic {

// One generation held in single precision: 1 - x rounded to single, (x r) times it
// in double, the product rounded to single. Leaving the single range throws
// RuntimeFailure.
float nextGeneration(float x, double r);

// One point of a population graph: its column, its row and the population drawn.
struct GraphPoint {
    int i;
    double y;
    float population;
};

// The points computed before the population left the single range (overflowed).
struct Graph {
    std::vector<GraphPoint> points;
    bool overflowed = false;
};

// 60 generations 10 pixels apart from column 1, y = 100 - 46 x.
Graph upperGraph(double r, float start);
// 31 generations 25 pixels apart from column 0, five times taller: y = 400 - 230 x.
Graph lowerGraph(double r, float start);
// The upper graph's point at the end of generation 20, the last one the lower enlarges.
constexpr int MarkedColumn = 201;
// Labels of the lower graph alternate: 20 pixels above at 0, 50, 100 ..., below between.
int labelOffset(int i);
// A population as the canvas prints a single-precision number: 7 significant digits.
QString printedPopulation(float x);

// The period-doubling diagram: 480 increments side by side, from column 0 on the
// left; in each column the population forgets its past over 400 generations and then
// plots the next 400. The population is carried from column to column.
constexpr int DiagramColumns = 480;
constexpr int DiagramRows = 500;
constexpr int TransientGenerations = 400;
constexpr int PlottedGenerations = 400;
constexpr ColourNumber DiagramColour = 200;

// One drawing of the diagram: column x shows base + (480 - x) (far - base) / D,
// where D is the zoom times 480, or times 1,5 x 480 for the wide members.
struct Member {
    double base;
    double far;
    bool wide;
    double (*row)(double p);
};

// "Cambiamento parametrii": from the final increment (base) towards the start one.
Member cambiamento(double finalIncrement, double startIncrement);
extern const Member Caos;
extern const Member Periodo1;
extern const Member Periodo2;
extern const Member Periodo4;

double divisor(double zoom, bool wide);

// Colour numbers column by column, DiagramRows to a column. When the population or
// a row leaves the range it may take (or D is zero), the drawing stops there: failed
// is set and only the points before it are in.
struct Diagram {
    std::vector<ColourNumber> colours;
    bool failed = false;
};

Diagram bifurcation(const Member& member, double zoom, double start, ColourNumber background);

}  // namespace Logistic
