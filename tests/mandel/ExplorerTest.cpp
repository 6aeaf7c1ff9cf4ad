// The explorer's drawings, checks and messages, colour bars, places and files, each
// run as its button, bar or menu item runs it.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <thread>

#include "TestSupport.h"
#include "mandel/EscapeTime.h"
#include "mandel/ParameterFile.h"
#include "mandel/frmMandel.h"
#include "shell/Controls.h"
#include "shell/DecimalEntry.h"

namespace {

using Explorer = ScreenTest<frmMandel>;

// A picture as it is drawn: column by column, up to its first colour too large to hold;
// black around it.
std::function<ColourNumber(int, int)> drawn(EscapeTime::Picture picture) {
    const auto p = std::make_shared<EscapeTime::Picture>(std::move(picture));
    return [p](int x, int y) {
        const std::size_t n = (x - p->left) * p->rows + (y - p->top);
        const bool inside = x >= p->left && y >= p->top && y < p->top + p->rows;
        return inside && n < p->failedAt.value_or(p->colours.size()) ? p->colours[n]
                                                                     : Colour::Black;
    };
}

// The small picture of the view around (cx, cy) at magnification z with colour step p.
std::function<ColourNumber(int, int)> smallPicture(double cx, double cy, double z, int limit,
                                                   double p = 1) {
    return drawn(EscapeTime::smallMandel(EscapeTime::mandelView(cx, cy, z), limit,
                                         {200, 125, 125, p}, 300, 300));
}

}  // namespace

TEST_F(Explorer, EveryDrawingShowsItsExactPictureOrRefusesTheViewWithItsMessage) {
    const QString Z = "Ingrandimento massimo 25 miliardi, cambialo!",
                  X = "coordinata x troppo bassa o troppo alta, oppure hai messo punto invece "
                      "della virgola!",
                  Y = "coordinata y troppo bassa o troppo alta,oppure hai messo punto invece "
                      "della virgola!",
                  Letter =
                      "Hai immesso una Lettera invece di un numero, o un Punto inveve della "
                      "virgola, oppure una casella è vuota. Correggere!";
    struct Drawing {
        const char *mode, *x, *y, *zoom, *step;
        QString message;
        const char *caption, *xAfter;
    };
    // Each with a pending move of 0,25 to the right; refused views keep the captions of
    // their start.
    const char* const Busy = "ATTENDERE PREGO";
    const Drawing drawings[] = {
        {"small", "-1", "0", "1", "1", {}, "DISEGNA", "-0,75"},
        {"large", "-1", "0", "1", "1", {}, "DISEGNA", "-0,75"},
        {"Julia", "0", "0,75", "1", "1", {}, "Disegna", "-0,25"},  // c moves the other way
        {"small", "3", "3,5", "1", "1", {}, "DISEGNA", "3,25"},    // checked before the move
        {"small", "-4,49", "-3,5", "1", "1", {}, "DISEGNA", "-4,24"},
        {"small", "-1,75", "0", "0,5", "10000000", Letter, "Disegna", "-1,5"},  // colour overflow
        {"small", "-0,75", "0", "0,0005", "1", Z, Busy, "-0,75"},
        {"small", "-0,75", "0", "30000000000", "1", Z, Busy, "-0,75"},
        {"small", "-4,5", "0", "1", "1", X, Busy, "-4,5"},
        {"small", "0.5", "0", "1", "1", X, Busy, "0.5"},  // the period groups digits
        {"small", "0", "3,51", "1", "1", Y, Busy, "0"},
        {"small", "0", "-3,51", "1", "1", Y, Busy, "0"},
        {"Julia", "-4,3", "0", "1", "1", X, Busy, "-4,3"},  // checked after the move
        {"Julia", "0", "0,75", "0", "1", Letter, "Disegna", "-0,25"},
        {"Julia large", "0", "0,75", "1", "1", {}, "Disegna", "0"},  // only the closing note
    };
    Canvas* screen = form->surface();
    const ColourNumber navy = screen->BackColor();
    for (const Drawing& d : drawings) {
        SCOPED_TRACE(&d - drawings);
        const QString mode = d.mode;
        dialogs->shown.clear();
        screen->Cls();
        form->Cmdmandel->setText(mode.startsWith("Julia") ? "Julia" : "Mandelbrot");
        form->Cmdschermo->setText(mode.endsWith("large") ? "Schermo grande" : "Schermo piccolo");
        form->Txtnx->setText(d.x);
        form->txtny->setText(d.y);
        form->txtingr->setText(d.zoom);
        form->txtpasso->setText(d.step);
        form->Txtxini->setText("0,25");
        form->stopRequested = true;  // a key pressed before the drawing does not stop it
        form->cmddisegna_Click();
        EXPECT_EQ(dialogs->messages(),
                  d.message.isEmpty() ? std::vector<QString>{} : std::vector<QString>{d.message});
        EXPECT_EQ(form->cmddisegna->text(), d.caption);
        EXPECT_EQ(form->MousePointer(), 2);
        EXPECT_EQ(form->Txtnx->text(), d.xAfter);
        EXPECT_EQ(form->txtny->text(), d.y);
        const double x = DecimalEntry::read(d.xAfter), y = DecimalEntry::read(d.y);
        std::function<ColourNumber(int, int)> pixel = [](int, int) { return Colour::Black; };
        if (mode == "small" && d.caption != Busy) {
            // At the start x runs from -2 to 0,5 across, y from 1,25 down to -1,25; 70 cycles.
            pixel = smallPicture(x, y, DecimalEntry::read(d.zoom), 70, DecimalEntry::read(d.step));
        } else if (mode == "Julia" && d.message.isEmpty()) {
            // From pixel 1 on, -1,5625 + 3,125 / 300 each, the smallest imaginary part on
            // top; 90 cycles.
            pixel =
                drawn(EscapeTime::julia(EscapeTime::juliaWindow(1), x, y, 90, {200, 125, 125, 1}));
        } else if (mode == "large") {
            // Drawn to the right edge, on its own; the bottom tenth stays free.
            const int rows = static_cast<int>(form->Height() / 15 * 0.9);
            EXPECT_NE(screen->Point(1023, rows), navy);
            EXPECT_TRUE(form->pictmandel->isHidden());
            EXPECT_EQ(inkIn(screen, QRect(0, rows + 14, 1024, 40), navy), 0);
            EXPECT_EQ(form->Cmdschermo->text(), "Schermo piccolo");
            continue;
        }
        EXPECT_EQ(wrongIn(form->pictmandel, QRect(0, 0, 300, 300), pixel), 0);
        // The chart's axes and the report line after a small picture; the closing note,
        // on every path, in the line above the print position.
        const bool charted = mode == "small" && d.caption == QString("DISEGNA");
        EXPECT_EQ(screen->Point(512, 384 + 158) == Colour::Red, charted);
        EXPECT_EQ(inkIn(screen, QRect(10, 680, 300, 10), navy) > 50, charted);
        EXPECT_GT(inkIn(screen, QRect(0, screen->CurrentY() - 12, 400, 12), navy), 50);
    }
}

TEST_F(Explorer, ABarWritesItsBoxAndOnlyADragRepaintsTheSwatches) {
    struct Move {
        QScrollBar* bar;
        int value;
        bool dragged;
        const char *green, *text;  // typed in the green box before, if any; the box's text
        QLineEdit* box;
        ColourNumber boxColour, swatch;
    };
    const ColourNumber start = 200 + 256 * 125 + 65536 * 125, green = 256 * 180, blue = 65536 * 250;
    const Move moves[] = {
        {form->vscrosso, 201, false, nullptr, "201", form->Txtcolore, 255, start},
        {form->vsccolori, 31, false, nullptr, "31", form->txtpasso, Colour::White, start},
        {form->vscrosso, 0, true, nullptr, "0", form->Txtcolore, 0, 256 * 125 + 65536 * 125},
        {form->vsccolori, 40, true, "180", "40", form->txtpasso, Colour::White,
         green + 65536 * 125},
        {form->vscblu, 250, true, nullptr, "250", form->txtblu, 16384000, green + blue},
        {form->vscrosso, 7, true, "verde", "7", form->Txtcolore, 7, green + blue},
        {form->vscverde, 126, false, nullptr, "126", form->txtverde, 49152, green + blue},
    };
    for (const Move& m : moves) {
        SCOPED_TRACE(m.text);
        if (m.green) {
            form->txtverde->setText(m.green);
        }
        m.bar->setSliderDown(m.dragged);
        m.bar->setValue(m.value);
        m.bar->setSliderDown(false);
        EXPECT_EQ(m.box->text(), m.text);
        EXPECT_EQ(backColor(m.box), m.boxColour);
        EXPECT_EQ(backColor(form->lblcolore), m.swatch);
    }
    EXPECT_TRUE(dialogs->shown.empty());
}

TEST_F(Explorer, EveryPlaceDrawsItsStoredViewAndExplainsIt) {
    struct Place {
        QAction* item;
        const char *x, *y, *zoom, *cycles, *explanation;
    };
    const Place places[] = {
        {form->mnuMandel, "-0,166494436", "1,04054054", "10000000", "70", "Minimandel"},
        {form->mnuPalle, "-0,750252702027307", "1,24345324727702E-02", "90000", "970", "Palle"},
        {form->mnuPizzo, "-0,75030681107", "0,014565363385", "1540000", "70", "Pizzo"},
        {form->mnuSpirale, "-0,74581603327", "0,10509166308", "10000000", "70", "Spirale"},
        {form->mnuraggi, "-0,67033333", "-0,45766666", "125", "-10", "fiocco"},
        {form->mnuocchio, "-1,6744005587", "0,00568563985", "244140625", "470", "occhio"},
        {form->mnuStellamarina, "-0,817985614202", "0,190171752437", "320000000", "70", "Raggi"},
        {form->mnucode, "-1,86105", "-0,000535", "125", "30", "code"},
        {form->mnuMandiniz, "-0,75", "0", "1", "30", "-0,75  e   0"},
    };
    for (const Place& p : places) {
        SCOPED_TRACE(p.explanation);
        p.item->trigger();
        EXPECT_TRUE(dialogs->shown.empty());
        const double x = DecimalEntry::read(p.x), y = DecimalEntry::read(p.y);
        EXPECT_EQ(DecimalEntry::read(form->Txtnx), x);
        EXPECT_EQ(DecimalEntry::read(form->txtny), y);
        EXPECT_EQ(QStringList({form->txtingr->text(), form->txtcicli->text()}),
                  QStringList({p.zoom, p.cycles}));
        EXPECT_TRUE(form->lblistruzione->text().contains(p.explanation));
        const double z = DecimalEntry::read(p.zoom);
        const auto pixel =
            smallPicture(x, y, z, EscapeTime::mandelCycleLimit(z, std::stoi(p.cycles)));
        EXPECT_EQ(wrongIn(form->pictmandel, QRect(0, 0, 300, 300), pixel), 0);
    }
}

TEST_F(Explorer, EachAnswerAboutFilesDoesWhatItSaysAndTheViewAndPictureAreWrittenExactly) {
    QTemporaryDir folder;
    const QString file = folder.filePath("caos1.txt");
    const QByteArray path = QFile::encodeName(file);
    ParameterFile::setPath(file);
    const QString S = " Devi inserire un floppy disk, se vuoi salvare i parametri dell'insieme di "
                      "Mandelbrot ",
                  L = "Se vuoi caricare i parametri, devi inserire il dischetto che hai usato per "
                      "salvarli, poi clicca su OK, altrimenti clicca su NO",
                  E = " Vuoi salvare i parametri delle coordinate x e y prima di uscire?    Se si "
                      "devi inserire un floppy disk ";
    // The view typed, and as a save writes it: quoted, in single bytes, ended by CR LF.
    const QStringList typed = {"-0,750252702027307", "1,24345324727702E-02", "què", "90000"};
    const QByteArray line =
        "\"-0,750252702027307\",\"1,24345324727702E-02\",\"qu\xe8\",\"90000\"\r\n";
    const QByteArray v = "\"-1\",\"0,5\",\"pi\xf2\",\"3\"\r\n", three = "\"-1\",\"0,5\",\"40\"\r\n";
    QAction *save = form->salvaparamomentanei, *load = form->mnuParametri, *end = nullptr;
    using A = Dialogs::Answer;
    enum { None, Loaded, Ended };
    struct Case {
        QAction* item;  // none: the button that ends the program
        A answer;
        // On disk: "folder" where a folder stands in its place, "pipe" where a pipe does
        // whose writer has the view v.
        QByteArray before;
        std::vector<QString> messages;
        const char* page;  // in the instruction label; null: hidden
        int outcome;
    };
    const Case cases[] = {
        {save, A::No, "", {S}, "SALVA I PARAMETRI", None},
        {save, A::Cancel, v, {S}, "SALVA I PARAMETRI", None},
        {save, A::Yes, v, {S}, "SALVA I PARAMETRI", None},
        {save, A::Yes, "folder", {S, " Non hai inserito il dischetto"}, "SALVA", None},
        {load, A::No, v, {L}, "CARICA I PARAMETRI", None},
        {load, A::Cancel, v, {L}, nullptr, None},
        {load, A::Yes, v, {L}, nullptr, Loaded},
        {load, A::Yes, "", {L}, nullptr, None},
        {load, A::Yes, three, {L}, nullptr, None},
        {load, A::Yes, "pipe", {L}, nullptr, None},
        {end, A::Cancel, v, {E}, nullptr, None},
        {end, A::Yes, "folder", {E, "Devi inserire un dischetto"}, nullptr, None},
        {end, A::No, v, {E}, nullptr, Ended},
        {end, A::Yes, v, {E}, nullptr, Ended},
    };
    const QImage picture = form->pictmandel->image().copy();
    QLineEdit* const boxes[] = {form->Txtnx, form->txtny, form->txtcicli, form->txtingr};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.messages[0].left(10).toStdString() + " " + c.before.toStdString());
        QFile::remove(file);
        QDir(file).removeRecursively();
        QFile out(file);
        ASSERT_TRUE(c.before == "folder" ? QDir().mkpath(file)
                    : c.before == "pipe" ? mkfifo(path.constData(), 0600) == 0
                                         : c.before.isEmpty() || (out.open(QIODevice::WriteOnly) &&
                                                                  out.write(c.before) > 0));
        out.close();
        // Opening the pipe to read would wait for its writer, then read its view.
        std::thread writer([&] {
            const int fd = c.before == "pipe" ? open(path.constData(), O_WRONLY) : -1;
            EXPECT_TRUE(fd < 0 || (::write(fd, v.constData(), v.size()) > 0 && close(fd) == 0));
        });
        form->showScreen();
        form->lblistruzione->hide();
        for (int i = 0; i < 4; ++i) {
            boxes[i]->setText(typed[i]);
        }
        form->Txtxini->setText("0,5");  // a point clicked before: a loaded view forgets it
        dialogs->shown.clear();
        dialogs->answers = {c.answer};
        c.item ? c.item->trigger() : form->Cmdpagini->click();
        // Lets the writer go when nothing read the pipe.
        const int reader = c.before == "pipe" ? open(path.constData(), O_RDONLY | O_NONBLOCK) : -1;
        writer.join();
        close(reader);
        EXPECT_EQ(dialogs->messages(), c.messages);
        EXPECT_EQ(
            QStringList({boxes[0]->text(), boxes[1]->text(), boxes[2]->text(), boxes[3]->text()}),
            c.outcome == Loaded ? QStringList({"-1", "0,5", "piò", "3"}) : typed);
        EXPECT_EQ(form->Txtxini->text(), c.outcome == Loaded ? "0" : "0,5");
        QFile in(file);
        const bool written = c.item != load && c.answer == A::Yes && c.before != "folder";
        EXPECT_EQ(
            QFileInfo(file).isFile() && in.open(QIODevice::ReadOnly) ? in.readAll() : c.before,
            written ? line : c.before);
        EXPECT_EQ(form->lblistruzione->isHidden(), c.page == nullptr);
        EXPECT_TRUE(!c.page || form->lblistruzione->text().contains(c.page));
        EXPECT_EQ(form->isVisible(), c.outcome != Ended);
        EXPECT_EQ(form->pictmandel->image(), picture);  // nothing is drawn
    }
    ParameterFile::setPath(QString());

    // The picture saved as a bitmap; cancelled, nothing; unwritable, a message, and the
    // program goes on.
    dialogs->shown.clear();
    dialogs->files = {folder.filePath("mandel.bmp"), "", folder.path()};
    for (int i = 0; i < 3; ++i) {
        form->Cmdsave->click();
    }
    EXPECT_EQ(QImage(folder.filePath("mandel.bmp"), "BMP").convertToFormat(QImage::Format_RGB32),
              form->pictmandel->image().convertToFormat(QImage::Format_RGB32));
    ASSERT_EQ(dialogs->messages().size(), 1u);
    EXPECT_TRUE(dialogs->messages()[0].startsWith("L'immagine non è stata salvata"));
}
