#pragma once

// What the screen tests share: a screen loaded as the program loads it, with dialogs
// answered from a script, and the ink of its pictures.

#include <gtest/gtest.h>

#include <QRect>
#include <functional>
#include <memory>

#include "input/RealInput.h"
#include "shell/Canvas.h"
#include "shell/Dialogs.h"

// Pixels of the area for which the test holds, given their place and colour.
inline int countWhere(const Canvas* canvas, const QRect& area,
                      const std::function<bool(int x, int y, ColourNumber)>& test) {
    int count = 0;
    for (int x = area.left(); x <= area.right(); ++x) {
        for (int y = area.top(); y <= area.bottom(); ++y) {
            count += test(x, y, canvas->Point(x, y)) ? 1 : 0;
        }
    }
    return count;
}

// Pixels of the area for which the test holds.
inline int countIf(const Canvas* canvas, const QRect& area,
                   const std::function<bool(ColourNumber)>& test) {
    return countWhere(canvas, area, [&test](int, int, ColourNumber c) { return test(c); });
}

// Pixels of the area in the colour.
inline int countIn(const Canvas* canvas, const QRect& area, ColourNumber colour) {
    return countIf(canvas, area, [colour](ColourNumber c) { return c == colour; });
}

// Pixels of the area that differ from the background: printed text or drawing.
inline int inkIn(const Canvas* canvas, const QRect& area, ColourNumber background) {
    return countIf(canvas, area, [background](ColourNumber c) { return c != background; });
}

// Pixels of the area whose colour is not the one expected at their place.
inline int wrongIn(const Canvas* canvas, const QRect& area,
                   const std::function<ColourNumber(int x, int y)>& expected) {
    return countWhere(canvas, area,
                      [&expected](int x, int y, ColourNumber c) { return c != expected(x, y); });
}

// Installs scripted dialogs afresh for each test.
class ScriptedTest : public ::testing::Test {
  protected:
    void SetUp() override {
        auto scripted = std::make_unique<ScriptedDialogs>();
        dialogs = scripted.get();
        Dialogs::install(std::move(scripted));
    }

    ScriptedDialogs* dialogs = nullptr;
};

// A screen of the program, shown, loaded and active, with scripted dialogs.
template <class Screen>
class ScreenTest : public ScriptedTest {
  protected:
    void SetUp() override {
        ScriptedTest::SetUp();
        form = std::make_unique<Screen>();
        form->showScreen();
        RealInput::activate(form.get());
    }

    std::unique_ptr<Screen> form;
};
