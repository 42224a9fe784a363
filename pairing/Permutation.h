#pragma once

#include <cstdint>
#include <vector>

namespace pairing {

class RandomSource;

// A random order of the indices 0..n-1, built by rejection: each position takes one uniform index
// per generator value, redrawing until the index is new. Both functions consume exactly the same
// generator values and return the same permutation for every seed and n; they differ only in how
// they tell whether an index is taken.

// Constant-time membership. This is the one the program uses.
[[nodiscard]] std::vector<std::int32_t> drawPermutation(RandomSource& source, std::int32_t n);

// Scans every earlier position for each candidate, about n^2 ln n steps. Kept as the reference
// the fast version is checked against.
[[nodiscard]] std::vector<std::int32_t> drawPermutationLinearScan(RandomSource& source,
                                                                  std::int32_t n);

} // namespace pairing
