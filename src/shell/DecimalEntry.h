#pragma once

#include <QString>

class QLineEdit;

// Numbers in text boxes are written with the decimal comma. A period is digit
// grouping and is dropped, so "1.5" reads as 15: the screens' range checks catch it.
namespace DecimalEntry {

// Reads a number; empty or not a number throws RuntimeFailure.
double read(const QString& text);

// Text for a box: comma, up to 15 significant digits, exponent form when very large
// or very small ("-2", "0,0124345324727702", "1,5E-07").
QString write(double value);

// The same for a text box: the number it holds, and a number written into it.
double read(const QLineEdit* box);
void write(QLineEdit* box, double value);

// As read, but a number too large for a double gives an infinity of its sign: a box
// with a range check then refuses it as out of range, not as no number.
double readUnbounded(const QLineEdit* box);

// Text printed on a canvas: as write, with a leading blank for non-negative numbers.
QString printed(double value);

}  // namespace DecimalEntry
