#include "Screens.h"

#include <QApplication>
#include <QHash>
#include <QPointer>

#include "Form.h"

namespace Screens {
namespace {

QHash<QString, Factory>& factories() {
    static QHash<QString, Factory> table;
    return table;
}

QHash<QString, QPointer<Form>>& instances() {
    static QHash<QString, QPointer<Form>> table;
    return table;
}

}  // namespace

void define(const QString& name, Factory make) {
    factories().insert(name, std::move(make));
}

Form* find(const QString& name) {
    return instances().value(name).data();
}

Form* show(const QString& name) {
    Form* screen = find(name);
    if (!screen) {
        const Factory make = factories().value(name);
        if (!make) {
            return nullptr;
        }
        screen = make();
        screen->setObjectName(name);
        // Closing the window unloads the screen, as its own unloading does.
        screen->setAttribute(Qt::WA_DeleteOnClose);
        instances().insert(name, screen);
    }
    screen->showScreen();
    return screen;
}

void unload(const QString& name) {
    const QPointer<Form> screen = instances().take(name);
    if (screen) {
        screen->close();
    }
}

void unloadAll() {
    const QStringList names = instances().keys();
    for (const QString& name : names) {
        unload(name);
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void endProgram() {
    unloadAll();
    QApplication::closeAllWindows();
    QCoreApplication::quit();
}

}  // namespace Screens
