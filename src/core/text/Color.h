#pragma once
// Colours of labels and grid cells, decided in core and drawn by the GUI. 0xRRGGBB; `Default` = the
// control's own colour.
#include <cstdint>

namespace renoka {

struct Color {
    uint32_t rgb = 0;
    bool isDefault = true;

    static constexpr Color rgbOf(uint32_t value) { return Color{value, false}; }
    friend constexpr bool operator==(Color, Color) = default;
};

namespace colors {
inline constexpr Color Default{};
inline constexpr Color Black = Color::rgbOf(0x000000);
inline constexpr Color White = Color::rgbOf(0xFFFFFF);
inline constexpr Color Red = Color::rgbOf(0xFF0000);
inline constexpr Color Maroon = Color::rgbOf(0x800000);
inline constexpr Color Green = Color::rgbOf(0x008000);
inline constexpr Color Lime = Color::rgbOf(0x00FF00);
inline constexpr Color Blue = Color::rgbOf(0x0000FF);
inline constexpr Color Navy = Color::rgbOf(0x000080);
inline constexpr Color Yellow = Color::rgbOf(0xFFFF00);
inline constexpr Color Orange = Color::rgbOf(0xFF8000);
inline constexpr Color Olive = Color::rgbOf(0x808000);
inline constexpr Color Purple = Color::rgbOf(0x800080);
inline constexpr Color Fuchsia = Color::rgbOf(0xFF00FF);
inline constexpr Color Teal = Color::rgbOf(0x008080);
inline constexpr Color Aqua = Color::rgbOf(0x00FFFF);
inline constexpr Color Gray = Color::rgbOf(0x808080);
inline constexpr Color Silver = Color::rgbOf(0xC0C0C0);
inline constexpr Color BtnFace = Color::rgbOf(0xF0F0F0);
inline constexpr Color InfoBk = Color::rgbOf(0xFFFFE1); // the tooltip background
} // namespace colors

} // namespace renoka
