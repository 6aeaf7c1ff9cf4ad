#include <gtest/gtest.h>

#include <QApplication>
#include <QStyleFactory>

#include "AllScreens.h"
#include "shell/Dialogs.h"
#include "shell/ScreenLayout.h"
#include "shell/Translations.h"

int main(int argc, char** argv) {
    // Headless, on one 1024 x 768 screen without window frames, so a maximised
    // screen has the size the program is laid out for.
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (platform.isEmpty() || platform == "offscreen") {
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" OFFSCREEN_CONFIG);
    }
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    installItalianTranslations(app);
    // The layout is that of the display the program is made for.
    ScreenLayout::setDisplaySize(QSize(1024, 768));
    Dialogs::install(std::make_unique<ScriptedDialogs>());
    defineAllScreens();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
