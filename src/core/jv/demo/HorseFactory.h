#pragma once
// Makes the people and horses of the demo world: riders, trainers, owners, and horses that fit the race they
// are first made for (age group, class, surface, sex).
#include "jv/demo/DemoModel.h"
#include "jv/demo/DemoRandom.h"
#include "jv/demo/NamePools.h"

#include <set>
#include <string>

namespace renoka::demo {

class HorseFactory {
public:
    HorseFactory(DemoWorld& world, DemoRandom rng, NamePools& names) : m_world(world), m_rng(rng), m_names(names) {}

    void makePeople();
    // A new horse for `race`, added to the world; returns its index.
    int makeHorse(const Race& race);

private:
    std::string registrationNumber(int birthYear);
    int ageFor(const Race& race);

    DemoWorld& m_world;
    DemoRandom m_rng;
    NamePools& m_names;
    std::set<std::string> m_usedNumbers;
};

} // namespace renoka::demo
