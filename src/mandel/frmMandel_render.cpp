// The renderer behind "DISEGNA": reads the boxes, checks them, draws the Mandelbrot
// set small or full screen, or a Julia set, then the chart and the report line.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <utility>

#include "frmMandel.h"
#include "mandel/EscapeTime.h"
#include "shell/Canvas.h"
#include "shell/Controls.h"
#include "shell/DecimalEntry.h"
#include "shell/Dialogs.h"
#include "shell/MouseEvents.h"
#include "shell/Numbers.h"
#include "shell/RuntimeFailure.h"
#include "shell/Yield.h"

namespace {

const QString Busy = QStringLiteral("ATTENDERE PREGO");
const QString ZoomCaption = QStringLiteral("ingrandimenti X 5");
constexpr int Hourglass = 11;
// Full-screen blocks of columns: small at first, doubled while one takes less than
// QuickBlockMs.
constexpr int FirstBlock = 8;
constexpr int LargestBlock = 128;
constexpr qint64 QuickBlockMs = 10;
constexpr int CrossHair = 2;

void setIdle(QPushButton* drawButton, const QString& caption) {
    setBackColor(drawButton, Colour::Green);
    drawButton->setText(caption);
}

}  // namespace

void frmMandel::cmddisegna_Click() {
    const Drawing drawing(this);
    // A refused view leaves the centre the user had before pressing the button.
    const QString shownX = Txtnx->text();
    const QString shownY = txtny->text();
    try {
        setBackColor(lblcolore, colourMix());
        pictmandel->setBackColor(Colour::Black);
        pictmandel->Cls();
        stopRequested = false;
        QWidget* const shownAtStart[] = {Lblmand, Txtnx, txtny, Cmdsave, CMDINGR};
        for (QWidget* control : shownAtStart) {
            control->show();
        }
        const bool drawn =
            Cmdmandel->text() == QLatin1String("Julia") ? drawJulia() : drawMandelbrot();
        if (!drawn) {
            refusalExit(shownX, shownY);
        }
    } catch (const RuntimeFailure&) {
        errorExit();
    } catch (const Unloaded&) {
        return;  // the screen is gone: nothing of it may be touched
    } catch (const Replaced&) {
        return;  // the screen belongs to the drawing that replaced this one
    }
    commonEnd();
}

frmMandel::Drawing::Drawing(frmMandel* form) : form_(form) {
    ++form->drawingsStarted_;
    if (form->drawingsRunning_++ == 0) {
        QCoreApplication::instance()->installEventFilter(form);
    }
}

frmMandel::Drawing::~Drawing() {
    if (!form_ || --form_->drawingsRunning_ > 0) {
        return;
    }
    QCoreApplication::instance()->removeEventFilter(form_);
    if (std::exchange(form_->restoreWhenDrawn_, false)) {
        QTimer::singleShot(0, form_.data(), &frmMandel::Form_Click);
    }
}

bool frmMandel::eventFilter(QObject* watched, QEvent* event) {
    // Keys for the controls of this window only: a message box keeps its own.
    if (event->type() == QEvent::KeyPress && watched->isWidgetType() &&
        static_cast<QWidget*>(watched)->window() == this) {
        const auto* key = static_cast<QKeyEvent*>(event);
        Form_KeyDown(key->key(), shiftState(key->modifiers()));
        return true;
    }
    return Form::eventFilter(watched, event);
}

void frmMandel::letEventsRun(const std::function<void()>& yield) {
    const QPointer<frmMandel> alive(this);
    const int started = drawingsStarted_;
    yield();
    if (!alive) {
        throw Unloaded{};
    }
    if (drawingsStarted_ != started) {
        throw Replaced{};
    }
    if (!isVisible()) {
        stopRequested = true;
    }
}

void frmMandel::yieldOrLeave() {
    letEventsRun(yieldToEvents);
}

bool frmMandel::drawMandelbrot() {
    setBackColor(cmddisegna, Colour::Red);
    cmddisegna->setText(Busy);
    CMDINGR->setText(Busy);
    setMousePointer(Hourglass);
    paintNow({cmddisegna, CMDINGR});
    for (QLineEdit* hidden : {Txtxini, Txtyini, Text3}) {
        hidden->hide();
    }
    const float startTime = Clock::secondsSinceMidnight();

    // A number too large to hold is out of range, and answered as such.
    const double z = DecimalEntry::readUnbounded(txtingr);
    if (z > 25000000000.0 || z < 0.001) {
        MsgBox(QStringLiteral("Ingrandimento massimo 25 miliardi, cambialo!"));
        return false;
    }
    const int limit = EscapeTime::mandelCycleLimit(z, DecimalEntry::read(txtcicli));
    surface()->Cls();
    const double typedX = DecimalEntry::readUnbounded(Txtnx);
    const double typedY = DecimalEntry::readUnbounded(txtny);
    if (!centreInRange(typedX, typedY)) {
        return false;
    }
    const double cx = Numbers::finite(typedX + DecimalEntry::read(Txtxini));
    const double cy = Numbers::finite(typedY - DecimalEntry::read(Txtyini));
    DecimalEntry::write(Txtnx, cx);
    DecimalEntry::write(txtny, cy);
    // Once it is in the centre boxes the move must not be applied a second time.
    clearPendingMove();
    const EscapeTime::View view = EscapeTime::mandelView(cx, cy, z);
    const EscapeTime::Weights weights = readWeights();

    if (Cmdschermo->text() == QLatin1String("Schermo grande")) {
        drawLargeMandelbrot(view, limit, weights);
    } else {
        drawSmallMandelbrot(view, limit, weights, startTime);
    }
    return true;
}

void frmMandel::drawSmallMandelbrot(const EscapeTime::View& view, int limit,
                                    const EscapeTime::Weights& weights, float startTime) {
    pictmandel->show();
    const QSize size = pictmandel->pixelSize();
    blitPicture(pictmandel,
                EscapeTime::smallMandel(view, limit, weights, size.width(), size.height()));
    const Clock::Elapsed elapsed = Clock::elapsedBetween(startTime, Clock::secondsSinceMidnight());

    DecimalEntry::write(Textb, DecimalEntry::read(txtingr));
    CMDINGR->setText(ZoomCaption);
    CMDINGR->setEnabled(true);
    Clock::beep();
    setMousePointer(CrossHair);
    setIdle(cmddisegna, QStringLiteral("DISEGNA"));
    drawChart(limit, elapsed);
}

void frmMandel::drawLargeMandelbrot(const EscapeTime::View& view, int limit,
                                    const EscapeTime::Weights& weights) {
    // The focus would pass down to the last box hidden, which would keep the keys.
    setFocus();
    QWidget* const hiddenInOrder[] = {
        Cmdao,   vsccolori, vscrosso,      vscverde,   vscblu,    txtverde,  txtblu,   pictmandel,
        Txtnx,   txtcicli,  lblistruzione, CMDINGR,    Cmdsave,   txtpasso,  txtny,    cmddisegna,
        txtingr, Cmdpagini, Cmdmandel,     Cmdschermo, Txtcolore, lblcolore, lblcicli, Lblmand};
    for (QWidget* control : hiddenInOrder) {
        control->hide();
    }
    // The biggest picture the display can show: one point for each of its own pixels,
    // the screen's size counted in them.
    Canvas* screen = surface();
    screen->clsInDevicePixels();
    const double wf = std::round(Width() / 15 * screen->pixelRatio());
    const double hf = std::round(Height() / 15 * screen->pixelRatio());
    screen->PSet(120, 300, 1000);
    screen->Print(
        QStringLiteral("Clicca su un punto qualsiasi per tornare alla pagina precedente"));

    // Both axes step by the height, so pixels are square in the plane; the bottom
    // tenth of the screen stays free. Columns are computed ahead in blocks, on all
    // cores, and each block is shown before the events that may stop the drawing run;
    // the blocks grow while they take little time, so a stop is still seen at once.
    const int columns = static_cast<int>(std::floor(wf));
    const int rows = static_cast<int>(std::floor(hf * 90 / 100));
    int block = FirstBlock;
    for (int first = 1; first <= columns && rows > 0;) {
        const int count = std::min(block, columns - first + 1);
        QElapsedTimer timer;
        timer.start();
        blitPicture(screen, EscapeTime::largeMandel(view, limit, weights, hf, first, count, rows));
        first += count;
        yieldOrLeave();
        if (stopRequested) {
            break;
        }
        block = timer.elapsed() < QuickBlockMs ? std::min(2 * block, LargestBlock) : block;
    }

    setMousePointer(CrossHair);
    setIdle(cmddisegna, QStringLiteral("DISEGNA"));
    Cmdschermo->setText(QStringLiteral("Schermo piccolo"));
    Clock::beep();
}

bool frmMandel::drawJulia() {
    surface()->Cls();
    if (Cmdschermo->text() == QLatin1String("Schermo grande")) {
        return true;  // a Julia set is drawn only small; the closing note says so
    }
    pictmandel->Cls();
    cmddisegna->setText(Busy);
    CMDINGR->setText(Busy);
    setMousePointer(Hourglass);
    paintNow({cmddisegna, CMDINGR});

    const double z = DecimalEntry::read(txtingr);
    const EscapeTime::Weights weights = readWeights();
    const double cx = Numbers::finite(DecimalEntry::read(Txtnx) - DecimalEntry::read(Txtxini));
    const double cy = Numbers::finite(DecimalEntry::read(txtny) - DecimalEntry::read(Txtyini));
    DecimalEntry::write(Txtnx, cx);
    DecimalEntry::write(txtny, cy);
    clearPendingMove();
    if (!centreInRange(cx, cy)) {
        return false;
    }
    const EscapeTime::View window = EscapeTime::juliaWindow(z);
    const int limit = EscapeTime::juliaCycleLimit(z, DecimalEntry::read(txtcicli));
    blitPicture(pictmandel, EscapeTime::julia(window, cx, cy, limit, weights));

    CMDINGR->setText(ZoomCaption);
    CMDINGR->setEnabled(true);
    setIdle(cmddisegna, QStringLiteral("Disegna"));
    setMousePointer(CrossHair);
    Clock::beep();
    Txtnx->show();
    txtny->show();
    return true;
}

bool frmMandel::centreInRange(double x, double y) {
    if (x <= -4.5 || x > 3) {
        MsgBox(
            QStringLiteral("coordinata x troppo bassa o troppo alta, oppure hai messo punto "
                           "invece della virgola!"));
        return false;
    }
    if (y < -3.5 || y > 3.5) {
        MsgBox(
            QStringLiteral("coordinata y troppo bassa o troppo alta,oppure hai messo punto "
                           "invece della virgola!"));
        return false;
    }
    return true;
}

EscapeTime::Weights frmMandel::readWeights() const {
    return {DecimalEntry::read(Txtcolore), DecimalEntry::read(txtverde), DecimalEntry::read(txtblu),
            DecimalEntry::read(txtpasso)};
}

void frmMandel::clearPendingMove() {
    Txtxini->setText(QStringLiteral("0"));
    Txtyini->setText(QStringLiteral("0"));
}

void frmMandel::blitPicture(Canvas* canvas, const EscapeTime::Picture& picture) {
    const std::size_t count = picture.failedAt.value_or(picture.colours.size());
    const int fullColumns = static_cast<int>(count / picture.rows);
    canvas->blitColumns(picture.left, picture.top, fullColumns, picture.rows,
                        picture.colours.data());
    // The print position ends on the last point, as when the points are set one by one.
    if (count > 0) {
        canvas->setCurrentX(picture.left + static_cast<double>((count - 1) / picture.rows));
        canvas->setCurrentY(picture.top + static_cast<double>((count - 1) % picture.rows));
    }
    if (picture.failedAt) {
        // The pixels before the failing one stay, as if drawn one by one.
        canvas->blitColumns(
            picture.left + fullColumns, picture.top, 1, static_cast<int>(count % picture.rows),
            picture.colours.data() + static_cast<std::size_t>(fullColumns) * picture.rows);
        throw RuntimeFailure("overflow");
    }
}

void frmMandel::drawChart(int limit, Clock::Elapsed elapsed) {
    Canvas* screen = surface();
    const double cxs = Width() / 15 / 2;
    const double cys = Height() / 15 / 2;
    // The labels are those of the start view, whatever the view.
    double lx = -2.25;
    double ly = 1.5;
    screen->setFontSize(8);
    screen->setDrawWidth(1);
    for (int k = 1; k <= 301; k += 30) {
        lx += 0.25;
        ly -= 0.25;
        screen->Line(cxs + 152, cys - 153 + k, cxs + 172, cys - 153 + k, Colour::Green);
        screen->Line(cxs - 153 + k, cys + 150, cxs - 153 + k, cys + 170, Colour::Red);
        screen->PSet(cxs - 157 + k, cys + 173, Colour::Black);
        screen->Print(DecimalEntry::printed(lx));
        screen->PSet(cxs + 173, cys - 153 + k, Colour::Black);
        screen->Print(DecimalEntry::printed(ly));
    }
    screen->setDrawWidth(2);
    screen->Line(cxs - 152, cys + 158, cxs + 155, cys + 158, Colour::Red);
    screen->Line(cxs + 158, cys + 153, cxs + 158, cys - 152, Colour::Green);
    screen->PSet(cxs - 270, cys + 153, Colour::Red);
    screen->Print(QStringLiteral("Asse rosso reale x"));
    screen->PSet(cxs + 189, cys - 3, Colour::Red);
    screen->Print(QStringLiteral("Asse verde immaginario  y"));
    screen->PSet(10, 680, Colour::White);
    screen->Print(QStringLiteral("ingrandimenti = ") + txtingr->text() +
                  QStringLiteral("  asse x = ") + Txtnx->text() + QStringLiteral("  asse Y = ") +
                  txtny->text() + QStringLiteral("  cicli =  ") + DecimalEntry::printed(limit) +
                  QStringLiteral("      impiegati ") + DecimalEntry::printed(elapsed.minutes) +
                  QStringLiteral(" minuti e") + DecimalEntry::printed(elapsed.seconds) +
                  QStringLiteral(" secondi"));
}

void frmMandel::refusalExit(const QString& centreX, const QString& centreY) {
    Txtnx->setText(centreX);
    txtny->setText(centreY);
    setMousePointer(CrossHair);
    clearPendingMove();
}

void frmMandel::errorExit() {
    setMousePointer(CrossHair);
    setIdle(cmddisegna, QStringLiteral("Disegna"));
    reportInputError();
}

void frmMandel::reportInputError() {
    MsgBox(
        QStringLiteral("Hai immesso una Lettera invece di un numero, o un Punto inveve della "
                       "virgola, oppure una casella è vuota. Correggere!"));
}

void frmMandel::commonEnd() {
    surface()->Print(QStringLiteral("L'INSIEME DI GIULIA E' VISIBILE") +
                     QStringLiteral(" SOLO CON SCHERMO PICCOLO."));
    stopRequested = false;
}
