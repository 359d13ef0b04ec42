#pragma once
// What kind of race each number of a JRA card is, and the codes that follow from it: age group and class,
// surface and distance, condition codes, weight rule, prize money and race names.
#include "jv/demo/DemoModel.h"
#include "jv/demo/DemoRandom.h"
#include "jv/demo/NamePools.h"

namespace renoka::demo {

// The main race of a card: its grade ('A' G1, 'B' G2, 'C' G3, 'L' listed, 'E' open special).
struct MainRacePlan {
    char grade = 'E';
    bool jumpCourse = false; // this card holds the day's jump race (4R)
    bool jumpGraded = false; // ... and it is a graded jump race
};

// Fills the class, surface, distance, codes, names and prize money of race `race.number` of a card at
// `race.course` on `race.date`.
void planRaceCard(Race& race, const MainRacePlan& plan, DemoRandom& rng, NamePools& names);

// The condition codes, kind code and weight rule of a race of the given group and level.
void setConditions(Race& race);
// Prize money (100 yen) of the first five places, and the added money of stakes races.
void setPrizes(Race& race);
// The title fields of a named race (CP932) from a UTF-8 title.
void setTitle(Race& race, const RaceName& name);

// Whether races for the young horses are for two-year-olds (June to December) or three-year-olds.
bool isSecondHalf(const DemoDate& date);

} // namespace renoka::demo
