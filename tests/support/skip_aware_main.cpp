// The test executables' main where one executable is one CTest test (the
// cross build under Wine): a run that passed but skipped some of its tests
// ends with kSkippedExitCode, which CTest reports as skipped, not as passed.

#include <gtest/gtest.h>

namespace {

constexpr int kSkippedExitCode = 77;  // SKIP_RETURN_CODE in tests/CMakeLists.txt

}  // namespace

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  const int failed = RUN_ALL_TESTS();
  if (failed != 0) return failed;
  return testing::UnitTest::GetInstance()->skipped_test_count() > 0 ? kSkippedExitCode : 0;
}
