#pragma once

#include <QString>

// The explorer's messages for a view it refuses to draw.
inline const QString InputError =
    "Hai immesso una Lettera invece di un numero, o un Punto inveve della virgola, oppure una "
    "casella è vuota. Correggere!";
inline const QString ZoomError = "Ingrandimento massimo 25 miliardi, cambialo!";
inline const QString XError =
    "coordinata x troppo bassa o troppo alta, oppure hai messo punto invece della virgola!";
inline const QString YError =
    "coordinata y troppo bassa o troppo alta,oppure hai messo punto invece della virgola!";
