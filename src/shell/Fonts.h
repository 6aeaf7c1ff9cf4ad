#pragma once

#include <QFont>

// The screens' proportional sans-serif face. The condensed cut keeps labels and
// captions within the narrow places the layouts give them.
QFont screenFont(double points, bool bold = false);
