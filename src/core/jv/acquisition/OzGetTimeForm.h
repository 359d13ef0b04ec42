#pragma once
// "データﾞ自動取得時刻指定": the dialog of the automatic fetch times as data. It loads its three spin edits from the
// settings and OK writes them back; the new values take effect at the next day load.
#include <string>

namespace renoka {

class IniFile;

struct SpinEdit {
    int value = 0;
    int minValue = 0;
    int maxValue = 0;
    bool visible = true;
};

class TOzGetTimeForm {
public:
    static constexpr const char* Caption = "データﾞ自動取得時刻指定"; // UTF-8

    struct Group {
        const char* captionUtf8;
        const char* explanationUtf8;
        const char* beforeUtf8; // the word in front of the spin edit ("発走"), or ""
        const char* afterUtf8;  // the word after it ("分前", "分間隔")
    };
    static constexpr Group OzGroup{"オッズ自動取得時刻指定",
                                   "ｵｯｽﾞを自動取得する際に各ﾚｰｽ発走何分前に取得機能を起動するかを指定します。", "発走",
                                   "分前"};
    static constexpr Group RdataGroup{
        "結果情報自動取得時刻指定",
        "随時更新されるﾚｰｽ結果情報を何分おきに自動取得するか指定します。同時にマイニングや馬体重も取得します。", "",
        "分間隔"};
    static constexpr Group BataijuGroup{"馬体重ﾃﾞｰﾀ自動取得時刻指定", "", "", "分前"};

    explicit TOzGetTimeForm(IniFile& ini) : m_ini(ini) {}

    // Loads the spin edits from "Time"/"AutoOzGet", "AutoRdataGet" and "AutoBataijuGet". A value outside a spin
    // edit's range shows as the nearest end of the range, as the spin edit would show it.
    void FormCreate();
    // Writes the three values, each within its range.
    void OKBtnClick();

    SpinEdit OzGetSpin{10, 3, 59};
    SpinEdit RdataGetSpin{10, 5, 59};
    SpinEdit BataijuGetSpin{37, 2, 59, false}; // kept by the dialog, shown nowhere

private:
    IniFile& m_ini;
};

} // namespace renoka
