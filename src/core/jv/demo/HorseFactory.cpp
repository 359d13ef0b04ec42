#include "jv/demo/HorseFactory.h"

#include "jv/demo/RaceConditions.h"
#include "text/Format.h"

#include <algorithm>
#include <set>

namespace renoka::demo {

void HorseFactory::makePeople() {
    std::set<int> codes;
    auto code = [&](int base) {
        int c;
        do
            c = base + m_rng.below(900);
        while (!codes.insert(c).second);
        return fmt("%05d", c);
    };
    for (int i = 0; i < 72; ++i) {
        Person p;
        p.code = code(1000);
        p.name = m_names.jockeyName();
        p.east = 1 + i % 2;
        // About one rider in eight still claims an allowance; one of them is a woman (◇).
        if (i % 8 == 5) p.apprentice = i == 13 ? 9 : 1 + m_rng.below(3);
        p.skill = 0.35 * m_rng.normal() - (p.apprentice ? 0.2 : 0.0);
        m_world.jockeys.push_back(p);
    }
    for (int i = 0; i < 60; ++i) {
        Person p;
        p.code = code(400);
        p.name = m_names.trainerName();
        p.east = 1 + i % 2;
        m_world.trainers.push_back(p);
    }
    for (int i = 0; i < 80; ++i)
        m_world.owners.push_back(m_names.ownerName());
}

std::string HorseFactory::registrationNumber(int birthYear) {
    // Birth year, the breed digit, then a serial that is unique within the demo.
    std::string number;
    do
        number = fmt("%04d1%05d", birthYear, m_rng.between(1, 99999));
    while (!m_usedNumbers.insert(number).second);
    return number;
}

int HorseFactory::ageFor(const Race& race) {
    const bool secondHalf = isSecondHalf(race.date);
    switch (race.group) {
    case Group::Young:
        return secondHalf ? 2 : 3;
    case Group::Jump:
        return (secondHalf ? 3 : 4) + m_rng.weighted({10, 25, 25, 20, 12, 8});
    default:
        return (secondHalf ? 3 : 4) + m_rng.weighted({30, 30, 20, 12, 8});
    }
}

int HorseFactory::makeHorse(const Race& race) {
    Horse h;
    const int age = ageFor(race);
    h.birthYear = race.date.year - age;
    h.regNo = registrationNumber(h.birthYear);
    h.name = m_names.horseName();
    if (race.fillies)
        h.sex = 2;
    else if (race.group == Group::Young)
        h.sex = 1 + m_rng.weighted({60, 40});
    else
        h.sex = 1 + m_rng.weighted({58, 34, 8});
    h.coat = 1 + m_rng.weighted({20, 6, 34, 20, 8, 3, 9});
    h.mark = m_rng.pick(std::vector<std::string>{"00", "00", "00", "00", "00", "00", "00", "00", "00", "00", "00", "00",
                                                 "00", "00", "00", "00", "06", "03", "04"});
    h.group = race.group;
    h.level = race.level;
    h.surface = race.surface;
    // Trainers near the racecourse: the eastern centre sends most runners to Tokyo, the western one elsewhere.
    const int east = race.course == "05" ? (m_rng.chance(0.75) ? 1 : 2) : (m_rng.chance(0.75) ? 2 : 1);
    h.east = east;
    int trainer;
    do
        trainer = m_rng.below(static_cast<int>(m_world.trainers.size()));
    while (m_world.trainers[static_cast<size_t>(trainer)].east != east);
    h.trainer = trainer;
    h.owner = m_rng.below(static_cast<int>(m_world.owners.size()));
    h.silks = m_names.silks();
    h.ability = (race.group == Group::Jump ? 0.3 : 0.5) * race.level + m_rng.normal();
    h.style = 1 + m_rng.weighted({15, 35, 35, 15});
    h.bodyWeight = std::clamp(static_cast<int>(470 + 24 * m_rng.normal()) - (h.sex == 2 ? 18 : 0), 396, 566);
    if (race.group == Group::Young && isSecondHalf(race.date)) h.bodyWeight -= 12;
    h.blinkers = m_rng.chance(0.1);
    m_world.horses.push_back(std::move(h));
    return static_cast<int>(m_world.horses.size()) - 1;
}

} // namespace renoka::demo
