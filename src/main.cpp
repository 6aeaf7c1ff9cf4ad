#include <QApplication>
#include <QStyleFactory>

#include "AllScreens.h"
#include "shell/Screens.h"
#include "shell/Translations.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("frattalia"));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    installItalianTranslations(app);

    defineAllScreens();
    Screens::show(QStringLiteral("frmlancio2"));
    const int status = app.exec();
    Screens::unloadAll();
    return status;
}
