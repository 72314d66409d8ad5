// The entry point of every test program. Output is unbuffered, so that a test program that hangs
// or is killed by ctest's timeout still shows which test it was in.

#include <gtest/gtest.h>

#include <cstdio>

int main(int argc, char** argv)
{
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
