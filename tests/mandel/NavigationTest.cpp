#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>

#include "ExplorerFixture.h"
#include "shell/DecimalEntry.h"
#include "shell/Screens.h"

namespace {

int whitePixels(Canvas* canvas, const QRect& area) {
    int count = 0;
    for (int x = area.left(); x <= area.right(); ++x) {
        for (int y = area.top(); y <= area.bottom(); ++y) {
            count += canvas->Point(x, y) == Colour::White ? 1 : 0;
        }
    }
    return count;
}

TEST_F(Explorer, AClickMarksTheNextCentreFromThePictureOnShow) {
    form->pictmandel_MouseDown(1, 0, 150, 150);
    EXPECT_EQ(form->Txtxini->text(), "0");
    EXPECT_EQ(form->Txtyini->text(), "0");
    EXPECT_EQ(form->Text3->text(), "1,150,150");

    // Two clicks: the second overwrites the move, both circles stay on the picture.
    form->pictmandel_MouseDown(2, 0, 0, 0);
    EXPECT_EQ(form->Txtxini->text(), "-1,25");
    EXPECT_EQ(form->Txtyini->text(), "-1,25");
    EXPECT_EQ(form->Text3->text(), "2,0,0");
    EXPECT_EQ(form->pictmandel->Point(160, 150), Colour::White);
    EXPECT_EQ(form->pictmandel->Point(10, 0), Colour::White);
    EXPECT_TRUE(dialogs->shown.empty());

    // The next drawing is centred 1,25 to the left and 1,25 up, and forgets the move.
    form->cmddisegna_Click();
    EXPECT_EQ(form->Txtnx->text(), "-2");
    EXPECT_EQ(form->txtny->text(), "1,25");
    EXPECT_EQ(form->Txtxini->text(), "0");
    EXPECT_EQ(form->Txtyini->text(), "0");
    EXPECT_EQ(whitePixels(form->pictmandel, QRect(140, 140, 21, 21)), 0);
}

TEST_F(Explorer, AClickConvertsAtTheMagnificationOfThePictureNotTheTypedOne) {
    form->txtingr->setText("1000");
    form->pictmandel_MouseDown(1, 0, 300, 0);
    EXPECT_EQ(form->Txtxini->text(), "1,25");
    EXPECT_EQ(form->Txtyini->text(), "-1,25");

    form->Textb->setText("5");
    form->pictmandel_MouseDown(1, 0, 200, 225);
    EXPECT_EQ(form->Txtxini->text(), DecimalEntry::write(50 * (2.5 / 300 / 5)));
    EXPECT_EQ(form->Txtyini->text(), "0,125");
}

TEST_F(Explorer, AClickWithANonNumberAsMagnificationChangesNothing) {
    for (const char* shown : {"abc", "", "0"}) {
        form->Textb->setText(shown);
        dialogs->shown.clear();
        form->pictmandel_MouseDown(1, 0, 20, 30);
        EXPECT_EQ(dialogs->messages(), std::vector<QString>{InputError}) << shown;
        EXPECT_EQ(form->Txtxini->text(), "0");
        EXPECT_EQ(form->Txtyini->text(), "0");
        EXPECT_EQ(form->Text3->text(), "");
        EXPECT_EQ(whitePixels(form->pictmandel, QRect(10, 20, 21, 21)), 0);
    }
}

TEST_F(Explorer, TheZoomButtonMultipliesOrDividesByFiveAndRedraws) {
    form->pictmandel_MouseDown(1, 0, 225, 150);
    form->CMDINGR_MouseDown(1, 0, 5, 5);
    EXPECT_EQ(form->txtingr->text(), "5");
    EXPECT_EQ(form->Textb->text(), "5");
    // The clicked point, 75 pixels right of the centre, is the new centre.
    EXPECT_EQ(form->Txtnx->text(), "-0,125");
    EXPECT_EQ(form->txtny->text(), "0");
    EXPECT_EQ(form->CMDINGR->text(), "ingrandimenti X 5");

    form->txtingr->setText("1");
    form->CMDINGR_MouseDown(2, 0, 5, 5);
    EXPECT_EQ(form->txtingr->text(), "0,2");
    EXPECT_EQ(form->Textb->text(), "0,2");
    EXPECT_EQ(form->Txtnx->text(), "-0,125");
    EXPECT_TRUE(dialogs->shown.empty());
}

TEST_F(Explorer, TheZoomButtonWithANonNumberReportsItAndDrawsNothing) {
    form->pictmandel_MouseDown(1, 0, 0, 0);
    const ColourNumber corner = form->pictmandel->Point(0, 0);
    for (const char* typed : {"cinque", "5x", "1,5,2", ""}) {
        form->txtingr->setText(typed);
        dialogs->shown.clear();
        form->CMDINGR_MouseDown(1, 0, 5, 5);
        EXPECT_EQ(dialogs->messages(), std::vector<QString>{InputError}) << typed;
        EXPECT_EQ(form->txtingr->text(), typed);
        EXPECT_EQ(form->Textb->text(), "1");
        EXPECT_EQ(form->Txtxini->text(), "-1,25");
        EXPECT_EQ(form->pictmandel->Point(0, 0), corner);
    }
}

TEST_F(Explorer, TheTogglesSwitchTheirCaptionsAndTheJuliaInstruction) {
    form->Cmdmandel_Click();
    EXPECT_EQ(form->Cmdmandel->text(), "Julia");
    EXPECT_FALSE(form->lblistruzione->isHidden());
    EXPECT_TRUE(form->lblistruzione->text().startsWith(
        "  Vengono utilizzate le stesse coordinte dell'insieme  di Mandelbrot per realizzare "
        "un'insieme di Julia,   NON PUOI SPOSTARTI NEL DISEGNO USANDO IL MOUSE,"));
    EXPECT_TRUE(form->lblistruzione->text().endsWith(
        "  RICORDATI DI USARE LA VIRGOLA NON IL PUNTO, PER I DECIMALI. "));
    EXPECT_EQ(form->surface()->Point(50, 150), Colour::White);
    form->Cmdmandel_Click();
    EXPECT_EQ(form->Cmdmandel->text(), "Mandelbrot");
    EXPECT_TRUE(form->lblistruzione->isHidden());

    form->Cmdschermo_Click();
    EXPECT_EQ(form->Cmdschermo->text(), "Schermo grande");
    form->Cmdschermo_Click();
    EXPECT_EQ(form->Cmdschermo->text(), "Schermo piccolo");
    // A caption typed otherwise counts as the large screen's.
    form->Cmdschermo->setText("schermo piccolo");
    form->Cmdschermo_Click();
    EXPECT_EQ(form->Cmdschermo->text(), "Schermo piccolo");
}

TEST_F(Explorer, RightClicksOnTheTogglesPrintTheirPagesInThePicture) {
    form->Cmdmandel_MouseDown(1, 0, 5, 5);
    form->Cmdschermo_MouseDown(1, 0, 5, 5);
    EXPECT_FALSE(pictureIsBlank());  // left clicks print nothing

    form->Cmdmandel_MouseDown(2, 0, 5, 5);
    // Six lines from (1, 30): nothing above, ink from there down.
    EXPECT_EQ(inkIn(form->pictmandel, QRect(0, 0, 300, 29), Colour::Black), 0);
    EXPECT_GT(inkIn(form->pictmandel, QRect(0, 30, 300, 12), Colour::Black), 50);
    EXPECT_GT(inkIn(form->pictmandel, QRect(0, 80, 300, 20), Colour::Black), 20);
    EXPECT_EQ(inkIn(form->pictmandel, QRect(0, 110, 300, 190), Colour::Black), 0);
    EXPECT_EQ(form->Cmdmandel->text(), "Mandelbrot");

    form->Cmdschermo_MouseDown(2, 0, 5, 5);
    EXPECT_GT(inkIn(form->pictmandel, QRect(0, 0, 300, 12), Colour::Black), 50);
    EXPECT_GT(inkIn(form->pictmandel, QRect(0, 70, 300, 20), Colour::Black), 20);
    EXPECT_EQ(inkIn(form->pictmandel, QRect(0, 100, 300, 200), Colour::Black), 0);
    EXPECT_EQ(form->Cmdschermo->text(), "Schermo piccolo");
}

// Screens reached through the registry, as the program moves between them.
class Hub : public ::testing::Test {
  protected:
    void SetUp() override {
        auto scripted = std::make_unique<ScriptedDialogs>();
        dialogs = scripted.get();
        Dialogs::install(std::move(scripted));
        explorer = static_cast<frmMandel*>(Screens::show("frmMandel"));
    }
    void TearDown() override { Screens::unloadAll(); }

    frmMandel* explorer = nullptr;
    ScriptedDialogs* dialogs = nullptr;
};

TEST_F(Hub, EveryMenuItemOpensItsScreenOnceAndTheBackButtonsKeepTheExplorersState) {
    // Each screen's caption and colours are its own tests'; the smoke walk opens them all
    // with the real menu keys.
    struct Destination {
        QAction* item;
        const char* screen;
        const char* backButton;
    };
    const Destination destinations[] = {
        {explorer->atrattore, "frmattratHenon", "cmdInizio"},
        {explorer->mnukok, "frmkochisle", "cmdinizio"},
        {explorer->veru, "frmverhulst2", "cmdInizio"},
        {explorer->mnufelce, "Frmfelce", "Cmdfine"},
        {explorer->mandiversi, "frmMandiversi", "cmdfine"},
    };
    explorer->txtingr->setText("125");
    for (const Destination& d : destinations) {
        SCOPED_TRACE(d.screen);
        EXPECT_EQ(Screens::find(d.screen), nullptr);
        d.item->trigger();
        Form* screen = Screens::find(d.screen);
        ASSERT_NE(screen, nullptr);
        EXPECT_TRUE(screen->isLoaded());
        EXPECT_TRUE(screen->isVisible());
        auto* back = screen->findChild<QPushButton*>(d.backButton);
        ASSERT_NE(back, nullptr);

        // Opening it again brings the same screen forward.
        d.item->trigger();
        EXPECT_EQ(Screens::find(d.screen), screen);

        dialogs->answers.push_back(Dialogs::Answer::Yes);
        back->click();
        EXPECT_EQ(Screens::show("frmMandel"), explorer);
        EXPECT_EQ(explorer->txtingr->text(), "125");
        // Navigation never hides the screen left, except the variants' own exit.
        EXPECT_EQ(screen->isVisible(), std::string(d.screen) != "frmMandiversi");
    }
}

}  // namespace
