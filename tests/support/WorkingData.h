#pragma once
// The program's working data as one byte string, to see whether a step changed any of it.
#include <QByteArray>

namespace TestData {

// The data record, every channel record of the table, the data file's name and whether the
// data is new.
QByteArray WorkingData();
// The data record and every channel record of the table only.
QByteArray WorkingRecords();

}  // namespace TestData
