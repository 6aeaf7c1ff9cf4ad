#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

#include "shell/Controls.h"
#include "shell/Dialogs.h"

TEST(Dialogs, MessageBoxesWithoutATitleShowTheProgramTitle) {
    auto scripted = std::make_unique<ScriptedDialogs>();
    ScriptedDialogs* dialogs = scripted.get();
    dialogs->answers = {Dialogs::Answer::No};
    Dialogs::install(std::move(scripted));

    EXPECT_EQ(MsgBox("Sei sicuro di voler USCIRE ?", Dialogs::Buttons::YesNo,
                     Dialogs::Icon::Question, "Tessivelo"),
              Dialogs::Answer::No);
    EXPECT_EQ(MsgBox("Fatto"), Dialogs::Answer::Ok);
    // An empty queue answers a question with its first button.
    EXPECT_EQ(MsgBox("Ancora?", Dialogs::Buttons::YesNo), Dialogs::Answer::Yes);

    ASSERT_EQ(dialogs->shown.size(), 3u);
    EXPECT_EQ(dialogs->shown[0].title, "Tessivelo");
    EXPECT_EQ(dialogs->shown[0].icon, Dialogs::Icon::Question);
    EXPECT_EQ(dialogs->shown[1].title, "frattalia");
    EXPECT_EQ(dialogs->shown[1].buttons, Dialogs::Buttons::Ok);
    EXPECT_EQ(dialogs->messages(),
              (std::vector<QString>{"Sei sicuro di voler USCIRE ?", "Fatto", "Ancora?"}));

    dialogs->inputs = {"3"};
    dialogs->files = {"/tmp/a.bmp"};
    EXPECT_EQ(Dialogs::current().input("Quanti?", "frattalia", "1"), "3");
    EXPECT_EQ(Dialogs::current().input("Quanti?", "frattalia", " ", QPoint(300, 300)), "");
    EXPECT_EQ(dialogs->shown.back().kind, ScriptedDialogs::Kind::Input);
    EXPECT_EQ(dialogs->shown.back().defaultText, " ");
    EXPECT_EQ(dialogs->shown.back().position, QPoint(300, 300));
    EXPECT_EQ(Dialogs::current().saveFileName("Salva", "*.bmp", "bmp"), "/tmp/a.bmp");
    EXPECT_EQ(Dialogs::current().openFileName("Apri", "*.txt"), "");
    EXPECT_EQ(dialogs->shown.back().kind, ScriptedDialogs::Kind::OpenFile);
    Dialogs::install(std::make_unique<ScriptedDialogs>());
}

TEST(Controls, BackgroundColoursReadBackAsColourNumbers) {
    QWidget screen;
    auto* button = new QPushButton(&screen);
    auto* box = new QLineEdit(&screen);
    setBackColor(button, Colour::Green);
    setBackColor(box, Colour::rgb(0, 192, 0));
    EXPECT_EQ(backColor(button), 65280);
    EXPECT_EQ(backColor(box), 49152);
    setBackColor(button, Colour::Red);
    EXPECT_EQ(backColor(button), 255);
}
