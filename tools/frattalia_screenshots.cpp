// Opens every screen of the program, draws its main pictures through the screens'
// own handlers and saves each screen as a PNG: the pictures of the README.
// Usage: frattalia_screenshots [--scala <fattore>] <folder>
#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QEventLoop>
#include <QLineEdit>
#include <QPixmap>
#include <QStyleFactory>
#include <QTimer>
#include <cstdio>
#include <functional>
#include <memory>

#include "AllScreens.h"
#include "henon/frmattratHenon.h"
#include "ifs/Frmfelce.h"
#include "koch/frmkochisle.h"
#include "mandel/frmMandel.h"
#include "shell/Dialogs.h"
#include "shell/DisplayScale.h"
#include "shell/Screens.h"
#include "variants/frmMandiversi.h"
#include "verhulst/frmverhulst2.h"

namespace {

QDir folder;
int failures = 0;

// Lets pending paints and layouts run for a moment.
void settle(int milliseconds = 150) {
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

void save(QWidget* screen, const QString& name) {
    const QString file = folder.filePath(name + QStringLiteral(".png"));
    if (screen->grab().save(file, "PNG")) {
        std::printf("%s\n", qPrintable(file));
    } else {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
        ++failures;
    }
}

void shoot(QWidget* screen, const QString& name) {
    settle();
    save(screen, name);
}

template <typename Screen>
Screen* open(const char* name) {
    auto* screen = static_cast<Screen*>(Screens::show(QLatin1String(name)));
    settle(300);
    return screen;
}

void splash() {
    Form* screen = Screens::show(QStringLiteral("frmlancio2"));
    shoot(screen, QStringLiteral("01-avvio"));
    // Before its timer opens the explorer.
    Screens::unloadAll();
}

void explorer(ScriptedDialogs& dialogs) {
    auto* m = open<frmMandel>("frmMandel");
    shoot(m, QStringLiteral("02-esploratore"));

    m->mnuocchio_Click();
    shoot(m, QStringLiteral("03-esploratore-occhio"));

    // The Julia set of a point on the edge of the set, at magnification 1.
    m->Cmdmandel_Click();
    m->Txtnx->setText(QStringLiteral("-0,12"));
    m->txtny->setText(QStringLiteral("0,75"));
    m->txtingr->setText(QStringLiteral("1"));
    m->cmddisegna_Click();
    shoot(m, QStringLiteral("04-julia"));

    // The start view on the whole screen; the drawing sets the size back to small.
    m->Cmdmandel_Click();
    m->mnuMandiniz_Click();
    m->Cmdschermo_Click();
    m->cmddisegna_Click();
    shoot(m, QStringLiteral("05-schermo-grande"));
    m->Form_Click();
    m->mnuMandiniz_Click();

    // The film: one frame in the middle of a film of 20, then stopped.
    dialogs.inputs.push_back(QStringLiteral("20"));
    QTimer::singleShot(1200, m, [m] {
        save(m, QStringLiteral("06-film"));
        m->stopRequested = true;
    });
    m->Cmdao_Click();
}

void variants() {
    auto* v = open<frmMandiversi>("frmMandiversi");
    shoot(v, QStringLiteral("07-varianti"));
    for (const char* formula : {"3", "7"}) {
        v->Text1->setText(QLatin1String(formula));
        v->Cmdstart_Click();
        shoot(v, QStringLiteral("08-variante-%1").arg(QLatin1String(formula)));
    }
    v->Cmdterza_Click();
    shoot(v, QStringLiteral("09-cubico"));
    v->Cmdtredi_Click();
    shoot(v, QStringLiteral("10-rilievo"));
}

void ifs() {
    auto* f = open<Frmfelce>("Frmfelce");
    const std::pair<const char*, std::function<void()>> figures[] = {
        {"11-ifs-albero", [f] { f->Cmdalbero_Click(); }},
        {"12-ifs-felce", [f] { f->cmdfelce_Click(); }},
        {"13-ifs-pino", [f] { f->Cmdpino_Click(); }},
        {"14-ifs-falchi", [f] { f->cmdfalchi_Click(); }},
        {"15-ifs-polvere", [f] { f->cmdpolvere_Click(); }},
        {"16-ifs-scarabocchi", [f] { f->cmdzig_Click(); }},
    };
    for (const auto& [name, draw] : figures) {
        draw();
        shoot(f, QLatin1String(name));
    }
}

void verhulst() {
    auto* v = open<frmverhulst2>("frmverhulst2");
    v->Cmdgrafico_Click();
    shoot(v, QStringLiteral("17-verhulst-grafico"));
    v->Cmdper1_Click();
    shoot(v, QStringLiteral("18-verhulst-periodo-1"));
    v->Cmdper2_Click();
    shoot(v, QStringLiteral("19-verhulst-periodo-2"));
    v->Cmdper4_Click();
    shoot(v, QStringLiteral("20-verhulst-periodo-4"));
    v->Cmdcaos_Click();
    shoot(v, QStringLiteral("21-verhulst-caos"));
    v->cmddisegna_Click();
    shoot(v, QStringLiteral("22-verhulst-diagramma"));
}

void koch() {
    auto* k = open<frmkochisle>("frmkochisle");
    // The pupil's way: the explanation page, then the triangle and the four
    // transformations one by one; then the whole series side by side.
    k->Cmdcompleta_Click();
    k->Cmd1_Click();
    k->Cmd2_Click();
    k->Cmd3_Click();
    k->Cmd4_Click();
    k->Cmd5_Click();
    shoot(k, QStringLiteral("23-koch-isola"));
    k->cmddisegna_Click();
    shoot(k, QStringLiteral("24-koch-serie"));
}

void henon() {
    auto* h = open<frmattratHenon>("frmattratHenon");
    h->cmddisegna_Click();
    shoot(h, QStringLiteral("25-henon"));
}

}  // namespace

int main(int argc, char* argv[]) {
    // The screens at the scale the program would take on this display, or at --scala.
    DisplayScale::prepare(argc, argv);
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addOption(DisplayScale::option());
    parser.addPositionalArgument(QStringLiteral("folder"), QStringLiteral("where the PNGs go"));
    parser.process(app);
    if (parser.positionalArguments().size() != 1) {
        parser.showHelp(2);
    }
    const QString target = parser.positionalArguments().constFirst();
    QApplication::setApplicationName(QStringLiteral("frattalia"));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    folder.setPath(target);
    if (!folder.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(target));
        return 1;
    }
    // Nobody answers dialogs here: the film's length comes from this script.
    auto scripted = std::make_unique<ScriptedDialogs>();
    ScriptedDialogs& dialogs = *scripted;
    Dialogs::install(std::move(scripted));
    defineAllScreens();

    splash();
    explorer(dialogs);
    variants();
    ifs();
    verhulst();
    koch();
    henon();
    Screens::unloadAll();
    return failures == 0 ? 0 : 1;
}
