#include "framework/core/Error.h"

#include <gtest/gtest.h>

TEST(FormatMessage, FillsTheOnePlaceholder)
{
    EXPECT_EQ(fw::formatMessage("Resource %s not found", "UpGrade"), "Resource UpGrade not found");
    EXPECT_EQ(fw::formatMessage("'%s' is not a valid version number", ""), "'' is not a valid version number");
    EXPECT_EQ(fw::formatMessage("no placeholder", "x"), "no placeholder");
}
