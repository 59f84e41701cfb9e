#include <gtest/gtest.h>

// Shared main of every test executable.
int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
