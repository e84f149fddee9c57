#pragma once
// What every window benchmark shares: its clock, its command line, the
// process's working set and the one line each figure is printed on.

#include <windows.h>

#include <chrono>
#include <cstddef>
#include <string>
#include <vector>

namespace window_bench {

using Clock = std::chrono::steady_clock;

double MillisecondsSince(Clock::time_point start);
double Milliseconds(Clock::duration duration);
double Median(std::vector<double> values);

// The value of "--name=N" on the command line, else fallback.
int Argument(int argc, char** argv, const char* name, int fallback);

// Decimal, for file names and tag texts; at least width digits.
std::u16string Number(int value, int width = 0);

std::size_t WorkingSet();
std::size_t PeakWorkingSet();

// One figure against its floor, with their ratio and the goal for it.
void PrintAgainstFloor(const std::string& figure, double milliseconds, const std::string& floor,
                       double floorMilliseconds, double goal);

}  // namespace window_bench
