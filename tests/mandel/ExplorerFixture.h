#pragma once

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <memory>

#include "mandel/frmMandel.h"
#include "shell/Canvas.h"
#include "shell/Controls.h"
#include "shell/Dialogs.h"

inline constexpr ColourNumber Navy = Colour::rgb(0, 0, 128);
inline const QString InputError = QStringLiteral(
    "Hai immesso una Lettera invece di un numero, o un Punto inveve della virgola, oppure una "
    "casella è vuota. Correggere!");
inline const QString ZoomRefused = QStringLiteral("Ingrandimento massimo 25 miliardi, cambialo!");
inline const QString XRefused = QStringLiteral(
    "coordinata x troppo bassa o troppo alta, oppure hai messo punto invece della virgola!");
inline const QString YRefused = QStringLiteral(
    "coordinata y troppo bassa o troppo alta,oppure hai messo punto invece della virgola!");

// The explorer, loaded and drawn as at start, with scripted dialogs.
class Explorer : public ::testing::Test {
  protected:
    void SetUp() override {
        auto scripted = std::make_unique<ScriptedDialogs>();
        dialogs = scripted.get();
        Dialogs::install(std::move(scripted));
        form = std::make_unique<frmMandel>();
        form->showScreen();
    }

    // Pixels in the area that differ from the screen's background: printed text or drawing.
    int inkIn(Canvas* canvas, const QRect& area, ColourNumber background) const {
        int ink = 0;
        for (int x = area.left(); x <= area.right(); ++x) {
            for (int y = area.top(); y <= area.bottom(); ++y) {
                ink += canvas->Point(x, y) != background ? 1 : 0;
            }
        }
        return ink;
    }

    bool pictureIsBlank() const {
        return inkIn(form->pictmandel, QRect(0, 0, 300, 300), Colour::Black) == 0;
    }

    void expectIdle(const QString& caption) const {
        EXPECT_EQ(form->cmddisegna->text(), caption);
        EXPECT_EQ(backColor(form->cmddisegna), Colour::Green);
        EXPECT_EQ(form->MousePointer(), 2);
        EXPECT_FALSE(form->stopRequested);
    }

    std::unique_ptr<frmMandel> form;
    ScriptedDialogs* dialogs = nullptr;
};
