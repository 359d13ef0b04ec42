#pragma once
// Brackets (枠番) from the field size, as the racing authority draws them: with eight horses or fewer each
// horse has a bracket of its own; above that every bracket gets n / 8 horses and the last n % 8 brackets one
// more, so the outer brackets fill up first (16 horses: two in each; 18: three in brackets 7 and 8).
namespace renoka::demo {

// Bracket 1..8 of horse number 1..registered; 0 for a number outside the field.
int bracketOf(int registered, int horseNumber);

} // namespace renoka::demo
