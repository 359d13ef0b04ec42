#pragma once
// The demo's own random numbers: xoshiro256** seeded through splitmix64. The standard library's distributions
// are left alone on purpose: their output differs between library implementations, and the demo must come out
// byte for byte the same wherever it is built. Everything here uses integer arithmetic and the four basic
// floating-point operations, which IEEE 754 fixes exactly.
#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

namespace renoka::demo {

class DemoRandom {
public:
    explicit DemoRandom(uint64_t seed);

    // An independent stream for one part of the demo (a race, a day, a name pool). Deriving instead of sharing
    // one stream keeps a change in one part from reshuffling all the others.
    DemoRandom derive(uint64_t tag) const;
    DemoRandom derive(uint64_t a, uint64_t b, uint64_t c = 0, uint64_t d = 0) const;

    uint64_t next();
    // [0, 1) with 53 random bits.
    double uniform();
    // [0, n); n must be positive.
    int below(int n);
    // [lo, hi], both included.
    int between(int lo, int hi);
    bool chance(double p) { return uniform() < p; }
    // Close to a standard normal: the sum of twelve uniforms minus six (mean 0, variance 1, tails cut at ±6).
    double normal();
    // Index drawn with the given non-negative weights (at least one positive).
    int weighted(const std::vector<double>& weights);

    template <class T> const T& pick(const std::vector<T>& items) {
        return items[static_cast<std::size_t>(below(static_cast<int>(items.size())))];
    }
    template <class T> void shuffle(std::vector<T>& items) {
        for (std::size_t i = items.size(); i > 1; --i) {
            std::size_t j = static_cast<std::size_t>(below(static_cast<int>(i)));
            std::swap(items[i - 1], items[j]);
        }
    }

private:
    DemoRandom() = default;
    uint64_t m_s[4] = {};
};

// exp(x) from the basic operations only, so that the market comes out the same on every platform (the C
// library's exp may differ in the last bit between implementations). Accurate to a few units in the last place
// for |x| < 700.
double detExp(double x);

} // namespace renoka::demo
