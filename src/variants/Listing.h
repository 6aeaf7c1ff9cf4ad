#pragma once

#include <QString>
#include <optional>

// The program listings the variant screen shows in its text box.
namespace Listing {

// The name of the sample listing that comes with the program.
extern const QString SampleName;
// The longest file shown; anything larger is not a listing.
constexpr qint64 MaxBytes = 4 * 1024 * 1024;

// Where the sample listing lies: beside the program, or in the data folder of an
// installed copy (../share/frattalia). Empty when neither has it.
QString sampleFolder(const QString& programFolder);

// The file's text, shown as it is (markup included): UTF-8, or Latin-1 when the
// bytes are not UTF-8, as older listings are. Nothing when the file cannot be read
// or is larger than MaxBytes.
std::optional<QString> read(const QString& path);

}  // namespace Listing
