#pragma once
// File layouts of the records: DataFileRec is one record of exactly 1989 bytes, a
// ChannelRecord 64 bytes; little-endian, fields in declaration order without gaps,
// fixed texts as single bytes. Per-mode arrays lie on file with the mode varying fastest:
// (0,1), (1,1), (0,2), (1,2) ...
#include "core/Records.h"

#include <QByteArray>

namespace DataFileCodec {

constexpr int kDataFileRecSize = 1989;
constexpr int kChannelRecordSize = 64;

QByteArray EncodeDataFileRec(const DataFileRec& rec);
// bytes must hold at least kDataFileRecSize bytes; false (rec untouched) otherwise.
bool DecodeDataFileRec(const QByteArray& bytes, DataFileRec& rec);

QByteArray EncodeChannelRecord(const ChannelRecord& rec);
// Decodes kChannelRecordSize bytes starting at offset; false (rec untouched) when short.
bool DecodeChannelRecord(const QByteArray& bytes, int offset, ChannelRecord& rec);

}  // namespace DataFileCodec
