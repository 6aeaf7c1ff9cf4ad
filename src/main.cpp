#include <QApplication>
#include <QCommandLineParser>
#include <QStyleFactory>
#include <cstdio>

#include "AllScreens.h"
#include "shell/DisplayScale.h"
#include "shell/Screens.h"
#include "shell/Translations.h"

int main(int argc, char* argv[]) {
    DisplayScale::prepare(argc, argv);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("frattalia"));
    installItalianTranslations(app);

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("frattalia: i frattali e il caos, schermata per schermata."));
    parser.addHelpOption();
    const QCommandLineOption scale = DisplayScale::option();
    parser.addOption(scale);
    parser.process(app);
    if (parser.isSet(scale) && !DisplayScale::read(parser.value(scale))) {
        std::fprintf(
            stderr,
            "frattalia: --scala vuole un numero maggiore di 0, fino a 8 (per esempio 1,5).\n");
        return 2;
    }

    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    defineAllScreens();
    Screens::show(QStringLiteral("frmlancio2"));
    const int status = app.exec();
    Screens::unloadAll();
    return status;
}
