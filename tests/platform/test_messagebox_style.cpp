#include "platform/MessageBoxStyle.h"

#include <gtest/gtest.h>

namespace {

using QMB = QMessageBox;

struct StyleCase {
    int style;
    QMB::StandardButtons buttons;
    QMB::StandardButton defaultButton;
    QMB::StandardButton escapeButton;
    QMB::Icon icon;
    MsgBox::Result first;
};

const StyleCase kStyles[] = {
    {0, QMB::Ok, QMB::Ok, QMB::Ok, QMB::NoIcon, MsgBox::OK},
    {1 + 48, QMB::Ok | QMB::Cancel, QMB::Ok, QMB::Cancel, QMB::Warning, MsgBox::OK},
    {2 + 16, QMB::Abort | QMB::Retry | QMB::Ignore, QMB::Abort, QMB::NoButton, QMB::Critical, MsgBox::Abort},
    {3 + 48, QMB::Yes | QMB::No | QMB::Cancel, QMB::Yes, QMB::Cancel, QMB::Warning, MsgBox::Yes},
    {4 + 32, QMB::Yes | QMB::No, QMB::Yes, QMB::NoButton, QMB::Question, MsgBox::Yes},
    {5 + 64, QMB::Retry | QMB::Cancel, QMB::Retry, QMB::Cancel, QMB::Information, MsgBox::Retry},
    {64, QMB::Ok, QMB::Ok, QMB::Ok, QMB::Information, MsgBox::OK},
    // Values no style defines: an unknown button set shows OK alone, an unknown icon none.
    {7, QMB::Ok, QMB::Ok, QMB::Ok, QMB::NoIcon, MsgBox::OK},
    {1 + 80, QMB::Ok | QMB::Cancel, QMB::Ok, QMB::Cancel, QMB::NoIcon, MsgBox::OK},
    {-1, QMB::Ok, QMB::Ok, QMB::Ok, QMB::NoIcon, MsgBox::OK},
};

TEST(MessageBoxStyle, StyleGivesButtonsDefaultEscapeAndIcon)
{
    for (const StyleCase& c : kStyles) {
        SCOPED_TRACE(c.style);
        const MsgBox::QtBoxStyle qt = MsgBox::ToQtStyle(c.style);
        EXPECT_EQ(qt.buttons, c.buttons);
        EXPECT_EQ(qt.defaultButton, c.defaultButton);
        EXPECT_EQ(qt.escapeButton, c.escapeButton);
        EXPECT_EQ(qt.icon, c.icon);
        EXPECT_EQ(MsgBox::FirstButton(c.style), c.first);
    }
}

TEST(MessageBoxStyle, ClickedButtonGivesTheClassicAnswer)
{
    const std::pair<QMB::StandardButton, MsgBox::Result> answers[] = {
        {QMB::Ok, MsgBox::OK},       {QMB::Cancel, MsgBox::Cancel}, {QMB::Abort, MsgBox::Abort},
        {QMB::Retry, MsgBox::Retry}, {QMB::Ignore, MsgBox::Ignore}, {QMB::Yes, MsgBox::Yes},
        {QMB::No, MsgBox::No},
    };
    for (const auto& [button, result] : answers) {
        SCOPED_TRACE(static_cast<int>(button));
        EXPECT_EQ(MsgBox::ToResult(button), result);
    }
    EXPECT_EQ(MsgBox::ToResult(QMB::NoButton), std::nullopt);
    EXPECT_EQ(MsgBox::ToResult(QMB::Save), std::nullopt);
}

}  // namespace
