#include "support/SyntheticStream.h"

#include "base/Cp932.h"
#include "store/RecordSizes.h"
#include "support/RecordBytes.h"
#include "text/Format.h"

#include <QDate>

#include <cstdint>

namespace renoka::test {

namespace {

// A small deterministic generator, so that the stream is the same on every machine.
struct Rng {
    uint64_t state;
    uint64_t next() {
        state += 0x9E3779B97F4A7C15ull;
        uint64_t z = state;
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    int below(int n) { return static_cast<int>(next() % static_cast<uint64_t>(n)); }
};

std::string blankRecord(const char* type, char kind, size_t length) {
    std::string r(length - 2, ' ');
    r.replace(0, 2, type);
    r[2] = kind;
    r.replace(3, 8, "20261201");
    return r;
}

std::string raceKey(const QDate& day, const char* course, int kai, int nichi, int race) {
    return day.toString(QStringLiteral("yyyyMMdd")).toStdString() + course + fmt("%02d%02d%02d", kai, nichi, race);
}

std::string horseName(int horse) {
    static const char* const syllables[] = {"ア", "カ", "サ", "タ", "ナ", "ハ", "マ", "ヤ", "ラ", "ワ",
                                            "キ", "シ", "チ", "ニ", "ヒ", "ミ", "リ", "ル", "レ", "ロ"};
    std::string name;
    int n = horse + 7;
    for (int i = 0; i < 6; ++i, n /= 20)
        name += sj(syllables[n % 20]);
    while (name.size() < 36)
        name += sj("　");
    return name;
}

} // namespace

std::vector<std::string> syntheticSetupStream(const SyntheticStreamOptions& o) {
    Rng rng{o.seed};
    std::vector<std::string> out;
    const char* const courses[] = {"05", "06", "09"};
    const QDate newest(2026, 11, 29);
    for (int d = o.days - 1; d >= 0; --d) {
        const QDate day = newest.addDays(-7 * d);
        for (int c = 0; c < 3; ++c) {
            const int kai = 1 + d / 8;
            const int nichi = 1 + d % 8;
            for (int race = 1; race <= 12; ++race) {
                const std::string key = raceKey(day, courses[c], kai, nichi, race);
                const int runners = 8 + rng.below(11);
                std::string ra = blankRecord("RA", '7', records::RA);
                put(ra, 12, key);
                put(ra, 874, fmt("%02d%02d", 10 + race / 2, (race % 2) * 30));
                put(ra, 882, fmt("%02d", runners));
                put(ra, 884, fmt("%02d", runners));
                out.push_back(ra);
                for (int h = 1; h <= runners; ++h) {
                    const int horse = rng.below(o.horsePool);
                    const std::string registration = fmt("%04d%06d", 2018 + horse % 5, horse);
                    std::string se = blankRecord("SE", '7', records::SE);
                    put(se, 12, key);
                    put(se, 29, fmt("%02d", h));
                    put(se, 31, registration);
                    put(se, 41, horseName(horse));
                    put(se, 335, fmt("%02d", 1 + rng.below(runners)));
                    out.push_back(se);
                    if (o.foreignEvery > 0 && rng.below(o.foreignEvery) == 0) {
                        // A run at a local racecourse a few days earlier, with its race details.
                        const std::string localKey = raceKey(day.addDays(-3), "44", 1, 1, 1 + rng.below(12));
                        std::string localRa = blankRecord("RA", 'A', records::RA);
                        put(localRa, 12, localKey);
                        put(localRa, 882, "12");
                        out.push_back(localRa);
                        std::string localSe = blankRecord("SE", 'A', records::SE);
                        put(localSe, 12, localKey);
                        put(localSe, 29, fmt("%02d", 1 + rng.below(12)));
                        put(localSe, 31, registration);
                        put(localSe, 41, horseName(horse));
                        out.push_back(localSe);
                    }
                }
                std::string hr = blankRecord("HR", '2', records::HR);
                put(hr, 12, key);
                put(hr, 28, fmt("%02d%02d", runners, runners));
                out.push_back(hr);
                std::string tm = blankRecord("TM", '7', records::TM);
                put(tm, 12, key);
                out.push_back(tm);
            }
        }
    }
    return out;
}

} // namespace renoka::test
