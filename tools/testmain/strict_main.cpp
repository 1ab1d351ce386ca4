// GoogleTest entry point for every suite of the project. Unlike gtest_main it fails when no
// test ran, so a suite that lost its tests (or a filter that matches nothing) is not green.
#include <cstdio>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    int result = RUN_ALL_TESTS();
    if (testing::UnitTest::GetInstance()->test_to_run_count() == 0) {
        std::fprintf(stderr, "no test ran in this suite\n");
        return 1;
    }
    return result;
}
