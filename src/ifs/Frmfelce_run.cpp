// The drawings of the IFS screen: the run of the grid's maps behind "Nuovo
// disegno", and the six ready-made figures.
#include <QFontMetricsF>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <cmath>
#include <vector>

#include "Frmfelce.h"
#include "Frmfelce_texts.h"
#include "IfsEngine.h"
#include "IfsPresets.h"
#include "shell/Canvas.h"
#include "shell/Controls.h"
#include "shell/DecimalEntry.h"
#include "shell/Fonts.h"
#include "shell/Numbers.h"
#include "shell/PointsAhead.h"
#include "shell/Random.h"
#include "shell/RuntimeFailure.h"

namespace {

constexpr ColourNumber HeaderPink = 16761087;
constexpr ColourNumber Black = 0;
constexpr ColourNumber Green = 65280;
constexpr ColourNumber White = 16777215;
constexpr ColourNumber Red = 255;
constexpr int ArrowHourglass = 13;
const QString Waiting = QStringLiteral("Aspetta un attimo, prego!!");
const QString NewDrawing = QStringLiteral("Nuovo disegno");

// Reads a box's number afresh at every point, but parses its text again only when
// the text has changed: the pupil may type while the figure is drawn.
class BoxNumber {
  public:
    explicit BoxNumber(const QLineEdit* box) : box_(box) {}
    double read() {
        const QString text = box_->text();
        if (!parsed_ || text != text_) {
            value_ = DecimalEntry::read(text);
            text_ = text;
            parsed_ = true;
        }
        return value_;
    }

  private:
    const QLineEdit* box_;
    QString text_;
    double value_ = 0;
    bool parsed_ = false;
};

// The palette colour a colour box holds; a number outside 0..15 fails.
class BoxColour {
  public:
    explicit BoxColour(const QLineEdit* box) : number_(box) {}
    ColourNumber read() { return Colour::QBColor(Numbers::toInt16(number_.read())); }

  private:
    BoxNumber number_;
};

// The grid's rows, each with the coefficient of the maps its four boxes hold.
struct GridRow {
    std::array<QLineEdit*, 4> Frmfelce::*boxes;
    double Ifs::IfsMap::*coefficient;
};
constexpr GridRow GridRows[] = {
    {&Frmfelce::Txta, &Ifs::IfsMap::a}, {&Frmfelce::txtb, &Ifs::IfsMap::b},
    {&Frmfelce::txtc, &Ifs::IfsMap::c}, {&Frmfelce::txtd, &Ifs::IfsMap::d},
    {&Frmfelce::txte, &Ifs::IfsMap::e}, {&Frmfelce::txtf, &Ifs::IfsMap::f},
};

std::vector<BoxColour> colourBoxes(const std::array<QLineEdit*, 4>& boxes) {
    return {BoxColour(boxes[0]), BoxColour(boxes[1]), BoxColour(boxes[2]), BoxColour(boxes[3])};
}

}  // namespace

std::array<QPushButton*, 6> Frmfelce::presetButtons() const {
    return {cmdfelce, Cmdalbero, cmdfalchi, cmdpolvere, cmdzig, Cmdpino};
}

void Frmfelce::setPresetsEnabled(bool enabled) {
    for (QPushButton* preset : presetButtons()) {
        preset->setEnabled(enabled);
    }
}

// The headers of the columns the drawing leaves out turn black.
void Frmfelce::darkenUnusedColumns(double n) {
    if (n == 3) {
        setBackColor(Lblcolonna[2], HeaderPink);
        setBackColor(Lblcolonna[3], Black);
    } else if (n == 2) {
        setBackColor(Lblcolonna[2], Black);
        setBackColor(Lblcolonna[3], Black);
    } else if (n == 4) {
        setBackColor(Lblcolonna[2], HeaderPink);
        setBackColor(Lblcolonna[3], HeaderPink);
    }
}

void Frmfelce::Cmd4_Click() {
    const QPointer<Frmfelce> alive(this);
    // A click while drawing lands here too, nested inside the running drawing:
    // turning the caption back is what stops that drawing.
    Cmd4->setText(Cmd4->text() == NewDrawing ? QStringLiteral("Stop") : NewDrawing);
    Picture1->Cls();
    Picture1->setMousePointer(ArrowHourglass);

    Picture1->PSet(10, 400, Black);
    Picture1->setForeColor(Green);
    const QStringList instructions = FelceTexts::runInstructions();
    double waitingRow = 0;
    for (const QString& line : instructions) {
        if (line == Waiting) {
            waitingRow = Picture1->CurrentY();
        }
        Picture1->Print(line);
    }
    setPresetsEnabled(false);
    paintNow({Cmd4, Picture1});

    PointsAhead ahead(Picture1);
    try {
        const double n = DecimalEntry::read(txtnumcol);
        darkenUnusedColumns(n);
        const double s = DecimalEntry::read(txtgr);
        const double N = DecimalEntry::read(txtcicli);
        std::vector<Ifs::IfsMap> maps(4);
        for (const GridRow& row : GridRows) {
            for (int k = 0; k < 4; ++k) {
                maps[k].*row.coefficient = DecimalEntry::read((this->*row.boxes)[k]);
            }
        }

        std::vector<BoxColour> colours = colourBoxes(txtcol);
        BoxNumber dx(Txtvx);
        BoxNumber dy(txtvy);
        Ifs::Steps steps;
        steps.random = [] { return Random::next(); };
        steps.colour = [&colours](int k) { return colours[k - 1].read(); };
        steps.stop = [this, &alive, &ahead] {
            if (Cmd4->text() == NewDrawing) {
                return true;
            }
            // A stop clicked while the events ran ends the drawing before another
            // point; so does the screen being unloaded meanwhile.
            return ahead.lookAtEvents() && (!alive || Cmd4->text() == NewDrawing);
        };
        steps.offsets = [&dx, &dy] { return Ifs::Offsets{dx.read(), dy.read()}; };
        steps.plot = [&ahead](Ifs::Pixel p, ColourNumber colour) {
            ahead.add(p.column, p.row, colour);
        };
        const Ifs::IfsRun run{n, N, s, 220, 350, Ifs::Sense::Up};
        const Ifs::End end = Ifs::run(run, maps, steps);
        if (!alive) {
            return;
        }
        ahead.putDown();
        if (end == Ifs::End::Finished) {
            Picture1->PSet(10, 450, Black);
            // Blacked out where it was printed, whatever the font's line height.
            Picture1->setCurrentX(0);
            Picture1->setCurrentY(waitingRow);
            Picture1->setForeColor(Black);
            eraseLine(Waiting);
            Picture1->setForeColor(Red);
            Picture1->setFontSize(14);
            Picture1->PSet(190, 460, Black);
            Picture1->Print(QStringLiteral("FINITO"));
            Picture1->setFontSize(8);
        }
    } catch (const RuntimeFailure&) {
        // The points before the failing one stand, as if each had been put down alone;
        // one of them may itself be the point that fails.
        try {
            ahead.putDown();
        } catch (const RuntimeFailure&) {
        }
        errorPage();
    }
    commonEnding();
}

// Overprinting smoothed text in black would leave a grey shadow of it: the line's
// whole box goes black instead, and the print position moves on as a Print would.
void Frmfelce::eraseLine(const QString& text) {
    const QFontMetricsF metrics(screenFont(Picture1->FontSize(), Picture1->FontBold()),
                                &Picture1->image());
    const double left = Picture1->CurrentX();
    const double top = Picture1->CurrentY();
    const double right = left + std::ceil(metrics.horizontalAdvance(text)) + 1;
    const int rows = static_cast<int>(std::ceil(metrics.height()));
    for (int row = 0; row < rows; ++row) {
        Picture1->Line(left, top + row, right, top + row, Black);
    }
    Picture1->setCurrentX(0);
    Picture1->setCurrentY(top + metrics.height());
}

void Frmfelce::commonEnding() {
    Picture1->setMousePointer(0);
    setPresetsEnabled(true);
    Cmd4->setText(NewDrawing);
}

// The page does not say which of the four errors it was.
void Frmfelce::errorPage() {
    Picture1->Cls();
    Picture1->PSet(40, 300, Black);
    Picture1->setFontSize(14);
    Picture1->Print(QStringLiteral("Hai fatto uno di questi quattro errori."));
    Picture1->setFontSize(10);
    Picture1->printLines(FelceTexts::errorLines());
}

// A ready-made figure, drawn at once without yielding.
void Frmfelce::presetRun(const Ifs::Preset& preset, const QStringList& advice) {
    Picture1->Cls();
    DecimalEntry::write(txtnumcol, preset.run.n);
    darkenUnusedColumns(DecimalEntry::read(txtnumcol));
    if (preset.offsets) {
        Picture1->setForeColor(White);
    }
    Picture1->PSet(10, 420, Black);
    Picture1->Print(Waiting);
    paintNow({Picture1});

    std::vector<BoxColour> boxes = colourBoxes(txtcol);
    BoxNumber dx(Txtvx);
    BoxNumber dy(txtvy);
    Ifs::Steps steps;
    steps.random = [] { return Random::next(); };
    steps.colour = [&preset, &boxes](int k) {
        const Ifs::MapColour& colour = preset.colours[k - 1];
        return colour.colourBox == 0 ? colour.fixed : boxes[colour.colourBox - 1].read();
    };
    if (preset.offsets) {
        steps.offsets = [&dx, &dy] { return Ifs::Offsets{dx.read(), dy.read()}; };
    }
    steps.plot = [this](Ifs::Pixel p, ColourNumber colour) {
        Picture1->PSet(p.column, p.row, colour);
    };
    try {
        Ifs::run(preset.run, preset.maps, steps);
    } catch (const RuntimeFailure&) {
        // A colour box or an offset box that holds no usable number.
        errorPage();
        return;
    }

    Picture1->PSet(10, 420, Black);
    Picture1->setForeColor(Black);
    eraseLine(Waiting);
    Picture1->setForeColor(Green);
    Picture1->PSet(10, 420, Black);
    Picture1->Print(QStringLiteral("finito"));
    Picture1->printLines(advice);
}

void Frmfelce::Cmdalbero_Click() {
    presetRun(Ifs::albero(), FelceTexts::adviceAlbero());
}

void Frmfelce::cmdfelce_Click() {
    presetRun(Ifs::felce(), FelceTexts::adviceOthers());
    Cmd4->setText(NewDrawing);
}

void Frmfelce::Cmdpino_Click() {
    presetRun(Ifs::pino(), FelceTexts::adviceOthers());
}

void Frmfelce::cmdfalchi_Click() {
    presetRun(Ifs::falchi(), FelceTexts::adviceOthers());
}

void Frmfelce::cmdpolvere_Click() {
    presetRun(Ifs::triangolo(), FelceTexts::adviceOthers());
}

void Frmfelce::cmdzig_Click() {
    presetRun(Ifs::scarabocchi(), FelceTexts::adviceScarabocchi());
}

// The map count, the scale and the cycles a right click loads.
void Frmfelce::loadCounts(const Ifs::Preset& preset) {
    DecimalEntry::write(txtnumcol, preset.run.n);
    DecimalEntry::write(txtgr, preset.loadedScale);
    DecimalEntry::write(txtcicli, preset.loadedCount);
}

void Frmfelce::loadColumns(const Ifs::Preset& preset) {
    for (std::size_t k = 0; k < preset.maps.size(); ++k) {
        for (const GridRow& row : GridRows) {
            DecimalEntry::write((this->*row.boxes)[k], preset.maps[k].*row.coefficient);
        }
    }
}

namespace {
constexpr int RightButton = 2;
}

// The four-map figures set their counts on any button, the grid only on the right.
void Frmfelce::loadFourMaps(int button, const Ifs::Preset& preset) {
    loadCounts(preset);
    for (QLabel* header : Lblcolonna) {
        setBackColor(header, HeaderPink);
    }
    if (button == RightButton) {
        loadColumns(preset);
    }
}

void Frmfelce::Cmdalbero_MouseDown(int button, int, double, double) {
    loadFourMaps(button, Ifs::albero());
}

void Frmfelce::cmdfelce_MouseDown(int button, int, double, double) {
    loadFourMaps(button, Ifs::felce());
}

void Frmfelce::Cmdpino_MouseDown(int button, int, double, double) {
    loadFourMaps(button, Ifs::pino());
}

void Frmfelce::cmdfalchi_MouseDown(int button, int, double, double) {
    loadFourMaps(button, Ifs::falchi());
}

void Frmfelce::cmdpolvere_MouseDown(int button, int, double, double) {
    if (button != RightButton) {
        return;
    }
    setBackColor(Lblcolonna[3], Black);
    setBackColor(Lblcolonna[2], HeaderPink);
    setBackColor(Lblcolonna[1], HeaderPink);
    setBackColor(Lblcolonna[0], HeaderPink);
    loadCounts(Ifs::triangolo());
    loadColumns(Ifs::triangolo());
}

void Frmfelce::cmdzig_MouseDown(int button, int, double, double) {
    if (button != RightButton) {
        return;
    }
    loadCounts(Ifs::scarabocchi());
    setBackColor(Lblcolonna[3], Black);
    setBackColor(Lblcolonna[2], Black);
    setBackColor(Lblcolonna[1], HeaderPink);
    setBackColor(Lblcolonna[0], HeaderPink);
    loadColumns(Ifs::scarabocchi());
}
