#pragma once
// This executable replaces the global operator new to learn the largest
// single request made while it watches.

#include <cstddef>

namespace counting_new {

void Watch();
// Ends watching; returns the largest request since Watch.
std::size_t StopWatching();

}  // namespace counting_new
