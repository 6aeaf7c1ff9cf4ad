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
#include "mandel/ExplorerMessages.h"
#include "mandel/ParameterFile.h"
#include "mandel/frmMandel.h"
#include "shell/Controls.h"
#include "shell/DecimalEntry.h"

namespace {

using Explorer = ScreenTest<frmMandel>;

// Pixels of the area not as the picture is drawn: column by column, up to its first colour
// too large to hold; the background around it.
int wrongIn(const Canvas* canvas, const QRect& area, const EscapeTime::Picture& p,
            ColourNumber background = Colour::Black) {
    return ::wrongIn(canvas, area, [&p, background](int x, int y) {
        const std::size_t n = (x - p.left) * p.rows + (y - p.top);
        const bool inside = x >= p.left && y >= p.top && y < p.top + p.rows;
        return inside && n < p.failedAt.value_or(p.colours.size()) ? p.colours[n] : background;
    });
}

}  // namespace

TEST_F(Explorer, EveryDrawingShowsItsExactPictureOrRefusesTheViewWithItsMessage) {
    struct Drawing {
        const char *mode, *x, *y, *zoom, *caption, *xAfter;
        QString message = QString();  // none
        QLineEdit* box = nullptr;     // typed in besides the view
        const char* typed = nullptr;
    };
    // Each with a pending move of 0,25 to the right; refused views keep the captions of
    // their start.
    const Drawing drawings[] = {
        {"small", "-1", "0", "1", "DISEGNA", "-0,75"},
        {"large", "-1", "0", "1", "DISEGNA", "-0,75"},
        {"Julia", "0", "0,75", "1", "Disegna", "-0,25"},  // c moves the other way
        {"small", "3", "3,5", "1", "DISEGNA", "3,25"},    // checked before the move
        {"small", "-4,49", "-3,5", "1", "DISEGNA", "-4,24"},
        {"small", "-1,75", "0", "0,5", "Disegna", "-1,5", InputError, form->txtpasso, "10000000"},
        {"small", "2", "2", "1", "DISEGNA", "2,25", {}, form->txtcicli, "32727"},
        {"small", "2", "2", "1", "Disegna", "2", InputError, form->txtcicli, "32728"},  // too many
        {"small", "-0,75", "0", "0,0005", "ATTENDERE PREGO", "-0,75", ZoomError},
        {"small", "-0,75", "0", "30000000000", "ATTENDERE PREGO", "-0,75", ZoomError},
        {"small", "-0,75", "0", "1e400", "ATTENDERE PREGO", "-0,75", ZoomError},  // too large
        {"small", "-4,5", "0", "1", "ATTENDERE PREGO", "-4,5", XError},
        {"small", "-1e400", "0", "1", "ATTENDERE PREGO", "-1e400", XError},
        {"small", "0.5", "0", "1", "ATTENDERE PREGO", "0.5", XError},  // the period groups digits
        {"small", "0", "3,51", "1", "ATTENDERE PREGO", "0", YError},
        {"small", "0", "-3,51", "1", "ATTENDERE PREGO", "0", YError},
        {"Julia", "-4,3", "0", "1", "ATTENDERE PREGO", "-4,3", XError},  // checked after the move
        {"Julia", "0", "0,75", "0", "Disegna", "-0,25", InputError},
        {"Julia large", "0", "0,75", "1", "Disegna", "0"},  // only the closing note
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
        QLineEdit* const boxes[] = {form->Txtnx,    form->txtny,   form->txtingr, form->txtpasso,
                                    form->txtcicli, form->Txtxini, d.box};
        const char* const texts[] = {d.x, d.y, d.zoom, "1", "30", "0,25", d.typed};
        for (int i = 0; i < (d.box ? 7 : 6); ++i) {
            boxes[i]->setText(texts[i]);
        }
        form->stopRequested = true;  // a key pressed before the drawing does not stop it
        form->cmddisegna_Click();
        EXPECT_EQ(dialogs->messages(),
                  d.message.isEmpty() ? std::vector<QString>{} : std::vector<QString>{d.message});
        EXPECT_EQ(form->cmddisegna->text(), d.caption);
        EXPECT_EQ(form->MousePointer(), 2);
        EXPECT_EQ(QStringList({form->Txtnx->text(), form->txtny->text()}),
                  QStringList({d.xAfter, d.y}));
        // At the start x runs from -2 to 0,5 across, y from 1,25 down to -1,25.
        const double x = DecimalEntry::readUnbounded(form->Txtnx), y = DecimalEntry::read(d.y),
                     z = DecimalEntry::readUnbounded(form->txtingr),
                     cycles = DecimalEntry::read(form->txtcicli);
        const EscapeTime::Weights weights{200, 125, 125, DecimalEntry::read(form->txtpasso)};
        EscapeTime::Picture picture;                        // none
        if (mode == "small" && d.xAfter != QString(d.x)) {  // a view is drawn once moved
            picture =
                EscapeTime::smallMandel(EscapeTime::mandelView(x, y, z),
                                        EscapeTime::mandelCycleLimit(z, cycles), weights, 300, 300);
        } else if (mode == "Julia" && d.message.isEmpty()) {
            // From pixel 1 on, -1,5625 + 3,125 / 300 each, the smallest imaginary part on top.
            picture = EscapeTime::julia(EscapeTime::juliaWindow(z), x, y,
                                        EscapeTime::juliaCycleLimit(z, cycles), weights);
        } else if (mode == "large") {
            // Drawn on its own, to the right edge; the bottom tenth stays free.
            const double hf = form->Height() / 15;
            const int rows = static_cast<int>(hf * 0.9);
            picture = EscapeTime::largeMandel(EscapeTime::mandelView(x, y, z),
                                              EscapeTime::mandelCycleLimit(z, cycles), weights, hf,
                                              1, 1023, rows);
            EXPECT_EQ(wrongIn(screen, QRect(1, 1, 1023, rows), picture, navy), 0);
            EXPECT_TRUE(form->pictmandel->isHidden());
            EXPECT_EQ(inkIn(screen, QRect(0, rows + 14, 1024, 40), navy), 0);
            continue;
        }
        EXPECT_EQ(wrongIn(form->pictmandel, QRect(0, 0, 300, 300), picture), 0);
        // The zoom button is back once a picture is whole.
        EXPECT_EQ(form->CMDINGR->text() == "ingrandimenti X 5", picture.rows && !picture.failedAt);
        // The chart's axes and the report line after a small picture; the closing note,
        // on every path, in the line above the print position.
        const bool charted = mode == "small" && d.caption == QString("DISEGNA");
        EXPECT_EQ(screen->Point(512, 384 + 158) == Colour::Red, charted);
        EXPECT_EQ(inkIn(screen, QRect(10, 680, 300, 10), navy) > 50, charted);
        EXPECT_GT(inkIn(screen, QRect(0, screen->CurrentY() - 12, 400, 12), navy), 50);
    }
}

TEST_F(Explorer, ABarWritesItsBoxAndOnlyADragRepaintsTheSwatch) {
    const ColourNumber start = 200 + 256 * 125 + 65536 * 125, green = 256 * 180, blue = 65536 * 250;
    // A bar stepped or dragged to a value, with a green typed before it (if any); then the
    // colour of its box, which shows the value, and of the swatch.
    const std::tuple<QScrollBar*, int, bool, const char*, QLineEdit*, ColourNumber, ColourNumber>
        moves[] = {
            {form->vscrosso, 201, false, nullptr, form->Txtcolore, 255, start},
            {form->vsccolori, 31, false, nullptr, form->txtpasso, Colour::White, start},
            {form->vscrosso, 0, true, nullptr, form->Txtcolore, 0, 256 * 125 + 65536 * 125},
            {form->vsccolori, 40, true, "180", form->txtpasso, Colour::White, green + 65536 * 125},
            {form->vscblu, 250, true, nullptr, form->txtblu, 16384000, green + blue},
            {form->vscrosso, 7, true, "verde", form->Txtcolore, 7, green + blue},
            {form->vscverde, 126, false, nullptr, form->txtverde, 49152, green + blue},
        };
    for (auto [bar, value, dragged, typedGreen, box, boxColour, swatch] : moves) {
        SCOPED_TRACE(value);
        form->txtverde->setText(typedGreen ? typedGreen : form->txtverde->text());
        bar->setSliderDown(dragged);
        bar->setValue(value);
        bar->setSliderDown(false);
        EXPECT_EQ(box->text(), QString::number(value));
        EXPECT_EQ(backColor(box), boxColour);
        EXPECT_EQ(backColor(form->lblcolore), swatch);
    }
    EXPECT_TRUE(dialogs->shown.empty());
}

TEST_F(Explorer, EveryPlaceDrawsItsStoredViewWhateverPointWasClickedBefore) {
    const std::tuple<QAction*, const char*, const char*, double, int> places[] = {
        {form->mnuPalle, "-0,750252702027307", "0,0124345324727702", 9e4, 970},  // read as E-02
        {form->mnuraggi, "-0,67033333", "-0,45766666", 125, -10},
        {form->mnuocchio, "-1,6744005587", "0,00568563985", 244140625, 470},
        {form->mnuMandiniz, "-0,75", "0", 1, 30},
    };
    for (auto [place, x, y, z, cycles] : places) {
        SCOPED_TRACE(x);
        form->Txtxini->setText("0,25");
        place->trigger();
        EXPECT_EQ(QStringList({form->Txtnx->text(), form->txtny->text(), form->txtcicli->text()}),
                  QStringList({x, y, QString::number(cycles)}));
        const auto picture = EscapeTime::smallMandel(
            EscapeTime::mandelView(DecimalEntry::read(x), DecimalEntry::read(y), z),
            EscapeTime::mandelCycleLimit(z, cycles), {200, 125, 125, 1}, 300, 300);
        EXPECT_EQ(wrongIn(form->pictmandel, QRect(0, 0, 300, 300), picture), 0);
    }
    EXPECT_TRUE(dialogs->shown.empty());
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
    enum { Saved = 1, Loaded = 2, Ended = 4 };
    // The menu item (none: the button that ends the program), the answer, what is on disk
    // ("folder" where a folder stands in its place, "pipe" where a pipe does whose writer
    // has the view v), the messages and the outcome.
    using Case = std::tuple<QAction*, A, QByteArray, std::vector<QString>, int>;
    const Case cases[] = {
        {save, A::No, "", {S}, 0},
        {save, A::Cancel, v, {S}, 0},
        {save, A::Yes, v, {S}, Saved},
        {save, A::Yes, "folder", {S, " Non hai inserito il dischetto"}, 0},
        {load, A::Cancel, v, {L}, 0},
        {load, A::Yes, v, {L}, Loaded},
        {load, A::Yes, "", {L}, 0},
        {load, A::Yes, three, {L}, 0},
        {load, A::Yes, "pipe", {L}, 0},
        {load, A::Yes, QByteArray("\x00\xff\"\n", 4), {L}, 0},
        {load, A::Yes, v + QByteArray(1 << 24, 'x'), {L}, Loaded},  // its first line
        {end, A::Cancel, v, {E}, 0},
        {end, A::Yes, "folder", {E, "Devi inserire un dischetto"}, 0},
        {end, A::No, v, {E}, Ended},
        {end, A::Yes, v, {E}, Saved | Ended},
    };
    QLineEdit* const boxes[] = {form->Txtnx, form->txtny, form->txtcicli, form->txtingr};
    for (const auto& [item, answer, before, messages, outcome] : cases) {
        SCOPED_TRACE(messages[0].left(10).toStdString() + " " + before.left(20).toStdString());
        QFile::remove(file);
        QDir(file).removeRecursively();
        QFile out(file);
        ASSERT_TRUE(before == "folder" ? QDir().mkpath(file)
                    : before == "pipe" ? mkfifo(path.constData(), 0600) == 0
                                       : before.isEmpty() || (out.open(QIODevice::WriteOnly) &&
                                                              out.write(before) > 0));
        out.close();
        // Opening the pipe to read would wait for its writer, then read its view.
        std::thread writer([&] {
            const int fd = before == "pipe" ? open(path.constData(), O_WRONLY) : -1;
            EXPECT_TRUE(fd < 0 || (::write(fd, v.constData(), v.size()) > 0 && close(fd) == 0));
        });
        form->showScreen();
        for (int i = 0; i < 4; ++i) {
            boxes[i]->setText(typed[i]);
        }
        form->Txtxini->setText("0,5");  // a point clicked before: a loaded view forgets it
        dialogs->shown.clear();
        dialogs->answers = {answer};
        item ? item->trigger() : form->Cmdpagini->click();
        // Lets the writer go when nothing read the pipe.
        const int reader = before == "pipe" ? open(path.constData(), O_RDONLY | O_NONBLOCK) : -1;
        writer.join();
        close(reader);
        EXPECT_EQ(dialogs->messages(), messages);
        EXPECT_EQ(
            QStringList({boxes[0]->text(), boxes[1]->text(), boxes[2]->text(), boxes[3]->text()}),
            outcome & Loaded ? QStringList({"-1", "0,5", "piò", "3"}) : typed);
        EXPECT_EQ(form->Txtxini->text(), outcome & Loaded ? "0" : "0,5");
        QFile in(file);
        EXPECT_EQ(QFileInfo(file).isFile() && in.open(QIODevice::ReadOnly) ? in.readAll() : before,
                  outcome & Saved ? line : before);
        EXPECT_EQ(form->isVisible(), !(outcome & Ended));
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
    EXPECT_TRUE(dialogs->messages().size() == 1 &&
                dialogs->messages()[0].startsWith("L'immagine non è stata salvata"));
}
