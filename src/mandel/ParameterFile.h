#pragma once

#include <QString>
#include <array>
#include <optional>

// The explorer's saved view: one line of four quoted fields (centre x, centre y,
// cycles, magnification) separated by commas, in single-byte characters, ended by
// CR LF. The texts are kept as the boxes held them, numbers or not.
namespace ParameterFile {

using Fields = std::array<QString, 4>;

// Where the file lives: caos1.txt in frattalia's data folder, unless set (tests).
QString path();
void setPath(const QString& path);

// The line for four fields. A double quote inside a field is doubled, so it comes
// back unchanged.
QByteArray format(const Fields& fields);
// The four fields of the file's first line, or nothing when it has fewer.
std::optional<Fields> parse(const QByteArray& content);

// Replaces the file as a whole (a failed write leaves the old one); false on failure.
bool save(const Fields& fields);
// The four fields, or nothing when the file is missing, unreadable or short.
std::optional<Fields> load();

}  // namespace ParameterFile
