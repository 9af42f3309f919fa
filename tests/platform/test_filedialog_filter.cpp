#include "platform/FileDialog.h"

#include <gtest/gtest.h>

namespace {

struct FilterCase {
    QString classic;
    QString qt;
};

const FilterCase kFilters[] = {
    {"Data File (*.dat)|*.dat", "Data File (*.dat)"},
    {QString::fromUtf8("数据文件 (*.dat)|*.dat"), QString::fromUtf8("数据文件 (*.dat)")},
    {"Data File|*.dat", "Data File (*.dat)"},
    {"Data File (*.dat)|*.dat|All Files (*.*)|*.*", "Data File (*.dat);;All Files (*)"},
    {"Pairs (*.dat;*.fre)|*.dat;*.fre", "Pairs (*.dat *.fre)"},
    {"Data (old format)|*.dat", "Data (old format) (*.dat)"},
    {"Data File (*.dat)|*.dat|Incomplete", "Data File (*.dat)"},
    {"", ""},
};

TEST(FileDialogFilter, ClassicFilterBecomesQtFilter)
{
    for (const FilterCase& c : kFilters) {
        SCOPED_TRACE(c.classic.toStdString());
        EXPECT_EQ(FileDialog::ToQtFilter(c.classic), c.qt);
    }
}

TEST(FileDialogFilter, DefaultExtensionOnlyForNamesWithoutOne)
{
    const std::pair<QString, QString> cases[] = {
        {"/home/u/radio", "/home/u/radio.dat"},
        {"/home/u/radio.dat", "/home/u/radio.dat"},
        {"/home/u/radio.bak", "/home/u/radio.bak"},
        {"/home/u/my.files/radio", "/home/u/my.files/radio.dat"},
        {"/home/u/radio.", "/home/u/radio.dat"},
    };
    for (const auto& [typed, expected] : cases)
        EXPECT_EQ(FileDialog::WithDefaultExtension(typed, "dat"), expected);
    EXPECT_EQ(FileDialog::WithDefaultExtension("/home/u/radio", ""), "/home/u/radio");
}

}  // namespace
