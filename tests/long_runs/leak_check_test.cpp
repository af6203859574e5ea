// leak_check_test.cpp -- (sanitizer build) the leak checker, with the suppressions the
// offscreen tests and tools run under, still reports the leaks of our own code.
#include <gtest/gtest.h>

#include <string>

#include "tests/support/program_run.h"

namespace long_runs_test {

TEST(LeakChecker, ReportsOurOwnLeaksDespiteTheMesaSuppressions) {
    test_support::RunOptions options;
    options.environment = {"LSAN_OPTIONS=suppressions=" FOOTBALL_LSAN_SUPPRESSIONS};
    const test_support::ProgramRun run =
        test_support::runProgram(FOOTBALL_LEAK_PROBE_PATH, {}, options);
    const std::string& err = run.err;
    ASSERT_TRUE(run.exited) << err;
    EXPECT_NE(run.status, 0) << "the leaks end the run with a failure\n" << err;
    EXPECT_NE(err.find("LeakSanitizer: detected memory leaks"), std::string::npos) << err;
    // The block lost by our own code and the quadric GLU made for us, each
    // with our function in its stack.
    EXPECT_NE(err.find("4096 byte(s) in 1 object(s)"), std::string::npos) << err;
    EXPECT_NE(err.find("gluNewQuadric"), std::string::npos) << err;
    EXPECT_NE(err.find("leakOnPurpose"), std::string::npos) << err;
}

}  // namespace long_runs_test
