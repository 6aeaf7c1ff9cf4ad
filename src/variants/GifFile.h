#pragma once

class QImage;
class QString;

// Pictures saved as GIF files through giflib. A GIF holds 256 colours at most: a
// picture with no more keeps its colours exactly, a richer one is reduced by median
// cut.
namespace GifFile {

// False when the file cannot be written; a file that existed is then left as it was.
bool write(const QImage& picture, const QString& path);

}  // namespace GifFile
