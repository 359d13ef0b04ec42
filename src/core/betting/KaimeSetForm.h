#pragma once
// The investment settings dialog (投資金設定) as data: the stake per race that every day load gives each race,
// and, hidden under it, the increase rate and the target profit of the chase.
#include <cstdint>
#include <functional>

namespace renoka {

class IniFile;
class RaceDayStore;
struct ListControl;

class TKaimeSetForm {
public:
    static constexpr const char* Caption = "投資金設定"; // UTF-8
    static constexpr const char* Intro = "買い目を作成するための1レースあたりの投資金額を設定します。";
    static constexpr const char* AmountCaption = "投資金額初期設定";
    static constexpr const char* ChaseHeading = "★以下は追い上げ投資時の設定です★";
    static constexpr const char* ZogakuCaption = "増額率の設定";
    static constexpr const char* ZogakuHelp =
        "増額率はオッズの変動による回収率の変化を見込んで投資金額を増減するための数値です。数字が大きい方が回収が良く"
        "なりますが、リスクが高くなります。通常は100%～120%程度の範囲で指定してください。";
    static constexpr const char* TarProfitCaption = "目標利益金額設定";
    static constexpr const char* TarProfitHelp =
        "追い上げ投資を行う場合の目標利益額を指定します。大きい数字を指定すると"
        "的中時の利益は大きいですが、リスクが大きくなります。";
    static constexpr int64_t kMaxField = 999'999; // six digits each
    static constexpr int64_t kMinimum = 100;

    // OK shows the race on screen again through `showRace` when the race list holds races.
    TKaimeSetForm(IniFile& ini, const RaceDayStore& store, ListControl& datList, std::function<void()> showRace)
        : m_ini(ini), m_store(store), m_datList(datList), m_showRace(std::move(showRace)) {}

    // The amount from "KaimeSet"/"DefaultAmount" (3000 when missing); the two chase fields are not loaded.
    void FormCreate();
    // OK: every field below 100 becomes 100; the three defaults are written; the race is shown again; closed.
    void BitBtn1Click();

    int64_t Amount = 0;    // 投資金額初期設定 (yen)
    int64_t Zogaku = 0;    // 増額率の設定 (percent), hidden
    int64_t TarProfit = 0; // 目標利益金額設定 (yen), hidden
    bool chaseFieldsVisible = false;
    bool closed = false;

private:
    IniFile& m_ini;
    const RaceDayStore& m_store;
    ListControl& m_datList;
    std::function<void()> m_showRace;
};

} // namespace renoka
