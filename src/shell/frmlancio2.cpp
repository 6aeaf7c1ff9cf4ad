#include "frmlancio2.h"

#include <QLabel>
#include <QTimer>

#include "Canvas.h"
#include "Controls.h"
#include "Fonts.h"
#include "Random.h"
#include "ScreenLayout.h"
#include "Screens.h"
#include "SplashPicture.h"

namespace {
constexpr int JuliaInterval = 10000;
constexpr int MandelbrotInterval = 4000;
// Text position and colour of the closing caption, on the splash screen itself.
constexpr double CaptionX = 400;
constexpr double CaptionY = 240;
}  // namespace

frmlancio2::frmlancio2(QWidget* parent)
    : Form(QStringLiteral("Presentazione"), Colour::WindowGrey, parent) {
    setClientSize(540, 311);
    QWidget* s = surface();
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setSingleShot(false);
    Picture1 = newPicture(s, "Picture1", Colour::WindowGrey);
    ScreenLayout::setGeometry(Picture1, QRect(168, 104, 217, 137));

    Label1 = newLabel(s, "Label1", QStringLiteral("L'insieme  di  Mandelbrot   e  di  Julia"));
    ScreenLayout::setGeometry(Label1, QRect(64, 8, 481, 33));
    Label1->setFont(screenFont(18, true));
    setForeColor(Label1, 128);
    Label2 = newLabel(s, "Label2", QStringLiteral("Un viaggio tra i frattali e il caos"));
    ScreenLayout::setGeometry(Label2, QRect(8, 56, 249, 17));
    setForeColor(Label2, 8388608);
    Label4 = newLabel(s, "Label4", QStringLiteral("Da  il meglio  con  risoluzione  1024x768 "));
    ScreenLayout::setGeometry(Label4, QRect(88, 272, 353, 17));
    Label4->setFont(screenFont(12, true));

    connect(Timer1, &QTimer::timeout, this, &frmlancio2::Timer1_Timer);
    connect(Picture1, &Canvas::clicked, this, &frmlancio2::Picture1_Click);
    connect(surface(), &Canvas::clicked, this, &frmlancio2::Form_Click);
}

void frmlancio2::Form_Load() {
    Picture1->show();
    // The screen is already on show (showScreen shows it before loading).
    Picture1->setFocus();
    Picture1_Click();
}

void frmlancio2::drawFrame() {
    Canvas* s = surface();
    for (int i = 1; i <= 10; ++i) {
        s->Circle(276, 75, i / 4.0 + 2, Colour::Black);
        s->Line(162, 92, 276, 75, Colour::Red);
        s->Line(390, 92, 276, 75, Colour::Red);
        s->Box(155 + i, 92 + i, 397 - i, 252 - i, static_cast<ColourNumber>(i) * 1000);
    }
}

void frmlancio2::Picture1_Click() {
    Canvas* s = surface();
    drawFrame();
    Random::seedFromClock();
    const SplashPicture::Choice choice = SplashPicture::choose();
    if (SplashPicture::showsJulia(choice)) {
        Timer1->start(JuliaInterval);
        for (int k = 1; k <= 5; ++k) {
            s->Cls();
            const auto picture = SplashPicture::julia(k, choice.R);
            Picture1->blitColumns(1, 1, SplashPicture::Columns, SplashPicture::Rows,
                                  picture.data());
            // Each set appears in turn, without handling any event meanwhile.
            Picture1->repaint();
        }
        s->PSet(CaptionX, CaptionY, 200000);
        s->setForeColor(Colour::Red);
        s->Print(QStringLiteral(" INSIEMI DI GIULIA"));
    } else {
        Timer1->start(MandelbrotInterval);
        const auto picture = SplashPicture::mandelbrot(choice.S);
        Picture1->blitColumns(1, 1, SplashPicture::Columns, SplashPicture::Rows, picture.data());
        s->PSet(CaptionX, CaptionY, 120000);
        s->setForeColor(Colour::Red);
        s->Print(QStringLiteral(" INSIEME DI MANDELBROT"));
    }
}

void frmlancio2::Timer1_Timer() {
    Screens::show(QStringLiteral("frmMandel"));
    Timer1->stop();
    Screens::unload(QStringLiteral("frmlancio2"));
}

void frmlancio2::Form_Click() {
    Screens::show(QStringLiteral("frmMandel"));
}
