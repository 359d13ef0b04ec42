#include "jv/realtime/RealtimeFetches.h"

#include "base/Cp932.h"
#include "codes/KeibaFunc.h"
#include "frame/ErrorLog.h"
#include "frame/ProgramFolder.h"
#include "jv/JvErrorText.h"
#include "jv/JvLink.h"
#include "jv/JvResultCodes.h"
#include "platform/Clock.h"
#include "platform/Desktop.h"
#include "store/RaceDayStore.h"
#include "text/Controls.h"
#include "text/Fields.h"
#include "text/Label.h"
#include "text/ViewChanges.h"

namespace renoka {

namespace {

constexpr int kRejectsLoggedPerFetch = 20;

// A key is used only when it reads as a positive number: a slot without a race has a blank key.
bool positiveNumber(std::string_view key) {
    return isDigits(key) && key.find_first_not_of('0') != std::string_view::npos;
}

// "01" .. "12" as the labels show it: " 1" .. "12".
std::string spacedRace(std::string_view race) {
    std::string out(race);
    if (!out.empty() && out[0] == '0') out[0] = ' ';
    return out;
}

void call(const std::function<void()>& step) {
    if (step) step();
}

} // namespace

RealtimeFetches::RealtimeFetches(RaceDayStore& store, DayFileStore& files, const ProgramFolder& folder,
                                 FetchPorts ports, FetchControls controls, ViewChanges& changes)
    : m_store(store), m_files(files), m_ports(ports), m_c(controls), m_changes(changes),
      m_router(files, folder.dir(), [this](const std::string& reason) {
          if (m_rejectsLogged++ < kRejectsLoggedPerFetch) m_ports.errorLog.record(reason);
      }) {}

bool RealtimeFetches::dayChosen() const {
    return m_c.DateCombo.itemIndex >= 0;
}

bool RealtimeFetches::raceChosen() const {
    return m_c.DatList.itemIndex >= 0 && dayChosen();
}

std::string RealtimeFetches::dayKey() const {
    const std::string key(field(m_store.ra(0), 12, 8));
    return positiveNumber(key) ? key : std::string();
}

std::string RealtimeFetches::raceKey(int slot) const {
    const std::string key(field(m_store.ra(slot), 12, 16));
    return positiveNumber(key) ? key : std::string();
}

std::string RealtimeFetches::venueRace() const {
    const std::string_view ra = m_store.ra(m_store.CurrentRace);
    return JyoName(field(ra, 20, 2), 2) + spacedRace(field(ra, 26, 2));
}

void RealtimeFetches::setLabel(std::string text) {
    m_c.DLlabel.text = std::move(text);
    m_changes.mark(View::Status);
    if (onProgress) onProgress(m_c.DLlabel.text);
}

void RealtimeFetches::report(const std::string& text, bool beep) {
    if (beep) m_ports.desktop.beep();
    setLabel(text);
    m_ports.errorLog.record(text);
    ++m_failures;
}

void RealtimeFetches::closeStream(CloseRule rule, bool quiet) {
    const int32_t rc = m_ports.jvLink.JVClose();
    if (rc != 0) {
        report(JVErrorText("JVClose", rc), rule == CloseRule::Odds);
    } else if (rule != CloseRule::Odds && !quiet) {
        m_ports.desktop.beep();
    }
}

void RealtimeFetches::runStream(const Stream& s) {
    setLabel(s.fetchingText);
    m_ports.desktop.processEvents();
    bool closed = false;
    const auto finish = [&] {
        setLabel({});
        m_ports.desktop.processEvents();
        if (!closed) closeStream(s.close, s.closeQuiet);
    };
    try {
        m_rejectsLogged = 0;
        const int32_t rc = m_ports.jvLink.JVRTOpen(widenAscii(s.dataSpec), widenAscii(s.key));
        if (rc != 0) {
            const std::string text = s.errorText + JVErrorText("JVRTOpen", rc);
            if (!s.openQuiet) m_ports.desktop.beep();
            setLabel(text);
            if (s.logOpenFailure) m_ports.errorLog.record(text);
            ++m_failures;
            // A second stream is refused while another fetch reads its own, which this one interrupted from inside
            // that fetch's read loop: that stream is not ours to close.
            if (rc == jvcode::StreamAlreadyOpen) {
                closed = true;
            } else if (!s.closeAtEndOnly) {
                closeStream(s.close, s.closeQuiet);
                closed = true;
            }
        } else {
            read(s.data);
            if (!s.closeAtEndOnly) {
                closeStream(s.close, s.closeQuiet);
                closed = true;
            }
        }
    } catch (...) {
        finish();
        throw;
    }
    finish();
}

void RealtimeFetches::read(RealtimeData data) {
    // The merged files are kept in memory while the stream is read and written once at its end, also when the
    // read fails: what was merged before a failure stays written.
    const bool ownBatch = !m_files.batching();
    if (ownBatch) m_files.beginBatch();
    try {
        int32_t size = data == RealtimeData::Odds ? 100000 : 60000;
        std::u16string buffer;
        std::u16string fileName;
        std::string record;
        int64_t stalledSince = -1;
        while (true) {
            m_ports.desktop.processEvents();
            const int32_t rc = m_ports.jvLink.JVRead(buffer, size, fileName);
            if (rc > 0) {
                stalledSince = -1;
                fromUtf16Into(buffer, record);
                if (record.size() >= 2 && record.compare(record.size() - 2, 2, "\r\n") == 0)
                    record.resize(record.size() - 2);
                m_router.route(data, record);
                continue;
            }
            if (rc == 0) break;
            if (rc == jvcode::StillDownloading) {
                // A stream that keeps saying it is downloading would hold the data service (and every later fetch)
                // for ever; after a while it counts as a failed read.
                const int64_t now = m_ports.clock.steadyMs();
                if (stalledSince < 0) stalledSince = now;
                if (now - stalledSince < kStallLimitMs) continue;
                report(JVErrorText("JVRead", rc) + sj("が続くため読込みを打ち切りました。"),
                       data == RealtimeData::Odds);
                break;
            }
            if (rc >= -3) continue;
            report(JVErrorText("JVRead", rc), data == RealtimeData::Odds);
            break;
        }
        if (m_rejectsLogged > kRejectsLoggedPerFetch)
            m_ports.errorLog.record(sj("不正な速報レコードを合わせて") + std::to_string(m_rejectsLogged) +
                                    sj("件読み飛ばしました。"));
    } catch (...) {
        if (ownBatch) {
            try {
                m_files.endBatch();
            } catch (...) {
                // The first failure is the one to report.
            }
        }
        throw;
    }
    if (ownBatch) m_files.endBatch();
}

void RealtimeFetches::SokuhoOddsBtnClick() {
    if (!raceChosen()) return;
    const std::string key = raceKey(m_store.CurrentRace);
    if (key.empty()) return;
    const std::string venue = venueRace();
    runStream({"0B30", key, RealtimeData::Odds, venue + sj("オッズ取得中"), venue + sj("R:ｵｯｽﾞ取得エラー："),
               CloseRule::Odds, false, false, true, false});
    m_store.OddsSlot = m_c.DatList.itemIndex;
    call(OzReadBtnClick);
    call(DatListClick);
}

void RealtimeFetches::KekkaGetBtnClick() {
    if (!raceChosen()) return;
    const std::string key = dayKey();
    if (key.empty()) return;
    const bool quiet = m_c.quiet.QuietResults;
    runStream({"0B12", key, RealtimeData::Results, sj("ﾚｰｽ情報データ取得中"),
               venueRace() + sj("R:ﾚｰｽ情報データ取得エラー："), CloseRule::Beeping, quiet, quiet, true, false});
    call(HrReadBtnClick);
    call(DatListClick);
}

void RealtimeFetches::GetBataijuBtnClick() {
    if (!raceChosen()) return;
    const std::string key = dayKey();
    if (key.empty()) return;
    const bool quiet = m_c.quiet.QuietWeights;
    runStream({"0B11", key, RealtimeData::Weights, sj("馬体重データ取得中"),
               venueRace() + sj("R:馬体重データ取得エラー："), CloseRule::Beeping, quiet, quiet, true, false});
    call(BataijuReadBtnClick);
    call(DatListClick);
}

void RealtimeFetches::GetDMBtnClick() {
    if (!raceChosen()) return;
    const std::string key = dayKey();
    if (key.empty()) return;
    const bool quiet = m_c.quiet.QuietMining;
    const std::string error = venueRace() + sj("R:DMデータ取得エラー：");
    // The match-up forecasts are fetched also when the time forecasts failed; the view follows once, after both.
    runStream(
        {"0B13", key, RealtimeData::TimeMining, sj("DM取得中"), error, CloseRule::Beeping, quiet, quiet, true, false});
    runStream({"0B17", key, RealtimeData::MatchMining, sj("対戦DM取得中"), error, CloseRule::Beeping, quiet, quiet,
               true, false});
    call(DMReadBtnClick);
    call(DatListClick);
}

void RealtimeFetches::GetKaisaiBtnClick() {
    if (!dayChosen()) return;
    const std::string key = dayKey();
    if (key.empty()) return;
    // An open failure always beeps and stays out of the log; only the closing beep keeps quiet.
    runStream({"0B14", key, RealtimeData::Changes, sj("開催速報データ取得中"),
               venueRace() + sj("R:開催速報データ取得エラー："), CloseRule::Beeping, false, m_c.quiet.QuietChanges,
               false, true});
    call(KaisaiReadBtnClick);
}

void RealtimeFetches::OzGetLoopBtnClick() {
    if (m_c.OzFetchList.empty()) return;
    const std::string_view shown = m_store.ra(m_store.CurrentRace);
    const std::string shownCourse(field(shown, 20, 2));
    const std::string shownRace(field(shown, 26, 2));
    bool shownFetched = false;
    // The list is the round's own: whatever runs inside a read must not change which races this round fetches.
    const std::vector<std::string> entries = m_c.OzFetchList;
    for (const std::string& entry : entries) {
        const std::string course(field(entry, 9, 2));
        const std::string race(field(entry, 15, 2));
        const std::string label = JyoName(course, 2) + spacedRace(race);
        if (course == shownCourse && race == shownRace) shownFetched = true;
        runStream({"0B30", std::string(field(entry, 1, 16)), RealtimeData::Odds, label + sj("R ｵｯｽﾞ取得中"),
                   label + "R:", CloseRule::Odds, false, false, true, false});
        const int slot = toIntDef(field(entry, 17, 2), -1);
        m_store.OddsSlot = slot;
        call(OzReadBtnClick);
        if (oddsRead) oddsRead(slot);
        call(JikuBtnClick);
    }
    // Without a race on screen there is nothing to show again.
    if (shownFetched && m_c.DatList.itemIndex >= 0) call(DatListClick);
}

void RealtimeFetches::N1O1Click() {
    const bool noDay = m_c.DateCombo.itemIndex < 0 ||
                       m_c.DateCombo.itemIndex >= static_cast<int>(m_c.DateCombo.items.size()) ||
                       trimView(m_c.DateCombo.items[static_cast<size_t>(m_c.DateCombo.itemIndex)]).empty();
    if (noDay) {
        m_ports.desktop.beep();
        m_ports.desktop.information(sj("ﾃﾞｰﾀを読み込んでください。"));
        return;
    }
    for (size_t i = 0; i < m_c.DatList.items.size(); ++i) {
        m_c.DatList.itemIndex = static_cast<int>(i);
        m_changes.mark(View::RaceList);
        call(DatListClick);
        SokuhoOddsBtnClick();
    }
}

} // namespace renoka
