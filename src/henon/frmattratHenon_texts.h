#pragma once

#include <QStringList>

// The explanation page of the Hénon attractor screen.
namespace HenonTexts {

QStringList attractorPage();

}  // namespace HenonTexts
