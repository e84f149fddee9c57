#include "window_bench.h"

#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace window_bench {

double Milliseconds(Clock::duration duration) {
  return std::chrono::duration<double, std::milli>(duration).count();
}

double MillisecondsSince(Clock::time_point start) { return Milliseconds(Clock::now() - start); }

double Median(std::vector<double> values) {
  if (values.empty()) return 0;
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

int Argument(int argc, char** argv, const char* name, int fallback) {
  const std::size_t length = std::strlen(name);
  for (int i = 1; i < argc; ++i) {
    if (std::strncmp(argv[i], name, length) == 0 && argv[i][length] == '=') {
      return std::atoi(argv[i] + length + 1);
    }
  }
  return fallback;
}

std::u16string Number(int value, int width) {
  std::string digits = std::to_string(value);
  if (digits.size() < static_cast<std::size_t>(width)) {
    digits.insert(0, static_cast<std::size_t>(width) - digits.size(), '0');
  }
  return std::u16string(digits.begin(), digits.end());
}

namespace {

PROCESS_MEMORY_COUNTERS Memory() {
  PROCESS_MEMORY_COUNTERS counters{};
  counters.cb = sizeof(counters);
  K32GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof(counters));
  return counters;
}

}  // namespace

std::size_t WorkingSet() { return Memory().WorkingSetSize; }
std::size_t PeakWorkingSet() { return Memory().PeakWorkingSetSize; }

void PrintAgainstFloor(const std::string& figure, double milliseconds, const std::string& floor,
                       double floorMilliseconds, double goal) {
  std::printf("%s %.1f ms, floor (%s) %.1f ms: ratio %.2f (goal <= %.2g)\n", figure.c_str(),
              milliseconds, floor.c_str(), floorMilliseconds, milliseconds / floorMilliseconds,
              goal);
  std::fflush(stdout);
}

}  // namespace window_bench
