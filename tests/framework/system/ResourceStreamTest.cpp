// fw::ResourceStream: the error for a resource the executable does not carry. Resources that are
// there are read by the payload extraction tests, whose test program carries payloads.

#include "framework/system/ResourceStream.h"

#include "framework/core/Error.h"

#include <gtest/gtest.h>

TEST(ResourceStreamTest, AMissingResourceRaisesNamingIt)
{
    try {
        fw::ResourceStream stream("Velmora", "UpGrade");
        FAIL() << "found a resource this test program does not carry";
    } catch (const fw::ResourceError& error) {
        EXPECT_STREQ(error.what(), "Resource UpGrade not found");
    }
}
