// The entry point of the unit-test programs (they are Unicode programs, as
// setup.exe is). A test file that needs an entry of its own defines wmain.
#include <gtest/gtest.h>

int wmain(int argc, wchar_t** argv)
{
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
