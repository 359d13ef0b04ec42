#pragma once
// A live race day on a temporary program folder: the day of the fake clock (2026-12-08) chosen in the day list,
// its races in the store and in its race file, and the fetches' follow-up steps recorded instead of run.
#include "core/results/DayFixture.h"
#include "jv/realtime/RealtimeFetches.h"
#include "platform/FileIo.h"
#include "support/ScriptedJvLink.h"
#include "text/Fields.h"

#include <string>
#include <vector>

namespace renoka::test {

struct LiveDayFixture : DayFixture {
    ScriptedJvLink jv;
    std::vector<std::string> labels;   // every text DLlabel got, UTF-8
    std::vector<std::string> followUp; // the steps after the fetches, in order

    // Over the scripted data service; the follow-up steps run for real unless recorded.
    explicit LiveDayFixture(bool recordFollowUps = true) { setUp(nullptr, recordFollowUps); }

    // Makes the form anew over `link` (null: the scripted data service), the day chosen.
    void setUp(JvLink* link, bool recordFollowUps) {
        makeForm(link ? link : &jv);
        std::filesystem::create_directories(dir / "Data");
        std::filesystem::create_directories(dir / "CHG");
        store().blank();
        store().DayName = sj("2026年12月08日");
        main().DateCombo.items = {sj("2026年12月08日")};
        main().DateCombo.itemIndex = 0;
        RealtimeFetches& f = main().fetches();
        f.onProgress = [this](const std::string& text) { labels.push_back(toUtf8(text)); };
        if (!recordFollowUps) return;
        f.OzReadBtnClick = [this] { followUp.push_back("OzRead " + std::to_string(store().OddsSlot)); };
        f.HrReadBtnClick = [this] { followUp.push_back("HrRead"); };
        f.BataijuReadBtnClick = [this] { followUp.push_back("BataijuRead"); };
        f.DMReadBtnClick = [this] { followUp.push_back("DMRead"); };
        f.DatListClick = [this] { followUp.push_back("DatList"); };
        f.KaisaiReadBtnClick = [this] { followUp.push_back("KaisaiRead"); };
        f.JikuBtnClick = [this] { followUp.push_back("Jiku"); };
        f.oddsRead = [this](int slot) { followUp.push_back("oddsRead " + std::to_string(slot)); };
    }

    // Races into the store's slots in order, into the race list, and into the day's race file; the first one is
    // shown. Each is racecourse, race number and post time.
    struct Race {
        const char* course;
        int number;
        const char* post;
    };
    void setRaces(const std::vector<Race>& races) {
        std::vector<std::string> lines;
        main().DatList.items.clear();
        for (size_t i = 0; i < races.size(); ++i) {
            Rec r = ra(races[i].course, races[i].number);
            r.put(874, races[i].post);
            store().setRa(static_cast<int>(i), r.bytes);
            lines.push_back(r.bytes.substr(0, r.bytes.size() - 2));
            main().DatList.items.push_back(std::string(races[i].course) + std::to_string(races[i].number));
        }
        saveLines(dir / "Data" / "2026年12月08日.jvRA", lines);
        main().DatList.itemIndex = races.empty() ? -1 : 0;
        store().CurrentRace = 0;
    }

    // The error log's entries ("【エラー】hh:nn:ss：" taken off), UTF-8.
    std::vector<std::string> loggedErrors() const {
        std::vector<std::string> out;
        const std::string mark = "【エラー】";
        for (const std::string& line : loadLines(dir / "ErrorLog.txt")) {
            const std::string text = toUtf8(line);
            if (text.rfind(mark, 0) != 0) continue;
            const size_t colon = text.find("：", mark.size());
            out.push_back(colon == std::string::npos ? text : text.substr(colon + std::string("：").size()));
        }
        return out;
    }
};

} // namespace renoka::test
