#pragma once
// Counts the heap allocations of a stretch of code. The test executable that links
// allocation_counter.cpp has malloc, its relatives and the global operator new replaced, so
// every allocation of the program, its libraries (SDL) included, passes through the counter.
#include <array>
#include <cstddef>

namespace allocation_counter {

struct Record {
  std::size_t count = 0;                 // allocations while counting
  std::array<std::size_t, 64> sizes{};   // the sizes of the first ones, in order
  std::size_t SizesKept() const { return count < sizes.size() ? count : sizes.size(); }
};

void Start();  // clears the record and counts from now on
void Stop();
const Record& Counted();

}  // namespace allocation_counter
