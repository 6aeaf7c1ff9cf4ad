#pragma once

#include <QString>
#include <functional>

class Form;

// The registry of the program's screens: one instance of each, created and loaded on
// its first showing, brought forward with its state on later ones, destroyed when
// unloaded. Screens show each other by name only, so no screen depends on another.
namespace Screens {

using Factory = std::function<Form*()>;

// Makes a screen known under its name.
void define(const QString& name, Factory make);
// Loads the screen if needed (its Form_Load runs) and brings it to the front.
Form* show(const QString& name);
// The loaded instance, or nullptr.
Form* find(const QString& name);
// Closes and destroys the screen; its next showing loads it afresh. Safe from inside
// one of the screen's own handlers: the object goes once control returns to the loop.
void unload(const QString& name);
// Unloads every screen (the end of the program, and between tests).
void unloadAll();
// Ends the program at once: every window closes and the event loop stops.
void endProgram();

}  // namespace Screens
