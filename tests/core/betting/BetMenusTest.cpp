// The bet-logic menus, the investment dialog, and the bracket preview with its extraction.
#include "betting/KaimeSetForm.h"
#include "core/betting/BetFixture.h"

#include <gtest/gtest.h>

using namespace renoka;
using namespace renoka::test;

namespace {

TEST(BetMenusTest, AnotherBetLogicStopsTheMailOfThePicks) {
    BetFixture f;
    f.menus.N30 = true;
    f.board.Kaime3IncludeClick(0);
    EXPECT_TRUE(f.menus.DefaultKaime);
    EXPECT_TRUE(f.menus.N30);
    EXPECT_TRUE(f.deliver.enabled);
    f.board.Kaime3IncludeClick(2);
    EXPECT_TRUE(f.menus.NagasiKaime);
    EXPECT_FALSE(f.menus.DefaultKaime);
    EXPECT_FALSE(f.menus.N30);
    EXPECT_FALSE(f.deliver.enabled);
    EXPECT_EQ(f.ini.readInteger("KaimeSet", "ExKaime", -1), 2);
    EXPECT_TRUE(f.changes.has(View::Timers));

    f.board.N32Click(2);
    EXPECT_TRUE(f.menus.N33);
    EXPECT_FALSE(f.menus.N32);
    EXPECT_EQ(f.ini.readInteger("Kaime", "Option", -1), 2);
    f.board.KaimeJoiClick(1);
    EXPECT_TRUE(f.menus.KaimeKai);
    EXPECT_EQ(f.ini.readInteger("IniKaime", "Priority", -1), 1);
}

TEST(BetMenusTest, TheInvestmentDialogRaisesItsFieldsToAHundredAndShowsTheRaceAgain) {
    BetFixture f;
    int shown = 0;
    f.board.DatListClick = [&] { ++shown; };
    f.ini.writeInteger("KaimeSet", "DefaultAmount", 5000);
    auto dialog = f.board.N18Click();
    EXPECT_EQ(dialog->Amount, 5000);
    EXPECT_EQ(dialog->Zogaku, 0);
    EXPECT_EQ(dialog->TarProfit, 0);
    EXPECT_FALSE(dialog->chaseFieldsVisible);
    dialog->Amount = 50;
    dialog->BitBtn1Click();
    EXPECT_TRUE(dialog->closed);
    EXPECT_EQ(f.ini.readInteger("KaimeSet", "DefaultAmount", 0), 100);
    EXPECT_EQ(f.ini.readInteger("KaimeSet", "DefaultZogaku", 0), 100);
    EXPECT_EQ(f.ini.readInteger("KaimeSet", "DefaultTarProfit", 0), 100);
    EXPECT_EQ(shown, 0); // no races listed

    f.datList.items = {"a", "b", "c"};
    f.store.CurrentRace = 2;
    auto again = f.board.N18Click();
    again->Amount = 8000;
    again->BitBtn1Click();
    EXPECT_EQ(f.datList.itemIndex, 2);
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(f.ini.readInteger("KaimeSet", "DefaultAmount", 0), 8000);
}

struct BracketFixture : BetFixture {
    BracketFixture(int horses = 12) : BetFixture(horses) {
        // Horses 1..horses over the eight brackets as the draw gives them: 1-8 one each, then 8, 7, ... doubled.
        for (int h = 1; h <= horses; ++h) {
            std::string se(555, ' ');
            se.replace(0, 2, "SE");
            const int bracket = h <= 8 ? h : 17 - h;
            se[27] = static_cast<char>('0' + bracket);
            se.replace(28, 2, fmt("%02d", h));
            store.setSe(0, h - 1, se);
        }
        allOddsRead();
        priceEverything();
    }
};

void setComboPayoutFor(BracketFixture& f) {
    RaceWork::ComboPayout& e = f.work().HrTable.Waku[0];
    e.setKey(" 1- 2");
    e.payout = 450;
    e.ninki = 2;
}

TEST(BetBracketTest, ThePreviewListsTheRacesBracketPairsAndAClickChoosesThem) {
    BracketFixture f;
    f.board.setStakeEditors();
    // Eight brackets, four of them with two horses: 28 pairs and 4 repeats.
    EXPECT_EQ(f.board.StringGrid2.rowCount(), 33);
    EXPECT_EQ(f.board.StringGrid2.cell(1, 1), " 1- 2");
    EXPECT_EQ(f.board.StringGrid2.cell(1, 32), " 8- 8");
    EXPECT_EQ(f.board.StringGrid2.cell(2, 1), fmt("%7.1f", 2 / 10.0 + 1));
    f.board.StringGrid2Click(1, 3);
    EXPECT_EQ(toUtf8(f.board.StringGrid2.cell(3, 1)), "●");
    f.board.StringGrid2Click(1, 3);
    EXPECT_EQ(f.board.StringGrid2.cell(3, 1), "");
    f.board.StringGrid2Click(0, 3);
    f.board.StringGrid2Click(1, 2);
    EXPECT_EQ(f.board.StringGrid2.cell(3, 1), "");
    EXPECT_EQ(f.board.StringGrid2.cell(2, 0), sj("オッズ"));
}

TEST(BetBracketTest, TheExtractionTakesTheChosenPairsAndStakesThemByTheOdds) {
    BracketFixture f;
    f.board.setStakeEditors();
    f.board.StringGrid2Click(1, 3);  // " 1- 2"
    f.board.StringGrid2Click(32, 3); // " 8- 8"
    f.board.StringGrid2Click(5, 3);  // " 1- 6"
    setComboPayoutFor(f);
    f.board.KaimeMakeBtn_OldClick();
    EXPECT_EQ(f.keys(BetType::Waku), (std::vector<std::string>{" 1- 2", " 1- 6", " 8- 8"}));
    EXPECT_EQ(f.cell(BetType::Waku, 1, 1), " 1");
    EXPECT_EQ(f.cell(BetType::Waku, 4, 3), "36");
    // Three bets: the method turns to 比例.
    EXPECT_EQ(f.board.RadioGroup1ItemIndex, 1);
    EXPECT_GT(toInt(f.cell(BetType::Waku, 6, 1)), toInt(f.cell(BetType::Waku, 6, 3)));
    EXPECT_FALSE(f.labelText(BetType::Waku, BetLabel::Toshi).empty());
    EXPECT_EQ(f.cell(BetType::Waku, 11, 1), "    450");
    EXPECT_EQ(f.cell(BetType::Waku, 5, 1).size(), 5u);
    EXPECT_EQ(f.cell(BetType::Waku, 9, 1).size(), 5u);

    // With a logic of its own the method stays.
    f.board.RadioGroup1ItemIndex = 0;
    f.menus.Kaime3Include = true;
    f.board.KaimeMakeBtn_OldClick();
    EXPECT_EQ(f.board.RadioGroup1ItemIndex, 0);

    // Another race starts without the bracket bets of this one.
    f.store.CurrentRace = 1;
    f.board.setStakeEditors();
    EXPECT_EQ(f.keys(BetType::Waku), std::vector<std::string>{""});
}

TEST(BetBracketTest, NoExtractionWithoutBracketOddsOrWithFewerThanNineHorses) {
    BracketFixture f(8);
    f.board.setStakeEditors();
    f.board.StringGrid2Click(1, 3);
    f.board.KaimeMakeBtn_OldClick();
    EXPECT_EQ(f.keys(BetType::Waku), std::vector<std::string>{""});
}

} // namespace
