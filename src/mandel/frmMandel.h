#pragma once

#include <QPointer>
#include <QString>
#include <functional>

#include "shell/Clock.h"
#include "shell/Form.h"

namespace EscapeTime {
struct View;
struct Weights;
struct Picture;
}  // namespace EscapeTime

class Canvas;
class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QScrollBar;
class QTimer;

// The explorer: the Mandelbrot set or a Julia set in a 300 x 300 picture, the boxes
// that define the view, the colour controls, and the menu bar that leads everywhere.
class frmMandel : public Form {
    Q_OBJECT
  public:
    explicit frmMandel(QWidget* parent = nullptr);

    Canvas* pictmandel;
    QPushButton* cmddisegna;
    QPushButton* CMDINGR;
    QPushButton* Cmdmandel;
    QPushButton* Cmdschermo;
    QPushButton* Cmdsave;
    QPushButton* Cmdao;
    QPushButton* Cmdpagini;
    QLineEdit* Txtnx;
    QLineEdit* txtny;
    QLineEdit* txtingr;
    QLineEdit* txtcicli;
    QLineEdit* txtpasso;
    QLineEdit* Txtcolore;
    QLineEdit* txtverde;
    QLineEdit* txtblu;
    QScrollBar* vscrosso;
    QScrollBar* vscverde;
    QScrollBar* vscblu;
    QScrollBar* vsccolori;
    QLabel* lblcolore;
    QLabel* lblcicli;
    QLabel* lblistruzione;
    QLabel* Lblmand;
    QLineEdit* Txtxini;
    QLineEdit* Txtyini;
    QLineEdit* Textb;
    QLineEdit* Text3;
    QTimer* Timer1;

    QMenu* mnufile;
    QAction* mnuistrufile;
    QAction* mnujulia;
    QAction* anim;
    QAction* mandiversi;
    QAction* salvaparamomentanei;
    QAction* mnuParametri;
    QAction* coordinate;
    QAction* mnucicli;
    QAction* mnucolore;
    QMenu* mnuzone;
    QAction* mnuMandel;
    QAction* mnucode;
    QAction* mnuPalle;
    QAction* mnuPizzo;
    QAction* mnuSpirale;
    QAction* mnuraggi;
    QAction* mnuocchio;
    QAction* mnuStellamarina;
    QAction* mnubiblio;
    QAction* mnuautore;
    QAction* mnuMandiniz;
    QAction* atrattore;
    QAction* mnukok;
    QAction* veru;
    QAction* mnufelce;

    // A place: its view as stored text and its explanation.
    struct Preset;

    // Set by a key or a click while a full-screen drawing yields; ends that drawing.
    bool stopRequested = false;

    void Form_Load() override;
    void Form_KeyDown(int keyCode, int shift);
    void cmddisegna_KeyDown(int keyCode, int shift);
    void Form_MouseDown(int button, int shift, double x, double y);
    void cmddisegna_Click();

    // Navigation: the click that marks the next centre, the zoom, the mode and size
    // toggles, and the click on the bare screen that brings the controls back.
    void pictmandel_MouseDown(int button, int shift, double x, double y);
    void CMDINGR_MouseDown(int button, int shift, double x, double y);
    void Cmdmandel_Click();
    void Cmdmandel_MouseDown(int button, int shift, double x, double y);
    void Cmdschermo_Click();
    void Cmdschermo_MouseDown(int button, int shift, double x, double y);
    void Form_Click();
    void coordinate_Click();

    // Colour bars: Change when a bar moves by arrow, track or the end of a drag;
    // Scroll while its thumb is dragged.
    void vscrosso_Change();
    void vscverde_Change();
    void vscblu_Change();
    void vsccolori_Change();
    void vscrosso_Scroll();
    void vscverde_Scroll();
    void vscblu_Scroll();
    void vsccolori_Scroll();

    // Preset places, the start view, and the hint shown when their submenu opens.
    void mnuMandel_Click();
    void mnucode_Click();
    void mnuPalle_Click();
    void mnuPizzo_Click();
    void mnuSpirale_Click();
    void mnuraggi_Click();
    void mnuocchio_Click();
    void mnuStellamarina_Click();
    void mnuMandiniz_Click();
    void mnuzone_Click();

    // The view in the parameter file, the picture as a bitmap, the end of the program.
    void salvaparamomentanei_Click();
    void mnuParametri_Click();
    void Cmdsave_Click();
    void Cmdpagini_Click();

    // The film of Julia sets and its explanations.
    void Cmdao_Click();
    void Cmdao_MouseDown(int button, int shift, double x, double y);
    void anim_Click();

    // Help: right-click pages of the labels, the printed page, the menu pages.
    void lblcicli_MouseDown(int button, int shift, double x, double y);
    void lblcolore_MouseDown(int button, int shift, double x, double y);
    void lblistruzione_MouseDown(int button, int shift, double x, double y);
    void Lblmand_MouseDown(int button, int shift, double x, double y);
    void mnuistrufile_Click();
    void mnujulia_Click();
    void mnucicli_Click();
    void mnucolore_Click();
    void mnubiblio_Click();
    void mnuautore_Click();

    // The menu items that open the other screens.
    void atrattore_Click();
    void mnukok_Click();
    void veru_Click();
    void mnufelce_Click();
    void mandiversi_Click();

  private:
    void createControls();
    void createMenus();
    void wireEvents();

    // The drawing, in the order the renderer runs; each returns false when it
    // refused the view with a message.
    bool drawMandelbrot();
    void drawSmallMandelbrot(const EscapeTime::View& view, int limit,
                             const EscapeTime::Weights& weights, float startTime);
    void drawLargeMandelbrot(const EscapeTime::View& view, int limit,
                             const EscapeTime::Weights& weights);
    bool drawJulia();
    bool centreInRange(double x, double y);
    EscapeTime::Weights readWeights() const;
    // R + 256 G + 65536 B from the three colour boxes, as a whole number.
    ColourNumber colourMix() const;
    void paintColourSwatch();
    // Paints a colour box with its own primary: its number times the unit.
    void scrollPrimary(QLineEdit* box, ColourNumber unit);
    // Calls the handlers of a bar: Scroll while dragged, Change otherwise.
    // Writes the four view boxes to the parameter file; false when it failed.
    bool saveView() const;
    // Writes a place's view and explanation, then draws it.
    void applyPreset(const Preset& preset);
    void wireBar(QScrollBar* bar, void (frmMandel::*change)(), void (frmMandel::*scroll)());
    void clearPendingMove();
    void blitPicture(Canvas* canvas, const EscapeTime::Picture& picture);
    void drawChart(int limit, Clock::Elapsed elapsed);
    void refusalExit(const QString& centreX, const QString& centreY);
    void errorExit();
    // The message for a box that holds no number.
    void reportInputError();
    // Shows the instruction label with a page in its small font.
    void showInstruction(const QString& caption);
    // A label page: the screen's print cleared, the centre boxes hidden, the page up.
    void showLabelPage(const QString& page);
    // A menu page in the instruction label.
    void showMenuPage(const QString& page);
    void commonEnd();
    // Thrown when the screen was unloaded while a drawing yielded.
    struct Unloaded {};
    // Thrown when events run by a drawing started another, which takes its place.
    struct Replaced {};
    // Lets events run inside a drawing, then leaves it by Unloaded or Replaced; a
    // closed window ends it as a key would.
    void letEventsRun(const std::function<void()>& yield);
    // The full-screen drawing's look at the events.
    void yieldOrLeave();

    // A drawing from its start to its end. While one runs, every key pressed in the
    // window is the screen's, whatever holds the focus, and a click on the bare screen
    // brings the controls back only once the drawing has returned.
    class Drawing {
      public:
        explicit Drawing(frmMandel* form);
        ~Drawing();
        Drawing(const Drawing&) = delete;
        Drawing& operator=(const Drawing&) = delete;

      private:
        QPointer<frmMandel> form_;
    };
    // Drawings started: one that lets events run was replaced when this has moved on.
    int drawingsStarted_ = 0;
    // Drawings running, nested ones included.
    int drawingsRunning_ = 0;
    bool restoreWhenDrawn_ = false;
    bool eventFilter(QObject* watched, QEvent* event) override;
};
