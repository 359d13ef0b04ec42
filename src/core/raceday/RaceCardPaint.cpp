// How the race card's cells are drawn. The grid keeps plain texts for printing and copying; what the punter
// sees is composed here from the runner record, two lines to a cell, with placings and popularity in colour.
#include "analysis/HorseWeights.h"
#include "base/Cp932.h"
#include "codes/KeibaFunc.h"
#include "raceday/RaceCard.h"
#include "store/RaceDayStore.h"
#include "text/Controls.h"
#include "text/Fields.h"
#include "text/Format.h"

#include <algorithm>
#include <array>
#include <cstdlib>

namespace renoka {

namespace {

struct PaintTexts {
    std::string arrival = sj("入:");
    std::string placing = sj("確:");
    std::string popularity = sj("人気:");
    std::string odds = sj("ｵｯｽﾞ:");
    std::string before = sj("前= ");
    std::string after = sj("後= ");
    std::string furlong = "1F= ";
    std::string thousandYen = sj("千円");
    std::string notWeighed = sj("計不");
    std::string noChange = sj("(±0)");
};

const PaintTexts& paintTexts() {
    static const PaintTexts t;
    return t;
}

Color bracketColor(int bracket) {
    static constexpr std::array<Color, 8> byBracket = {colors::White,  colors::Gray,  colors::Red,    colors::Blue,
                                                       colors::Yellow, colors::Green, colors::Orange, colors::Fuchsia};
    return bracket >= 1 && bracket <= 8 ? byBracket[static_cast<size_t>(bracket - 1)] : colors::White;
}

// Placings, popularity and corner positions: the winner red, the next two blue, the rest black.
Color rankColor(int rank) {
    if (rank == 1) return colors::Red;
    if (rank == 2 || rank == 3) return colors::Blue;
    return colors::Black;
}

// "00" and blanks are how the records say "no placing yet".
bool noRank(std::string_view f) {
    return toInt(f) <= 0;
}

CellPaint plain(Color background = colors::White) {
    CellPaint p;
    p.background = background;
    p.textColor = colors::Black;
    return p;
}

// Adds a line whose value part is coloured by rank; a missing rank leaves a single blank.
void addRankLine(CellPaint& p, const std::string& label, int width, std::string_view f) {
    if (noRank(f)) {
        p.lines.emplace_back(" ");
        return;
    }
    const int rank = toInt(f);
    std::string line = label + fmt("%*d", width, rank);
    p.spans.push_back({static_cast<int>(p.lines.size()), 0, static_cast<int>(line.size()), rankColor(rank)});
    p.lines.push_back(std::move(line));
}

// The right-hand marks of the name cell sit at a fixed place after the left-hand text.
std::string padTo(std::string text, size_t bytes) {
    text.resize(std::max(text.size() + 1, bytes), ' ');
    return text;
}

CellPaint nameCell(std::string_view se) {
    CellPaint p = plain(colors::BtnFace);
    p.bold = true;
    std::string line1 = padTo(trim(StripFullWidthSpaces(field(se, 41, 36))), 20);
    line1 += StyleMark(field(se, 553, 1));
    std::string line2 = "  ";
    line2 += field(se, 307, 8);
    line2 += ' ';
    line2 += TenthsTextWide(field(se, 289, 3));
    line2 += "kg";
    line2 = padTo(std::move(line2), 20);
    line2 += SexText(field(se, 79, 1));
    line2 += NumText(field(se, 83, 2));
    p.lines = {std::move(line1), std::move(line2)};
    return p;
}

CellPaint popularityCell(std::string_view se) {
    CellPaint p = plain();
    addRankLine(p, paintTexts().popularity, 4, field(se, 364, 2));
    const int odds = fieldInt(se, 360, 4);
    p.lines.push_back(odds > 0 ? paintTexts().odds + fmt("%5.1f", odds / 10.0) : std::string(" "));
    return p;
}

CellPaint last3FCell(std::string_view ra, std::string_view se, double previous) {
    CellPaint p = plain();
    const PaintTexts& t = paintTexts();
    // Jump races keep the average furlong in the field, not a last three furlongs.
    const bool jump = fieldInt(ra, 706, 2) >= 51;
    if (jump)
        p.lines.emplace_back();
    else
        p.lines.push_back(previous > 0 ? t.before + fmt("%4.1f", previous / 10.0) : std::string(" "));
    const std::string_view f = field(se, 391, 3);
    std::string line = jump ? t.furlong : t.after;
    if (trimView(f).empty() || f == "999" || f == "000") {
        line += ' ';
    } else {
        line += f.substr(0, 2);
        line += '.';
        line += f.substr(2, 1);
    }
    p.lines.push_back(std::move(line));
    return p;
}

CellPaint cornersCell(std::string_view se) {
    CellPaint p = plain();
    std::string line;
    for (int k = 0; k < 4; ++k) {
        const std::string_view f = field(se, 352 + 2 * k, 2);
        if (noRank(f)) {
            line += "  ";
        } else {
            const int rank = toInt(f);
            p.spans.push_back({0, static_cast<int>(line.size()), 2, rankColor(rank)});
            line += fmt("%2d", rank);
        }
        if (k < 3) line += '-';
    }
    p.lines.push_back(std::move(line));
    return p;
}

// 馬体重: the day's body weight with its change since the last run; a swing of 10 kg or more is what a punter
// looks for, so it stands out in red.
CellPaint weightCell(const RaceWork& work, int horse) {
    CellPaint p = plain();
    const int weight = work.Bataiju[static_cast<size_t>(horse)];
    if (weight <= 0) return p;
    if (weight >= HorseWeights::kNotWeighed) {
        p.lines.push_back(paintTexts().notWeighed);
        return p;
    }
    const int change = work.BataijuZogen[static_cast<size_t>(horse)];
    p.lines.push_back(fmt("%3dkg", weight));
    std::string line = change == 0 ? paintTexts().noChange : fmt("(%+d)", change);
    if (std::abs(change) >= 10) p.spans.push_back({1, 0, static_cast<int>(line.size()), colors::Red});
    p.lines.push_back(std::move(line));
    return p;
}

std::string thousandYenLine(std::string_view f) {
    std::string text = TenthsText(f);
    if (!trimView(text).empty()) text += paintTexts().thousandYen;
    return text;
}

} // namespace

CellPaint RaceCard::paint(int row, int col) const {
    if (row < 1 || row >= StringGrid6.rowCount() || col < 0 || col >= kColCount || m_datList.items.empty()) return {};
    const RaceDayStore& store = m_store;
    const int slot = store.CurrentRace;
    const int horse = row - 1;
    const std::string_view se = store.se(slot, horse);
    const RaceWork& work = store.work(slot);

    switch (col) {
    case 0: {
        const int bracket = fieldInt(se, 28, 1);
        CellPaint p = plain(bracketColor(bracket));
        p.bold = true;
        p.align = Align::Center;
        // Black is unreadable on the dark brackets, white on the light ones.
        if (bracket != 1 && bracket != 5) p.textColor = colors::White;
        p.lines.push_back(bracket > 0 ? fmt("%1d", bracket) : std::string(" "));
        return p;
    }
    case 1: {
        CellPaint p = plain(work.Tracked[static_cast<size_t>(horse)] ? colors::Red : colors::BtnFace);
        p.bold = true;
        p.align = Align::Center;
        const int number = fieldInt(se, 29, 2);
        p.lines.push_back(number > 0 ? fmt("%2d", number) : std::string(" "));
        return p;
    }
    case 2:
        return nameCell(se);
    case 3: {
        CellPaint p = plain();
        p.lines.push_back(trim(StripFullWidthSpaces(field(se, 91, 8))));
        return p;
    }
    case 4: {
        CellPaint p = plain();
        p.lines.push_back(YesMark(field(se, 295, 1)));
        return p;
    }
    case 5: {
        CellPaint p = plain();
        p.lines.push_back(ApprenticeText(field(se, 323, 1)));
        return p;
    }
    case 6: {
        // Arrival order and official placing differ when a horse is demoted; both lines show it.
        CellPaint p = plain();
        p.bold = true;
        addRankLine(p, paintTexts().arrival, 2, field(se, 333, 2));
        addRankLine(p, paintTexts().placing, 2, field(se, 335, 2));
        return p;
    }
    case 7:
        return popularityCell(se);
    case 8: {
        CellPaint p = plain();
        p.lines.push_back(TimeTextDots(field(se, 339, 4)));
        if (!trimView(p.lines.front()).empty()) p.lines.push_back(TimeText(field(se, 532, 4)));
        return p;
    }
    case 9:
        return last3FCell(store.ra(slot), se, work.PrevLast3F[static_cast<size_t>(horse)]);
    case 10:
        return cornersCell(se);
    case 11:
        return weightCell(work, horse);
    case 12: {
        CellPaint p = plain();
        p.lines = {thousandYenLine(field(se, 366, 8)), thousandYenLine(field(se, 374, 8))};
        return p;
    }
    default: {
        CellPaint p = plain();
        p.lines.push_back(AbnormalText(field(se, 332, 1)));
        return p;
    }
    }
}

} // namespace renoka
