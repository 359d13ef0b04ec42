#include "main/MainMenus.h"
#include "QtText.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>

namespace renoka {

MainMenus::MainMenus(QMenuBar& bar) : m_bar(bar) {
    buildFileMenu();
    buildSettingsMenu();
    buildLiveMenu();
    buildKaimeMenu();
    buildDeliveryMenu();
    buildMasterMenu();
    buildHelpMenu();
}

QMenu* MainMenus::addMenu(const char* caption) {
    return m_bar.addMenu(uiText(caption));
}

QAction* MainMenus::addItem(QMenu& menu, const char* name, const char* caption, const char* hint) {
    QAction* action = menu.addAction(uiText(caption));
    action->setObjectName(QString::fromLatin1(name));
    action->setStatusTip(uiText(hint));
    action->setEnabled(false);
    return action;
}

QAction* MainMenus::addCheck(QMenu& menu, const char* name, const char* caption, const char* hint,
                             bool MenuChecks::*state, QActionGroup* group) {
    QAction* action = addItem(menu, name, caption, hint);
    action->setCheckable(true);
    if (group) group->addAction(action);
    m_checks.push_back({action, state});
    return action;
}

QActionGroup* MainMenus::addGroup(QMenu& menu) {
    auto* group = new QActionGroup(&menu);
    group->setExclusionPolicy(QActionGroup::ExclusionPolicy::Exclusive);
    return group;
}

QAction* MainMenus::action(const char* name) const {
    return m_bar.findChild<QAction*>(QString::fromLatin1(name));
}

void MainMenus::showChecks(const MenuChecks& checks) const {
    // Unchecking first keeps a radio group from briefly holding two checked items.
    for (const auto& item : m_checks)
        if (!(checks.*item.state)) item.action->setChecked(false);
    for (const auto& item : m_checks)
        if (checks.*item.state) item.action->setChecked(true);
}

void MainMenus::buildFileMenu() {
    QMenu& file = *addMenu("ファイル(&F)");
    addItem(file, "JVMenu", "JVデータ取得(&J)...", "JRA-VANから蓄積データを取得し、開催日ごとのファイルに取り込みます");
    addItem(file, "T1", "時系列オッズより取得(&T)",
            "時系列オッズのデータフォルダから過去の開催日のオッズを取り込みます");
    addItem(file, "N1O1", "1日分の全オッズを一括取得(&O)", "選択中の開催日の全レースの速報オッズを順に取得します");
    file.addSeparator();
    QAction* quit = addItem(file, "QuitMenu", "終了(&X)", "RENOKAを終了します");
    quit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    quit->setMenuRole(QAction::QuitRole);
}

void MainMenus::buildSettingsMenu() {
    QMenu& settings = *addMenu("設定(&S)");
    addCheck(settings, "hidelist", "ﾃﾞｰﾀ読込後ﾘｽﾄを消す(&P)",
             "開催日のデータを読み込んだ後、日付とレースの一覧を閉じて画面を広く使います", &MenuChecks::hidelist);
    addItem(settings, "N8", "データ自動取得時刻設定(&T)...",
            "オッズを発走何分前に取得するか、レース情報を何分ごとに取得するかを設定します");
    settings.addSeparator();
    QMenu& folders = *settings.addMenu(uiText("フォルダ指定(&F)"));
    addItem(folders, "N12", "時系列ｵｯｽﾞﾌｫﾙﾀﾞ指定(&T)", "時系列オッズのデータフォルダを指定します");
    addItem(folders, "N28", "買い目ﾌｧｲﾙﾌｫﾙﾀﾞ指定(&K)", "投票ファイル(.BET)を書き出すフォルダを指定します");
    addItem(folders, "QRV1", "QRV投票プラグイン２フォルダ指定",
            "QRV投票プラグイン２がインストールされているフォルダを指定します");
}

void MainMenus::buildLiveMenu() {
    // The real-time fetches of the race day, those without a button in the window too.
    QMenu& live = *addMenu("速報(&R)");
    addItem(live, "SokuhoOddsBtn", "速報ｵｯｽﾞ(&O)", "表示中のレースの速報オッズを取得します");
    addItem(live, "KekkaGetBtn", "結果情報(&K)", "この開催日のレース結果と払戻を取得します");
    addItem(live, "GetBataijuBtn", "馬体重(&B)", "この開催日の馬体重を取得します");
    addItem(live, "GetDMBtn", "ﾏｲﾆﾝｸﾞ(&M)", "この開催日のマイニング予想を取得します");
    addItem(live, "GetKaisaiBtn", "変更情報(&H)", "この開催日の変更情報（天候馬場・発走時刻変更など）を取得します");
    addItem(live, "KaisaiReadBtn", "開催読込(&R)", "取得済みの発走時刻変更を読み込み、オッズの取得時刻を直します");
    live.addSeparator();
    QAction* automatic =
        addItem(live, "AutoOzCheck", "ｵｯｽﾞ自動取得(&A)", "各レースの発走前に速報オッズを自動で取得します");
    automatic->setCheckable(true);
    addItem(live, "NextRaceBtn", "直前ﾚｰｽ(&N)", "次に発走するレースを表示します");
    addItem(live, "OzGetLoopBtn", "ｵｯｽﾞ取得（自動）(&L)",
            "自動取得の対象になっているレースの速報オッズを、いま順に取得します");
}

void MainMenus::buildKaimeMenu() {
    QMenu& kaime = *addMenu("買い目(&K)");
    addItem(kaime, "K1", "軸・ヒモ馬ユーザー設定(&H)", "軸馬・ヒモ馬の選び方を設定として保存し、切り替えます");
    addItem(kaime, "N18", "投資金設定(&T)...", "1レースの投資金、追い上げの増額率と目標利益の初期値を設定します");
    addItem(kaime, "LossMemo", "損失金管理(&M)...", "追い上げで取り戻す損失金を記録・削除します");
    kaime.addSeparator();
    // The vote buttons of the 買い目 tab, those hidden in the window too.
    addItem(kaime, "TohyoCSVBtn", "QRV2投票(&V)", "QRV投票プラグイン２経由で投票します");
    addItem(kaime, "TohyouBtn", "投票ﾌｧｲﾙ(&F)", "表示中の券種の買い目を投票ファイル(.BET)に出力します");
    QMenu& voteFile = *kaime.addMenu(uiText("投票ファイル(&B)"));
    voteFile.setStatusTip(uiText("投票ファイルを出力します"));
    const char* const voteItems[][2] = {{"N19", "単勝"},   {"N20", "複勝"}, {"N21", "枠連"},   {"N22", "馬連"},
                                        {"N23", "ワイド"}, {"N24", "馬単"}, {"N25", "三連複"}, {"N26", "三連単"}};
    for (const auto& [name, caption] : voteItems)
        addItem(voteFile, name, caption, "この券種の買い目を投票ファイル(.BET)に出力します");
    addItem(kaime, "OiageMenu", "追い上げ投資用(&O)", "損失金額と目標利益金額から投票金額を求める欄を表示します")
        ->setCheckable(true);
    kaime.addSeparator();

    QMenu& logic = *kaime.addMenu(uiText("別ロジック買い目(&L)"));
    QActionGroup* logicGroup = addGroup(logic);
    addCheck(logic, "DefaultKaime", "デフォルト買い目", "枠連の買い目を標準の方法で抽出します",
             &MenuChecks::DefaultKaime, logicGroup);
    addCheck(logic, "Kaime3Include", "枠１～３位ＢＯＸ３点", "枠連の買い目の抽出に「枠１～３位ＢＯＸ３点」を使います",
             &MenuChecks::Kaime3Include, logicGroup);
    addCheck(logic, "NagasiKaime", "流し買い目", "枠連の買い目の抽出に「流し買い目」を使います",
             &MenuChecks::NagasiKaime, logicGroup);
    addCheck(logic, "StdDev13", "上位３点的中７０％買い目",
             "枠連の買い目の抽出に「上位３点的中７０％買い目」を使います", &MenuChecks::StdDev13, logicGroup);

    QMenu& extraction = *kaime.addMenu(uiText("買い目抽出法設定(&S)"));
    QActionGroup* extractionGroup = addGroup(extraction);
    addCheck(extraction, "N32", "枠連出現率優先", "枠連の買い目の抽出で枠連の出現率を優先します", &MenuChecks::N32,
             extractionGroup);
    addCheck(extraction, "N33", "枠出現順位優先", "枠連の買い目の抽出で枠の出現順位を優先します", &MenuChecks::N33,
             extractionGroup);

    QMenu& axis = *kaime.addMenu(uiText("軸馬初期設定(&J)"));
    QActionGroup* axisGroup = addGroup(axis);
    addCheck(axis, "KaimeJoi", "上位パターン優先", "軸馬の初期設定で上位のパターンを優先します", &MenuChecks::KaimeJoi,
             axisGroup);
    addCheck(axis, "KaimeKai", "下位パターン優先", "軸馬の初期設定で下位のパターンを優先します", &MenuChecks::KaimeKai,
             axisGroup);
    kaime.addSeparator();
    // The bracket preview and the 枠連 bets it extracts are off the tab bar until asked for.
    addItem(kaime, "KaneNaruKiMenu", "金のなる木プレビュー(&P)",
            "「買い目」ページに枠連と金のなる木プレビューのタブを表示します")
        ->setCheckable(true);
}

void MainMenus::buildDeliveryMenu() {
    QMenu& delivery = *addMenu("配信(&M)");
    addCheck(delivery, "N30", "買い目を携帯メールへ送信する", "オッズの自動取得後、各レースの買い目をメールで送ります",
             &MenuChecks::N30);
    addCheck(delivery, "PC1", "携帯ﾒｰﾙの代わりにPCを鳴らす", "メールを送る代わりにこのパソコンでチャイムを鳴らします",
             &MenuChecks::PC1);
    delivery.addSeparator();
    QMenu& races = *delivery.addMenu(uiText("配信ﾚｰｽ選択(&R)"));
    QActionGroup* racesGroup = addGroup(races);
    addCheck(races, "SelHaiR1", "全レース配信", "すべてのレースの買い目を配信します", &MenuChecks::SelHaiR1,
             racesGroup);
    addCheck(races, "SelHaiR2", "推奨ﾊﾟﾀｰﾝ+2点ﾊﾟﾀｰﾝを配信", "推奨パターンと２点パターンのレースだけを配信します",
             &MenuChecks::SelHaiR2, racesGroup);
    addCheck(races, "SelHaiR3", "MSH出現レースのみ配信", "MSHが出現したレースだけを配信します", &MenuChecks::SelHaiR3,
             racesGroup);
}

void MainMenus::buildMasterMenu() {
    m_master = addMenu("開発用");
    m_master->setObjectName(QStringLiteral("MenuMaster"));
    m_master->menuAction()->setVisible(false);
    addItem(*m_master, "N50", "高配当的中", "読み込んだ開催日の高配当の的中一覧を書き出します");
    addItem(*m_master, "N49", "テキスト", "軸候補馬の成績一覧と単勝・複勝率を書き出します");
    QMenu& csv = *m_master->addMenu(QStringLiteral("CSV"));
    addItem(csv, "CSV", "単日", "読み込んだ開催日の軸候補馬の一覧をCSVファイルに書き出します");
    addItem(csv, "N48", "年単位", "選択した年のすべての開催日について軸候補馬の一覧を書き出します");
    QMenu& msh = *m_master->addMenu(QStringLiteral("MSH CSV"));
    msh.setObjectName(QStringLiteral("MSHCSV1"));
    addItem(msh, "N44", "単日分", "読み込んだ開催日のMSH馬の一覧をCSVファイルに書き出します");
    addItem(msh, "N45", "全開催日", "すべての開催日のMSH馬の一覧をCSVファイルに書き出します");
}

void MainMenus::buildHelpMenu() {
    QMenu& help = *addMenu("ヘルプ(&H)");
    QAction* manual = addItem(help, "HelpMenu", "使用解説書(&C)", "使用解説書(RENOKA.pdf)を開きます");
    manual->setShortcut(QKeySequence(Qt::Key_F1));
}

} // namespace renoka
