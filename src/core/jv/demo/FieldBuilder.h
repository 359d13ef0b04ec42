#pragma once
// Puts horses into races. The runners of the coming race days are made first; most of them then get earlier
// runs on the history days (and a few at local racecourses or abroad), and the rest of every history field is
// filled with horses that only appear there. Then each field is drawn (horse numbers, brackets), riders and
// weights are given, and body weights follow each horse through its runs in date order.
#include "jv/demo/DemoModel.h"
#include "jv/demo/DemoRandom.h"
#include "jv/demo/HorseFactory.h"

namespace renoka::demo {

void buildFields(DemoWorld& world, HorseFactory& factory, DemoRandom rng);

// Carried weight (0.1 kg) of a horse of `age` and `sex` under the race's weight rule, before allowances.
int carriedWeight(const Race& race, int age, int sex, DemoRandom& rng);

} // namespace renoka::demo
