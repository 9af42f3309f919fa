#include "shell/BackgroundTiler.h"

#include <QImageReader>

#include <algorithm>
#include <cstring>

namespace BackgroundTiler {

namespace {

constexpr int kBytesPerPixel = 4;  // Format_RGB32

// Copies the block src of img to dst, both clipped to the image. The block is read into a
// buffer first, so a copy that overlaps its own source reads the pixels as they were.
void CopyBlock(QImage& img, const QRect& src, const QPoint& dst) {
    const QRect source = src.intersected(img.rect());
    if (source.isEmpty()) return;
    const QPoint shifted = dst + (source.topLeft() - src.topLeft());
    const QRect target = QRect(shifted, source.size()).intersected(img.rect());
    if (target.isEmpty()) return;
    const QRect read(source.topLeft() + (target.topLeft() - shifted), target.size());
    const QImage block = img.copy(read);
    const std::size_t rowBytes = static_cast<std::size_t>(target.width()) * kBytesPerPixel;
    for (int y = 0; y < target.height(); ++y)
        std::memcpy(img.scanLine(target.top() + y) + target.left() * kBytesPerPixel, block.constScanLine(y), rowBytes);
}

}  // namespace

std::optional<QImage> Tile(const QImage& picture, QSize surface, QColor fill) {
    if (picture.isNull() || picture.width() < 3 || picture.height() < 3) return std::nullopt;
    const int W = std::min(surface.width(), kMaxSide);
    const int H = std::min(surface.height(), kMaxSide);
    if (W <= 0 || H <= 0) return std::nullopt;

    QImage out(W, H, QImage::Format_RGB32);
    out.fill(fill);
    const QImage pic = picture.convertToFormat(QImage::Format_RGB32);
    const int rows = std::min(pic.height(), H);
    const std::size_t rowBytes = static_cast<std::size_t>(std::min(pic.width(), W)) * kBytesPerPixel;
    for (int y = 0; y < rows; ++y) std::memcpy(out.scanLine(y), pic.constScanLine(y), rowBytes);

    const int TW = pic.width() - 2;
    const int TH = pic.height() - 2;
    for (int x = 0; x <= W; x += TW) CopyBlock(out, QRect(1, 0, TW, TH + 2), QPoint(x, 0));
    for (int y = TH; y <= H; y += TH) CopyBlock(out, QRect(1, 1, W, TH), QPoint(0, y));
    return out;
}

QImage LoadPicture(const QString& path) {
    QImageReader reader(path);
    return reader.read();  // null when missing, unreadable or beyond the reader's allocation limit
}

}  // namespace BackgroundTiler
