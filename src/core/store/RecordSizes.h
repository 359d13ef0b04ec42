#pragma once
// Lengths of the JV-Data record images the program keeps, CR LF included.
#include <cstddef>

namespace renoka::records {

inline constexpr size_t RA = 1272;
inline constexpr size_t SE = 555;
inline constexpr size_t HR = 719;
inline constexpr size_t WH = 847;
inline constexpr size_t DM = 303;
inline constexpr size_t TM = 141;
inline constexpr size_t O1 = 962;
inline constexpr size_t O2 = 2042;
inline constexpr size_t O3 = 2654;
inline constexpr size_t O4 = 4031;
inline constexpr size_t O5 = 12293;
inline constexpr size_t O6 = 83285;
inline constexpr size_t RC = 501;
inline constexpr size_t WE = 42;
inline constexpr size_t TC = 45;
inline constexpr size_t AV = 78;
inline constexpr size_t JC = 161;
inline constexpr size_t CC = 50;

// Odds record n (1..6) length.
constexpr size_t odds(int n) {
    constexpr size_t sizes[] = {O1, O2, O3, O4, O5, O6};
    return (n >= 1 && n <= 6) ? sizes[n - 1] : 0;
}

} // namespace renoka::records
