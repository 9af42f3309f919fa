#pragma once
// Helpers for the memory-image tests: a clean start, channels added as the channel list adds
// them, and image bytes.
#include "channels/ModShowFreFun.h"
#include "core/DataFileCodec.h"
#include "core/ProgramData.h"
#include "link/LinkData.h"

#include <cstddef>
#include <string>
#include <type_traits>
#include <vector>

namespace ImageTest {

inline void ResetAll() {
    Prog::Reset();
    Link::Reset();
}

// Appends a channel to (mode, group) as the channel list does; returns the record. freq is
// the stored text (no "."), which the channel list keeps as it is.
inline ChannelRecord& AddChannel(int mode, int group, int chNo, const char* freq = "28015000") {
    ModShowFreFun::AddChannel(chNo, mode, group, QString::fromLatin1(freq));
    return Prog::ChInfo(mode, Prog::RadioData.ChCountAt(mode, group), group);
}

inline std::vector<int> Bytes(std::size_t at, std::size_t n) {
    std::vector<int> out;
    for (std::size_t i = 0; i < n; ++i) out.push_back(Link::RadioImage[at + i]);
    return out;
}

inline void PutBytes(std::size_t at, const std::vector<int>& bytes) {
    for (std::size_t i = 0; i < bytes.size(); ++i) Link::RadioImage[at + i] = static_cast<byte8>(bytes[i]);
}

// Addresses whose byte differs between two images.
inline std::vector<std::size_t> Differences(const Link::Image& a, const Link::Image& b) {
    std::vector<std::size_t> out;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (a[i] != b[i]) out.push_back(i);
    return out;
}

// The file offsets at which two records differ, for failure messages (the offsets name the
// fields in the data file layout).
template <typename Rec>
std::string DiffOffsets(const Rec& a, const Rec& b) {
    QByteArray x, y;
    if constexpr (std::is_same_v<Rec, DataFileRec>) {
        x = DataFileCodec::EncodeDataFileRec(a), y = DataFileCodec::EncodeDataFileRec(b);
    } else {
        x = DataFileCodec::EncodeChannelRecord(a), y = DataFileCodec::EncodeChannelRecord(b);
    }
    std::string out = "differs at file offsets:";
    for (int i = 0; i < x.size() && i < y.size(); ++i)
        if (x[i] != y[i]) out += " " + std::to_string(i);
    return out;
}

inline std::string Text(const FixedText<8>& t) { return t.Str(); }

}  // namespace ImageTest
