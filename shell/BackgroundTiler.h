#pragma once
// The main window's background: a small picture repeated over a surface the size of the
// window. The picture, less its first column, is laid along the top in steps of its width
// less 2; then that top band, less its first row and column, is repeated downwards in steps
// of the picture's height less 2. Each copy reads from the surface as the earlier copies
// left it, not from the picture.
#include <QColor>
#include <QImage>
#include <QSize>

#include <optional>

namespace BackgroundTiler {

// Surfaces are held to this size at most; the brush that shows the surface repeats it.
constexpr int kMaxSide = 4096;

// The tiled surface, or nothing (a plain background) for a null picture, a picture
// narrower or lower than 3 pixels, or an empty surface. fill is what the surface holds
// where the picture never reaches.
std::optional<QImage> Tile(const QImage& picture, QSize surface, QColor fill);

// The picture file read, or a null image when it is missing or unreadable.
QImage LoadPicture(const QString& path);

}  // namespace BackgroundTiler
