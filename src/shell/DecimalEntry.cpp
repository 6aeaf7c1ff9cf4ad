#include "DecimalEntry.h"

#include <QLineEdit>
#include <QRegularExpression>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "RuntimeFailure.h"

namespace DecimalEntry {
namespace {

constexpr int SignificantDigits = 15;
// Plain decimal form for exponents -4..14; beyond that the exponent form.
constexpr int SmallestPlainExponent = -4;
constexpr int LargestPlainExponent = 14;
constexpr const char* LargestWritten = "1.79769313486231e+308";

// The C library reads and writes numbers in the format of the machine's locale,
// which the toolkit takes from the environment at start-up: with the decimal comma
// "0.18" would stop at the period. Numbers go through the plain "C" format instead.
locale_t plainNumbers() {
    static const locale_t plain = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return plain;
}

// The number a text holds, infinite when too large; not a number throws.
double parse(const QString& text) {
    static const QRegularExpression number(
        QStringLiteral("^[+-]?(\\d+(,\\d*)?|,\\d+)([eE][+-]?\\d+)?$"));
    QString cleaned = text.trimmed();
    cleaned.remove(QLatin1Char('.'));
    if (!number.match(cleaned).hasMatch()) {
        throw RuntimeFailure("not a number");
    }
    cleaned.replace(QLatin1Char(','), QLatin1Char('.'));
    const QByteArray bytes = cleaned.toLatin1();
    return strtod_l(bytes.constData(), nullptr, plainNumbers());
}

}  // namespace

double read(const QString& text) {
    const double value = parse(text);
    if (!std::isfinite(value)) {
        throw RuntimeFailure("overflow");
    }
    return value;
}

QString write(double value) {
    if (!std::isfinite(value)) {
        return value > 0   ? QStringLiteral("+inf")
               : value < 0 ? QStringLiteral("-inf")
                           : QStringLiteral("nan");
    }
    if (value == 0) {
        return QStringLiteral("0");
    }
    // Scientific form with 15 significant digits gives the digits and the exponent.
    char buffer[32];
    const locale_t previous = uselocale(plainNumbers());
    std::snprintf(buffer, sizeof buffer, "%.*e", SignificantDigits - 1, std::fabs(value));
    uselocale(previous);
    // Just below the largest double the 15th digit rounds up past it, to a text that
    // would not read back: the largest 15-digit number that does is written instead.
    if (!std::isfinite(strtod_l(buffer, nullptr, plainNumbers()))) {
        std::snprintf(buffer, sizeof buffer, "%s", LargestWritten);
    }
    const QString scientific = QString::fromLatin1(buffer);
    const int ePos = scientific.indexOf(QLatin1Char('e'));
    QString digits = scientific.left(ePos);
    digits.remove(QLatin1Char('.'));
    const int exponent = scientific.mid(ePos + 1).toInt();
    while (digits.size() > 1 && digits.endsWith(QLatin1Char('0'))) {
        digits.chop(1);
    }

    QString result;
    if (exponent < SmallestPlainExponent || exponent > LargestPlainExponent) {
        result = digits.left(1);
        if (digits.size() > 1) {
            result += QLatin1Char(',') + digits.mid(1);
        }
        result += QStringLiteral("E%1%2")
                      .arg(exponent < 0 ? QLatin1Char('-') : QLatin1Char('+'))
                      .arg(std::abs(exponent), 2, 10, QLatin1Char('0'));
    } else if (exponent < 0) {
        result = QStringLiteral("0,") + QString(-exponent - 1, QLatin1Char('0')) + digits;
    } else if (digits.size() <= exponent + 1) {
        result = digits + QString(exponent + 1 - digits.size(), QLatin1Char('0'));
    } else {
        result = digits.left(exponent + 1) + QLatin1Char(',') + digits.mid(exponent + 1);
    }
    return value < 0 ? QLatin1Char('-') + result : result;
}

double read(const QLineEdit* box) {
    return read(box->text());
}

double readUnbounded(const QLineEdit* box) {
    return parse(box->text());
}

void write(QLineEdit* box, double value) {
    box->setText(write(value));
}

QString printed(double value) {
    const QString text = write(value);
    return text.startsWith(QLatin1Char('-')) ? text : QLatin1Char(' ') + text;
}

}  // namespace DecimalEntry
