#pragma once

#include <QStringList>
#include <vector>

// The Verhulst screen's explanation pages, one entry per printed line ("" is a blank
// line). Where a page changes text size or colour part way, its parts are separate.
namespace VerhulstTexts {

// Population graphs.
extern const QString RangeRefused;
extern const QStringList GraphErrorLines;
extern const QStringList GraphNotes;    // at (10, 30)
extern const QStringList GraphLegend;   // at (10, 440)
extern const QStringList GraphHelp;     // at (10, 10)
extern const QStringList GraphHelpTwo;  // at (10, 180)

// A comment printed when the two boxes hold exactly these texts.
struct Comment {
    const char* population;
    const char* increment;
    QString line;
};
extern const std::vector<Comment> Comments;

// The diagram.
extern const QString DiagramDone;
extern const QStringList DiagramErrorLines;
extern const QStringList DiagramHelp;
extern const QStringList CaosPage;
extern const QStringList CaosClosing;
extern const QStringList Periodo1Page;
extern const QString Periodo1Closing;
extern const QStringList Periodo2Page;
extern const QString Periodo2Closing;
extern const QStringList Periodo4Page;
extern const QString Periodo4Closing;

// The coloured labels.
extern const QStringList IntroductionPage;
extern const QStringList IntroductionStart;   // size 14, red
extern const QStringList IntroductionLabels;  // size 10, yellow
extern const QStringList FinalIncrementPage;
extern const QStringList FinalIncrementClosing;
extern const QStringList StartIncrementPage;
extern const QStringList StartIncrementClosing;
extern const QStringList StartPopulationPage;

}  // namespace VerhulstTexts
