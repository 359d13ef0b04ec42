#include "store/RaceDayStore.h"

#include "base/Errors.h"
#include "codes/KeibaFunc.h"
#include "text/Fields.h"

#include <algorithm>
#include <cstring>

namespace renoka {

// The record size and dimensions of one table (named outside the anonymous namespace: RaceDayStore::Table holds one).
struct RaceDayTableShape {
    size_t recordSize;
    int horses; // 0 = one record per slot
    int runs;   // 0 = no run dimension
};

namespace {

enum TableId { kRa, kSe, kPrevSe, kPrevRa, kHr, kWh, kDm, kTm, kO1, kO2, kO3, kO4, kO5, kO6, kRc, kTableCount };

using Shape = RaceDayTableShape;

constexpr Shape kShapes[kTableCount] = {
    {records::RA, 0, 0},
    {records::SE, kHorseCount, 0},
    {records::SE, kHorseCount, kPrevRunCount},
    {records::RA, kHorseCount, kPrevRunCount},
    {records::HR, 0, 0},
    {records::WH, 0, 0},
    {records::DM, 0, 0},
    {records::TM, 0, 0},
    {records::O1, 0, 0},
    {records::O2, 0, 0},
    {records::O3, 0, 0},
    {records::O4, 0, 0},
    {records::O5, 0, 0},
    {records::O6, 0, 0},
    {records::RC, 0, 0},
};

size_t elementCount(const Shape& s) {
    return static_cast<size_t>(kSlotCount) * static_cast<size_t>(std::max(s.horses, 1)) *
           static_cast<size_t>(std::max(s.runs, 1));
}

} // namespace

struct RaceDayStore::Table {
    Shape shape{};
    std::unique_ptr<char[]> data;

    char* at(int slot, int horse, int run) const {
        checkIndex(slot, kSlotCount, "レース");
        size_t index = static_cast<size_t>(slot);
        if (shape.horses) {
            checkIndex(horse, shape.horses, "馬");
            index = index * static_cast<size_t>(shape.horses) + static_cast<size_t>(horse);
        }
        if (shape.runs) {
            checkIndex(run - 1, shape.runs, "前走");
            index = index * static_cast<size_t>(shape.runs) + static_cast<size_t>(run - 1);
        }
        return data.get() + index * shape.recordSize;
    }
    std::string_view view(int slot, int horse = 0, int run = 1) const {
        return {at(slot, horse, run), shape.recordSize};
    }
    void store(std::string_view image, int slot, int horse = 0, int run = 1) {
        char* p = at(slot, horse, run);
        size_t n = std::min(image.size(), shape.recordSize);
        if (n) std::memcpy(p, image.data(), n);
        std::memset(p + n, ' ', shape.recordSize - n);
    }
    void fill(char c) { std::memset(data.get(), c, elementCount(shape) * shape.recordSize); }
};

RaceDayStore::RaceDayStore()
    : m_tables(std::make_unique<Table[]>(kTableCount)), m_work(std::make_unique<RaceWork[]>(kSlotCount)) {
    for (int i = 0; i < kTableCount; ++i) {
        m_tables[i].shape = kShapes[i];
        m_tables[i].data = std::make_unique<char[]>(elementCount(kShapes[i]) * kShapes[i].recordSize);
    }
}

RaceDayStore::~RaceDayStore() = default;

RaceDayStore::Table& RaceDayStore::table(int id) const {
    return m_tables[id];
}

std::string_view RaceDayStore::ra(int slot) const {
    return table(kRa).view(slot);
}
std::string_view RaceDayStore::se(int slot, int horse) const {
    return table(kSe).view(slot, horse);
}
std::string_view RaceDayStore::prevSe(int slot, int horse, int run) const {
    return table(kPrevSe).view(slot, horse, run);
}
std::string_view RaceDayStore::prevRa(int slot, int horse, int run) const {
    return table(kPrevRa).view(slot, horse, run);
}
std::string_view RaceDayStore::hr(int slot) const {
    return table(kHr).view(slot);
}
std::string_view RaceDayStore::wh(int slot) const {
    return table(kWh).view(slot);
}
std::string_view RaceDayStore::dm(int slot) const {
    return table(kDm).view(slot);
}
std::string_view RaceDayStore::tm(int slot) const {
    return table(kTm).view(slot);
}
std::string_view RaceDayStore::rc(int slot) const {
    return table(kRc).view(slot);
}
std::string_view RaceDayStore::odds(int kind, int slot) const {
    checkIndex(kind - 1, 6, "オッズ種別");
    return table(kO1 + kind - 1).view(slot);
}

void RaceDayStore::setRa(int slot, std::string_view image) {
    table(kRa).store(image, slot);
}
void RaceDayStore::setSe(int slot, int horse, std::string_view image) {
    table(kSe).store(image, slot, horse);
}
void RaceDayStore::setPrevSe(int slot, int horse, int run, std::string_view image) {
    table(kPrevSe).store(image, slot, horse, run);
}
void RaceDayStore::setPrevRa(int slot, int horse, int run, std::string_view image) {
    table(kPrevRa).store(image, slot, horse, run);
}
void RaceDayStore::setPrevRaKey(int slot, int horse, int run, std::string_view raceKey16) {
    char* p = table(kPrevRa).at(slot, horse, run);
    size_t n = std::min<size_t>(raceKey16.size(), 16);
    std::memcpy(p + 11, raceKey16.data(), n);
}
void RaceDayStore::setHr(int slot, std::string_view image) {
    table(kHr).store(image, slot);
}
void RaceDayStore::setWh(int slot, std::string_view image) {
    table(kWh).store(image, slot);
}
void RaceDayStore::setDm(int slot, std::string_view image) {
    table(kDm).store(image, slot);
}
void RaceDayStore::setTm(int slot, std::string_view image) {
    table(kTm).store(image, slot);
}
void RaceDayStore::setRc(int slot, std::string_view image) {
    table(kRc).store(image, slot);
}
void RaceDayStore::setOdds(int kind, int slot, std::string_view image) {
    checkIndex(kind - 1, 6, "オッズ種別");
    table(kO1 + kind - 1).store(image, slot);
}

RaceWork& RaceDayStore::work(int slot) {
    checkIndex(slot, kSlotCount, "レース");
    return m_work[static_cast<size_t>(slot)];
}
const RaceWork& RaceDayStore::work(int slot) const {
    checkIndex(slot, kSlotCount, "レース");
    return m_work[static_cast<size_t>(slot)];
}

void RaceDayStore::IniBtnClick() {
    std::memset(static_cast<void*>(m_work.get()), 0, sizeof(RaceWork) * kSlotCount);
}

void RaceDayStore::blank() {
    for (int id : {kRa, kHr, kO1, kO2, kO3, kO4, kO5, kO6, kWh, kDm, kTm, kSe})
        table(id).fill(' ');
}

bool RaceDayStore::slotInUse(int slot) const {
    std::string_view year = field(ra(slot), 12, 4);
    return year != "    " && year != "0000" && year.find('\0') == std::string_view::npos;
}

bool sameRace(std::string_view a, std::string_view b) {
    return a.size() >= 27 && b.size() >= 27 && field(a, 12, 10) == field(b, 12, 10) &&
           field(a, 26, 2) == field(b, 26, 2);
}

int RaceDayStore::slotByMatchKey(std::string_view record) const {
    // Slots without a race are passed over, so a record with blank key fields never lands in an empty slot.
    for (int slot = 0; slot < kSlotCount; ++slot)
        if (slotInUse(slot) && sameRace(ra(slot), record)) return slot;
    return -1;
}

void RaceDayStore::setOzGetTimes(int slot, int autoOzGet) {
    RaceWork& w = work(slot);
    std::string_view post = field(ra(slot), 874, 4);
    for (int i = 0; i < 3; ++i)
        w.OzGetTimes[static_cast<size_t>(i)].assign(ShiftTime(post, -autoOzGet + i));
}

} // namespace renoka
