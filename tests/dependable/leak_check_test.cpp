// leak_check_test.cpp -- (sanitizer build) the leak checker, with the suppressions the
// offscreen tests and tools run under, still reports the leaks of our own code.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <string>

namespace dependable_test {

// Runs a command line through the shell, standard error into the result.
static std::string runForStandardError(const std::string& command, int& status) {
    std::string err;
    FILE* pipe = popen((command + " 2>&1 >/dev/null").c_str(), "r");
    if (pipe == nullptr)
        return err;
    char buffer[4096];
    std::size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0)
        err.append(buffer, n);
    status = pclose(pipe);
    return err;
}

TEST(LeakChecker, ReportsOurOwnLeaksDespiteTheMesaSuppressions) {
    int status = 0;
    const std::string err = runForStandardError(
        "LSAN_OPTIONS=suppressions=" FOOTBALL_LSAN_SUPPRESSIONS " " FOOTBALL_LEAK_PROBE_PATH,
        status);
    ASSERT_TRUE(WIFEXITED(status)) << err;
    EXPECT_NE(WEXITSTATUS(status), 0) << "the leaks end the run with a failure\n" << err;
    EXPECT_NE(err.find("LeakSanitizer: detected memory leaks"), std::string::npos) << err;
    // The block lost by our own code and the quadric GLU made for us, each
    // with our function in its stack.
    EXPECT_NE(err.find("4096 byte(s) in 1 object(s)"), std::string::npos) << err;
    EXPECT_NE(err.find("gluNewQuadric"), std::string::npos) << err;
    EXPECT_NE(err.find("leakOnPurpose"), std::string::npos) << err;
}

}  // namespace dependable_test
