#include "AllScreens.h"

#include "henon/frmattratHenon.h"
#include "ifs/Frmfelce.h"
#include "koch/frmkochisle.h"
#include "mandel/frmMandel.h"
#include "shell/Screens.h"
#include "shell/frmlancio2.h"
#include "variants/frmMandiversi.h"
#include "verhulst/frmverhulst2.h"

namespace {
template <typename Screen>
void define(const char* name) {
    Screens::define(QLatin1String(name), [] { return new Screen(); });
}
}  // namespace

void defineAllScreens() {
    define<frmlancio2>("frmlancio2");
    define<frmMandel>("frmMandel");
    define<frmattratHenon>("frmattratHenon");
    define<frmkochisle>("frmkochisle");
    define<frmverhulst2>("frmverhulst2");
    define<Frmfelce>("Frmfelce");
    define<frmMandiversi>("frmMandiversi");
}
