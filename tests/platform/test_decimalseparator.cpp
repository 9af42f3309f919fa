#include "platform/DecimalSeparator.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

// A user with a German number format. Qt takes the system locale from the environment
// when it first needs it, so this is set before any test runs.
[[maybe_unused]] const bool kGermanUser = setenv("LC_ALL", "de_DE.UTF-8", 1) == 0;

TEST(DecimalSeparator, ReadsTheUsersLocaleAndSeparator)
{
    const DecimalSeparator::LocaleState state = DecimalSeparator::ReadUserLocale();
    EXPECT_EQ(state.localeId, "de_DE");
    EXPECT_EQ(state.separator, QChar(u','));
}

}  // namespace
