#pragma once

#include <QCommandLineOption>
#include <optional>

// The screens are made for a 1024 x 768 display. The whole interface is drawn at one
// scale so that this design fills whatever display the program opens on, with its
// proportions kept. Qt does the scaling (its QT_SCALE_FACTOR), so controls, fonts,
// dialogs and pictures grow together while every screen counts in the design's pixels.
// Qt draws nothing below its logical size: a smaller display gets a factor below 1
// from the layout instead (ScreenLayout::scale), with fonts to match (QT_FONT_DPI).
namespace DisplayScale {

// "--scala <fattore>": a factor of the user's choice; 1 turns the scaling off.
QCommandLineOption option();
// The factor typed after --scala ("2", "1,5" or "1.5"), if it is a usable one.
std::optional<double> read(const QString& text);

// Runs before the QApplication is made, since Qt reads its scale factor as it starts.
// Scales by the factor of --scala or, when neither the option nor QT_SCALE_FACTOR in
// the environment gives one, by the factor that fits the design into the available
// area of the primary screen: min(width / 1024, height / 768) in device pixels. A screen that Qt
// already scales (a high-DPI display) is counted in its device pixels and its own ratio is taken
// out, so nothing is scaled twice.
void prepare(int argc, char** argv);

}  // namespace DisplayScale
