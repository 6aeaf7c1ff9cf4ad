#pragma once

#include <QStringList>

// The pages the IFS screen prints into its drawing area, one entry a line.
namespace FelceTexts {

// The user run: the instructions shown while it draws, and its error page.
QStringList runInstructions();
QStringList errorLines();

// The ready-made figures' advice after "finito".
QStringList adviceAlbero();
QStringList adviceOthers();
QStringList adviceScarabocchi();

// The labels' explanation pages.
QStringList pageCicli();
QStringList pageColori();
QStringList pageColonne();
QStringList pageIstruzioni();
QStringList pageOrizzontale();
QStringList pageRighe();
QStringList pageVerticale();

}  // namespace FelceTexts
