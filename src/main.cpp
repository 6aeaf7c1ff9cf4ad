#include <QApplication>
#include <QStyleFactory>

#include "mandel/frmMandel.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("frattalia"));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));

    frmMandel explorer;
    explorer.showScreen();
    return app.exec();
}
