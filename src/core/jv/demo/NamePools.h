#pragma once
// Invented names for the demo: horses from katakana syllables, people from surname and given-name characters,
// races from seasonal words. Every name is put together here, so no real horse, rider, trainer or owner is
// named; each generated name is handed out once.
#include "jv/demo/DemoRandom.h"

#include <set>
#include <string>

namespace renoka::demo {

struct RaceName {
    std::string title; // UTF-8
    std::string latin; // ASCII
};

class NamePools {
public:
    explicit NamePools(DemoRandom rng) : m_rng(rng) {}

    // Katakana, at most nine characters (the longest a horse name may be). CP932.
    std::string horseName();
    // Surname and the first character of a given name, as the short names of riders are written. CP932.
    std::string jockeyName();
    // A surname alone, or with one given-name character when the surname is taken. CP932.
    std::string trainerName();
    // Owner (a club or a person). CP932.
    std::string ownerName();
    // Silks as the card describes them ("青，白星散らし，黄袖"). CP932.
    std::string silks();

    // The suffixes of named races.
    enum class RaceKind { Special, Stakes, Graded, Jump, Local, Abroad };
    RaceName raceName(RaceKind kind);

private:
    std::string uniqueWord(const char* const* first, int firstCount, const char* const* second, int secondCount,
                           std::set<std::string>& used, size_t maxChars, bool joinAlways);
    DemoRandom m_rng;
    std::set<std::string> m_horses, m_people, m_owners, m_raceWords;
};

// Number of characters of UTF-8 text.
size_t utf8Chars(const std::string& utf8);
// A race title's short form of at most `chars` characters ("朝霧ステークス" to "朝霧Ｓ"). UTF-8.
std::string shortRaceName(const std::string& titleUtf8, size_t chars);

} // namespace renoka::demo
