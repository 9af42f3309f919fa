#include "link/ModCommImage.h"

#include "link/ImageLayout.h"
#include "link/LinkData.h"

#include <algorithm>

namespace ModComm {

void InitImage() {
    auto& image = Link::RadioImage;
    std::fill(image.begin(), image.begin() + ImageLayout::kInitFfEnd, byte8{0xFF});
    std::fill(image.begin() + ImageLayout::kInitFfEnd, image.begin() + ImageLayout::kInitKeepFrom, byte8{0x00});
}

std::string PadFreDigits(std::string_view text, int n) {
    const auto nul = text.find('\0');
    if (nul != std::string_view::npos) text = text.substr(0, nul);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    const std::string empty(8, 'F');
    if (text.empty() || text == empty) return empty;
    std::string out(text);
    if (static_cast<int>(out.size()) < n) out.append(static_cast<std::size_t>(n) - out.size(), '0');
    return out;
}

}  // namespace ModComm
