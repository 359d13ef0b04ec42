#pragma once
// Number of combinations of each bet type; combination indices run 1..count.

namespace renoka::combos {

inline constexpr int Wakuren = 36;     // brackets a <= b
inline constexpr int Umaren = 153;     // horses a < b (also ワイド)
inline constexpr int Umatan = 306;     // ordered pairs
inline constexpr int Sanrenpuku = 816; // a < b < c
inline constexpr int Sanrentan = 4896; // ordered triples

} // namespace renoka::combos
