#pragma once
// The main window's own state that several subsystems read or change: the menu checks the settings restore and
// the visibility of the frame's panels and tabs.

namespace renoka {

// Checked states of the menu items the settings restore.
struct MenuChecks {
    bool hidelist = false;      // ﾃﾞｰﾀ読込後ﾘｽﾄを消す(&P)
    bool N32 = false;           // 枠連出現率優先
    bool N33 = false;           // 枠出現順位優先
    bool SelHaiR1 = false;      // 全レース配信
    bool SelHaiR2 = false;      // 推奨ﾊﾟﾀｰﾝ+2点ﾊﾟﾀｰﾝを配信
    bool SelHaiR3 = false;      // MSH出現レースのみ配信
    bool DefaultKaime = false;  // デフォルト買い目
    bool Kaime3Include = false; // 枠１～３位ＢＯＸ３点
    bool NagasiKaime = false;   // 流し買い目
    bool StdDev13 = false;      // 上位３点的中７０％買い目
    bool KaimeJoi = false;      // 上位パターン優先
    bool KaimeKai = false;      // 下位パターン優先
    bool PC1 = false;           // 携帯ﾒｰﾙの代わりにPCを鳴らす
    bool N30 = false;           // 買い目を携帯メールへ送信する
};

// Whether the controls that start hidden or that the frame shows and hides are visible.
struct FrameVisibility {
    bool PageControl1 = true;
    bool StringGrid6 = true;
    bool PageControl3 = true;
    bool Panel8 = true;
    bool Panel6 = true;
    bool TekiAnaBtn = false;
    bool TekiAnaBtn2 = false;
    bool DirectReadBtn = false;
    bool MenuMaster = false;
    bool TabSheet1 = true;  // 金のなる木プレビュー
    bool TabSheet8 = true;  // 参考買い目
    bool TabSheet15 = true; // 出馬表(一覧)
    bool TabSheet37 = true; // 枠連
    bool TabSheet7 = true;  // 軸ヒモ確認表
};

} // namespace renoka
