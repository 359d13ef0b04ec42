#include "raceday/RaceCard.h"

#include "base/Cp932.h"
#include "codes/KeibaFunc.h"
#include "frame/ProgramFolder.h"
#include "platform/Desktop.h"
#include "platform/FileIo.h"
#include "store/RaceDayStore.h"
#include "text/Controls.h"
#include "text/Fields.h"
#include "text/Format.h"
#include "text/SortedStringList.h"
#include "text/ViewChanges.h"

#include <algorithm>
#include <array>

namespace renoka {

namespace {

// The words of the header and the messages, converted once: a race is shown on every click and after every
// odds fetch, so nothing on that path should go through the converter again.
struct CardTexts {
    std::string nen = sj("年");
    std::string gatsu = sj("月");
    std::string nichiOpen = sj("日(");
    std::string kai = sj("回");
    std::string nichi = sj("日");
    std::string raceAndPost = "R   ";
    std::string hassou = sj("発走  ");
    std::string fwSpace = sj("　");
    std::string dai = sj("第");
    std::string kaiBlank = sj("回 ");
    std::string tou = sj("頭[入線:");
    std::string touClose = sj("頭] ");
    std::string meter = sj("ﾒｰﾄﾙ ");
    std::string prize = sj("【本 賞 金】1着:");
    std::string added = sj("【付加賞金】1着:");
    std::array<std::string, 4> place = {sj("/2着:"), sj("/3着:"), sj("/4着:"), sj("/5着:")};
    std::string unit = sj("　　　　　　　　(単位：百円)");
    std::string askTrack = sj("を追跡馬に登録しますか？");
    std::string tracked = sj("を追跡馬に登録しました。");
    std::string r1 = sj("追跡馬に登録:");
    std::string uma = sj("馬情報:");
    std::string kishu = sj("騎手情報:");
    std::string chok = sj("調教師情報:");
};

const CardTexts& cardTexts() {
    static const CardTexts t;
    return t;
}

// The name as menus and questions show it: without the full-width padding of the record.
std::string shownName(std::string_view se) {
    return trim(StripFullWidthSpaces(field(se, 41, 36)));
}

// Last three furlongs of a horse's previous run, in tenths, or 0. A jump race keeps the average furlong in that
// field, which would read as a very fast finish; such runs (and "999", no time) give nothing.
double previousLast3F(const RaceDayStore& store, int slot, int horse) {
    const std::string_view prevSe = store.prevSe(slot, horse, 1);
    const int tenths = fieldInt(prevSe, 391, 3);
    if (tenths <= 0 || tenths >= 999) return 0;
    if (fieldInt(store.prevRa(slot, horse, 1), 706, 2) >= 51) return 0;
    return tenths;
}

} // namespace

RaceCard::RaceCard(RaceDayStore& store, const ProgramFolder& folder, Desktop& desktop, const ListControl& datList,
                   SortedStringList& trackedHorses, ViewChanges& changes)
    : StringGrid6(kColCount, 1), m_store(store), m_folder(folder), m_desktop(desktop), m_datList(datList),
      m_trackedHorses(trackedHorses), m_changes(changes) {
    static const std::array<const char*, kColCount> headers = {
        "枠",       "馬",     "馬名/騎手/斤量/性齢", "調教師",  "ﾌﾞﾘﾝｶ",
        "見習",     "着順",   "人気/確ｵｯｽﾞ",         "走破ﾀｲﾑ", "3Fﾀｲﾑ",
        "ｺｰﾅｰ順位", "馬体重", "本賞金/付加賞金",     "異常区分"};
    static constexpr std::array<int, kColCount> widths = {20, 20, 180, 60, 35, 40, 50, 90, 50, 60, 70, 40, 90, 60};
    for (int c = 0; c < kColCount; ++c) {
        StringGrid6.setCell(c, 0, sj(headers[static_cast<size_t>(c)]));
        StringGrid6.setColWidth(c, widths[static_cast<size_t>(c)]);
    }
    menu.R1 = sj("追跡馬に登録(&R)");
    menu.UmaMenu = sj("馬情報");
    menu.KishuMenu = sj("騎手情報");
    menu.ChokMenu = sj("調教師情報");
}

void RaceCard::show(int slot, int horses) {
    StringGrid6.setRowCount(horses + 1);
    for (int r = 1; r <= horses; ++r)
        for (int c = 0; c < kColCount; ++c)
            StringGrid6.setCell(c, r, {});
    writeHeader(slot);
    fillRows(slot, horses);
    m_changes.mark(View::RaceCard);
}

void RaceCard::refreshHeader(int slot) {
    writeHeader(slot);
    m_changes.mark(View::RaceCard);
}

std::string RaceCard::heading() const {
    std::string text;
    for (const Label* label : {&Label1, &Label2, &Label3, &Label4}) {
        text += label->text;
        text += "\r\n";
    }
    return text;
}

void RaceCard::writeHeader(int slot) {
    const CardTexts& t = cardTexts();
    const std::string_view ra = m_store.ra(slot);
    auto f = [ra](int pos, int len) { return field(ra, pos, len); };

    std::string& l1 = Label1.text;
    l1.assign(f(12, 4));
    l1 += t.nen;
    l1 += f(16, 2);
    l1 += t.gatsu;
    l1 += f(18, 2);
    l1 += t.nichiOpen;
    l1 += WeekdayText(f(28, 1), 1);
    l1 += ')';
    l1 += JyoName(f(20, 2), 2);
    l1 += f(22, 2);
    l1 += t.kai;
    l1 += f(24, 2);
    l1 += t.nichi;
    l1 += f(26, 2);
    l1 += t.raceAndPost;
    l1 += f(874, 2);
    l1 += '.';
    l1 += f(876, 2);
    l1 += t.hassou;
    l1 += WeatherText(f(888, 1));
    l1 += t.fwSpace;
    l1 += GoingText(f(889, 1), 1);
    l1 += t.fwSpace;
    l1 += GoingText(f(890, 1), 2);

    std::string& l2 = Label2.text;
    l2.clear();
    if (const int count = fieldInt(ra, 612, 3); count != 0) {
        l2 += t.dai;
        l2 += std::to_string(count);
        l2 += t.kaiBlank;
    }
    l2 += f(33, 60);

    std::string& l3 = Label3.text;
    l3 = fmt("%2d", fieldInt(ra, 882, 2));
    l3 += t.tou;
    l3 += NumText(f(886, 2));
    l3 += t.touClose;
    l3 += fmt("%4d", fieldInt(ra, 698, 4));
    l3 += t.meter;
    l3 += TrackText(f(706, 2));
    l3 += '(';
    l3 += trimView(f(710, 2));
    l3 += ") ";
    l3 += GradeText(f(615, 1), 1);
    l3 += ' ';
    l3 += RaceKindText(f(617, 2), 8);
    l3 += ' ';
    l3 += RaceSymbolText(f(619, 3));

    Label4.text = WeightRuleText(f(622, 1)) + ' ' + RaceClassText(f(617, 2), f(635, 3));

    std::string& l6 = Label6.text;
    l6 = t.prize;
    for (int i = 0; i < 5; ++i) {
        if (i > 0) l6 += t.place[static_cast<size_t>(i - 1)];
        l6 += NumText(f(714 + 8 * i, 8));
    }
    std::string& l7 = Label7.text;
    l7 = t.added;
    for (int i = 0; i < 3; ++i) {
        if (i > 0) l7 += t.place[static_cast<size_t>(i - 1)];
        l7 += NumText(f(810 + 8 * i, 8));
    }
    l7 += t.unit;

    BashoLabel.text = JyoName(f(20, 2), 2);
    RaceLabel.text = trim(NumText(f(26, 2)));
    const int track = fieldInt(ra, 706, 2);
    Panel3Color = track >= 10 && track <= 22 ? colors::Green : colors::Maroon;

    const std::string_view o1 = m_store.odds(1, slot);
    TFWtimeLabel.text.assign(field(o1, 32, 2));
    TFWtimeLabel.text += ':';
    TFWtimeLabel.text += field(o1, 34, 2);

    Label3Dj1.text.clear();
    Label3Dj2.text.clear();
}

void RaceCard::fillRows(int slot, int horses) {
    RaceDayStore& store = m_store;
    RaceWork& work = store.work(slot);
    for (int r = 1; r <= horses; ++r) {
        const int horse = r - 1;
        const std::string_view se = store.se(slot, horse);
        const int number = fieldInt(se, 29, 2);
        StringGrid6.setCell(0, r, std::string(field(se, 28, 1)));
        StringGrid6.setCell(1, r, number > 0 ? fmt("%2d", number) : std::string());
        StringGrid6.setCell(2, r, std::string(field(se, 41, 36)));
        StringGrid6.setCell(3, r, std::string(field(se, 91, 8)));
        StringGrid6.setCell(4, r, BlinkerText(field(se, 295, 1)));
        StringGrid6.setCell(5, r, ApprenticeText(field(se, 323, 1)));
        StringGrid6.setCell(6, r, NumText(field(se, 335, 2)));
        StringGrid6.setCell(7, r, NumText(field(se, 364, 2)));
        StringGrid6.setCell(8, r, TimeTextDots(field(se, 339, 4)));
        StringGrid6.setCell(9, r, TenthsTextWide(field(se, 391, 3)));
        work.PrevLast3F[static_cast<size_t>(horse)] = previousLast3F(store, slot, horse);
    }
}

void RaceCard::StringGrid6MouseDown(int row, int /*col*/) {
    if (row < 1 || row >= StringGrid6.rowCount()) return;
    RaceDayStore& store = m_store;
    const std::string_view se = store.se(store.CurrentRace, row - 1);
    const CardTexts& t = cardTexts();
    const std::string name = shownName(se);
    menu.R1 = t.r1 + name;
    menu.UmaMenu = t.uma + name;
    menu.KishuMenu = t.kishu + std::string(field(se, 307, 8));
    menu.ChokMenu = t.chok + std::string(field(se, 91, 8));
    store.CurrentHorse = row - 1;
    m_changes.mark(View::RaceCard);
}

void RaceCard::StringGrid6MouseUp() {
    StringGrid6.selectedRow = -1;
    StringGrid6.selectedCol = -1;
    m_changes.mark(View::RaceCard);
}

void RaceCard::R1Click() {
    RaceDayStore& store = m_store;
    const std::string_view se = store.se(store.CurrentRace, store.CurrentHorse);
    const std::string name = shownName(se);
    if (!m_desktop.confirm(name + cardTexts().askTrack)) return;
    std::string line(field(se, 31, 10));
    line += field(se, 41, 36);
    m_trackedHorses.add(std::move(line));
    store.work(store.CurrentRace).Tracked[static_cast<size_t>(store.CurrentHorse)] = true;
    saveLines(m_folder.pathOf("ChaseHorse.dat"), m_trackedHorses.items());
    m_desktop.information(name + cardTexts().tracked);
    if (DatListClick) DatListClick();
}

} // namespace renoka
