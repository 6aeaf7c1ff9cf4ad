#pragma once

#include <QStringList>
#include <array>

#include "shell/Form.h"

namespace Ifs {
struct Preset;
}

class Canvas;
class QLabel;
class QLineEdit;
class QPushButton;

// The IFS screen: ferns, trees and other figures drawn by random iteration from up
// to four affine maps, six ready-made figures, and a grid where the pupil types
// maps of their own.
class Frmfelce : public Form {
    Q_OBJECT
  public:
    explicit Frmfelce(QWidget* parent = nullptr);

    Canvas* Picture1;
    // The grid: member i of each row is column i + 1, the map i + 1.
    std::array<QLineEdit*, 4> Txta;
    std::array<QLineEdit*, 4> txtb;
    std::array<QLineEdit*, 4> txtc;
    std::array<QLineEdit*, 4> txtd;
    std::array<QLineEdit*, 4> txte;
    std::array<QLineEdit*, 4> txtf;
    std::array<QLineEdit*, 4> txtcol;
    std::array<QLabel*, 4> Lblcolonna;
    std::array<QLabel*, 6> lblriga;
    QLabel* Lblcol;
    QLabel* Lblor;
    QLabel* lblver;
    QLabel* lblcicli;
    QLabel* lblistruz;
    QLineEdit* Txtvx;
    QLineEdit* txtvy;
    QLineEdit* txtcicli;
    // Never shown: the scale and the number of maps, set by the preset buttons.
    QLineEdit* txtgr;
    QLineEdit* txtnumcol;
    QPushButton* Cmd4;
    QPushButton* Cmdalbero;
    QPushButton* cmdfelce;
    QPushButton* Cmdpino;
    QPushButton* cmdfalchi;
    QPushButton* cmdpolvere;
    QPushButton* cmdzig;
    QPushButton* Cmdfine;

    void Form_Load() override;
    void Cmdfine_Click();

    // Draws the grid's maps; while it draws, the same button stops it.
    void Cmd4_Click();

    // A left click draws the ready-made figure.
    void Cmdalbero_Click();
    void cmdfelce_Click();
    void Cmdpino_Click();
    void cmdfalchi_Click();
    void cmdpolvere_Click();
    void cmdzig_Click();
    // The right button loads the figure's maps into the grid.
    void Cmdalbero_MouseDown(int button, int shift, double x, double y);
    void cmdfelce_MouseDown(int button, int shift, double x, double y);
    void Cmdpino_MouseDown(int button, int shift, double x, double y);
    void cmdfalchi_MouseDown(int button, int shift, double x, double y);
    void cmdpolvere_MouseDown(int button, int shift, double x, double y);
    void cmdzig_MouseDown(int button, int shift, double x, double y);

    // The explanation pages.
    void lblcicli_Click();
    void Lblcol_Click();
    void Lblcolonna_Click(int Index);
    void lblistruz_Click();
    void Lblor_Click();
    void lblriga_Click(int Index);
    void lblver_Click();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void createControls();
    void wireEvents();

    std::array<QPushButton*, 6> presetButtons() const;
    void setPresetsEnabled(bool enabled);
    void darkenUnusedColumns(double n);
    void presetRun(const Ifs::Preset& preset, const QStringList& advice);
    void loadCounts(const Ifs::Preset& preset);
    void loadColumns(const Ifs::Preset& preset);
    void loadFourMaps(int button, const Ifs::Preset& preset);
    void eraseLine(const QString& text);
    void errorPage();
    void commonEnding();
};
