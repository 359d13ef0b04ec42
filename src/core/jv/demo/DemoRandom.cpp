#include "jv/demo/DemoRandom.h"

#include <cmath>

namespace renoka::demo {

namespace {

uint64_t splitmix(uint64_t& state) {
    uint64_t z = (state += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

uint64_t rotl(uint64_t x, int k) {
    return (x << k) | (x >> (64 - k));
}

} // namespace

DemoRandom::DemoRandom(uint64_t seed) {
    uint64_t state = seed;
    for (auto& s : m_s)
        s = splitmix(state);
}

DemoRandom DemoRandom::derive(uint64_t tag) const {
    // Mix the whole state with the tag so that streams of different tags (and of different parents) part at once.
    uint64_t state = m_s[0] ^ rotl(m_s[1], 17) ^ rotl(m_s[2], 31) ^ rotl(m_s[3], 47);
    state ^= splitmix(tag);
    DemoRandom out;
    for (auto& s : out.m_s)
        s = splitmix(state);
    return out;
}

DemoRandom DemoRandom::derive(uint64_t a, uint64_t b, uint64_t c, uint64_t d) const {
    return derive(a).derive(b).derive(c).derive(d);
}

uint64_t DemoRandom::next() {
    const uint64_t result = rotl(m_s[1] * 5, 7) * 9;
    const uint64_t t = m_s[1] << 17;
    m_s[2] ^= m_s[0];
    m_s[3] ^= m_s[1];
    m_s[1] ^= m_s[2];
    m_s[0] ^= m_s[3];
    m_s[2] ^= t;
    m_s[3] = rotl(m_s[3], 45);
    return result;
}

double DemoRandom::uniform() {
    return static_cast<double>(next() >> 11) * 0x1.0p-53;
}

int DemoRandom::below(int n) {
    // Multiply-shift: the bias for the small ranges the demo draws from is far below anything visible.
    const uint64_t r = next() >> 32;
    return static_cast<int>((r * static_cast<uint64_t>(n)) >> 32);
}

int DemoRandom::between(int lo, int hi) {
    return lo + below(hi - lo + 1);
}

double DemoRandom::normal() {
    double sum = 0;
    for (int i = 0; i < 12; ++i)
        sum += uniform();
    return sum - 6.0;
}

int DemoRandom::weighted(const std::vector<double>& weights) {
    double total = 0;
    for (double w : weights)
        total += w;
    double r = uniform() * total;
    for (size_t i = 0; i < weights.size(); ++i) {
        if (r < weights[i]) return static_cast<int>(i);
        r -= weights[i];
    }
    for (size_t i = weights.size(); i > 0; --i)
        if (weights[i - 1] > 0) return static_cast<int>(i - 1);
    return 0;
}

double detExp(double x) {
    constexpr double ln2 = 0.6931471805599453;
    const double q = x / ln2;
    const int k = static_cast<int>(q < 0 ? q - 0.5 : q + 0.5);
    const double r = x - k * ln2;
    // Taylor series of exp(r) for |r| <= ln2/2: 16 terms leave an error far below one unit in the last place.
    double term = 1.0;
    double sum = 1.0;
    for (int n = 1; n <= 16; ++n) {
        term = term * r / n;
        sum += term;
    }
    return std::ldexp(sum, k);
}

} // namespace renoka::demo
