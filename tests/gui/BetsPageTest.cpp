// The "買い目" page over a finished demo day: its sub-tabs, the stake editor and the allocation method feeding
// the summary labels, a click (or the space bar) in 消 excluding a bet, header clicks sorting a grid both ways,
// the labels of the shown bet type highlighted, the winning key drawn in its colour, the bet menus and the
// investment dialog.
#include "bets/BetsPage.h"
#include "RaceDayViewFixture.h"
#include "bets/KaimeSetDialog.h"
#include "betting/AxisPartnerMarks.h"
#include "betting/BetBoard.h"
#include "betting/VoteFiles.h"
#include "frame/IniFile.h"
#include "main/MainMenus.h"
#include "platform/FileIo.h"
#include "support/TempDir.h"
#include "text/Fields.h"

#include <QAction>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>

namespace renoka {
namespace {

class BetsPageTest : public RaceDayViewTest {
protected:
    // Shows the first race of the day with `horses` runners on the bets page, every horse marked as an axis and
    // as both partners, so that every combination of the field is a bet.
    void showFullyMarked(int horses = 18) {
        int row = -1;
        for (int slot = 0; slot < m_form->store().LoadedRaceCount && row < 0; ++slot)
            if (fieldInt(m_form->store().ra(slot), 882, 2) == horses) row = slot;
        ASSERT_GE(row, 0) << "no race of " << horses << " horses";
        m_window->chooseRace(row);
        const TextGrid& check = m_form->entries().StringGrid8;
        for (int col = AxisPartnerMarks::kAxisCol; col <= AxisPartnerMarks::kPartner2Col; ++col)
            for (int horse = 1; horse <= horses; ++horse) {
                if (check.cell(AxisPartnerMarks::kExclusionCol, horse) == sj("消"))
                    m_window->run([this, horse] {
                        m_form->marks().StringGrid8MouseDown(horse, AxisPartnerMarks::kExclusionCol);
                    });
                if (check.cell(col, horse).empty())
                    m_window->run([this, horse, col] { m_form->marks().StringGrid8MouseDown(horse, col); });
            }
        m_window->pages().setCurrentIndex(m_window->pages().indexOf(&page()));
        QApplication::processEvents();
    }
    BetsPage& page() const { return m_window->betsPage(); }
    BetBoard& board() const { return m_form->bets(); }
    QString labelText(BetType type, BetLabel which) const { return page().label(type, which).text(); }
    void showType(BetType type) {
        page().subTabs().setCurrentIndex(betIndex(type));
        QApplication::processEvents();
    }
    // A click on a data cell of a grid, as the mouse gives it.
    static void clickCell(GridView& grid, int modelRow, int col) {
        grid.scrollTo(grid.model()->index(modelRow, col));
        const QPoint at = grid.visualRect(grid.model()->index(modelRow, col)).center();
        send(*grid.viewport(), QEvent::MouseButtonPress, at);
        send(*grid.viewport(), QEvent::MouseButtonRelease, at);
    }
    static void key(QWidget& target, int keyCode, const QString& text = {}) {
        QKeyEvent press(QEvent::KeyPress, keyCode, Qt::NoModifier, text);
        QApplication::sendEvent(&target, &press);
        QKeyEvent release(QEvent::KeyRelease, keyCode, Qt::NoModifier, text);
        QApplication::sendEvent(&target, &release);
    }
    static std::vector<std::string> column(const GridView& grid, int col) { return columnShown(grid, col); }
    static double oddsOf(const std::string& text) { return std::stod(text); }
};

TEST_F(BetsPageTest, ThePageHasTheSevenBetTabsAndKeepsBracketAndPreviewOffTheBar) {
    QTabWidget& pages = m_window->pages();
    const int index = pages.indexOf(&page());
    ASSERT_GE(index, 0);
    EXPECT_EQ(pages.tabText(index), QStringLiteral("買い目(&5)"));
    QTabWidget& tabs = page().subTabs();
    ASSERT_EQ(tabs.count(), BetBoard::kPageCount);
    const char* const captions[] = {
        "単勝", "複勝", "枠連", "馬連", "ワイド", "馬単", "三連複", "三連単", "金のなる木プレビュー"};
    for (int i = 0; i < tabs.count(); ++i) {
        EXPECT_EQ(tabs.tabText(i), QString::fromUtf8(captions[i])) << i;
        const bool hidden = i == betIndex(BetType::Waku) || i == BetBoard::kPreviewPage;
        EXPECT_EQ(tabs.isTabVisible(i), !hidden) << i;
    }
    EXPECT_FALSE(page().label(BetType::Waku, BetLabel::Tensu).isVisible() && page().isVisible());

    // The menu item puts both on the bar and shows the preview; unchecked, they go again.
    QAction* preview = m_window->menus().action("KaneNaruKiMenu");
    ASSERT_NE(preview, nullptr);
    ASSERT_TRUE(preview->isEnabled());
    m_window->pages().setCurrentIndex(index);
    preview->trigger();
    QApplication::processEvents();
    EXPECT_TRUE(tabs.isTabVisible(betIndex(BetType::Waku)));
    EXPECT_EQ(tabs.currentIndex(), BetBoard::kPreviewPage);
    EXPECT_EQ(board().ActivePage, BetBoard::kPreviewPage);
    EXPECT_TRUE(page().label(BetType::Waku, BetLabel::Toshi).isVisible());
    preview->trigger();
    QApplication::processEvents();
    EXPECT_FALSE(tabs.isTabVisible(BetBoard::kPreviewPage));
    EXPECT_EQ(tabs.currentIndex(), 0);
    EXPECT_EQ(board().ActivePage, 0);
}

struct AmountCase {
    const char* typed; // keys typed into an empty editor
    const char* shown; // the editor's text afterwards
    int64_t amount;    // the board's amount afterwards
    bool allocates;    // 100 yen or more: the stakes are spread again
};

class BetsPageAmountTest : public BetsPageTest, public ::testing::WithParamInterface<AmountCase> {};

TEST_P(BetsPageAmountTest, TypingTheAmountSpreadsItOverTheBets) {
    showFullyMarked(8);
    const AmountCase& c = GetParam();
    showType(BetType::Umaren);
    // A known state first: 5000 yen, spread equally.
    page().methodButton(0)->click();
    QLineEdit& edit = page().amountEdit();
    edit.setFocus();
    edit.selectAll();
    for (const char ch : std::string("5000"))
        key(edit, Qt::Key_0 + (ch - '0'), QString(QLatin1Char(ch)));
    ASSERT_EQ(board().SaNumEditExC1, 5000);
    const QString before = labelText(BetType::Umaren, BetLabel::Toshi);

    edit.selectAll();
    key(edit, Qt::Key_Backspace);
    for (const char ch : std::string(c.typed)) {
        const int code = ch >= '0' && ch <= '9' ? Qt::Key_0 + (ch - '0') : (ch == '-' ? Qt::Key_Minus : Qt::Key_A);
        key(edit, code, QString(QLatin1Char(ch)));
    }
    EXPECT_EQ(edit.text(), QString::fromLatin1(c.shown));
    EXPECT_EQ(board().SaNumEditExC1, c.amount);
    EXPECT_EQ(m_form->RaceAmounts[static_cast<size_t>(m_form->store().CurrentRace)], std::to_string(c.amount));

    // 8 horses give 28 quinella bets; an equal split gives each the amount in whole hundreds, rounded up from .1.
    const int bets = page().grid(BetType::Umaren).model()->rowCount();
    ASSERT_EQ(bets, 28);
    if (c.allocates) {
        const int64_t unit = std::max<int64_t>(100, static_cast<int64_t>(c.amount / 28.0 / 100 + 0.9) * 100);
        EXPECT_EQ(labelText(BetType::Umaren, BetLabel::Tensu).trimmed(), QStringLiteral("28"));
        EXPECT_EQ(labelText(BetType::Umaren, BetLabel::Toshi).trimmed(), QString::number(unit * 28));
        EXPECT_EQ(qs(board().grid(BetType::Umaren).cell(6, 1)).trimmed(), QString::number(unit));
    } else {
        // Below 100 yen nothing is spread: the labels keep what they showed.
        EXPECT_EQ(labelText(BetType::Umaren, BetLabel::Toshi), before);
    }
}

INSTANTIATE_TEST_SUITE_P(Amounts, BetsPageAmountTest,
                         ::testing::Values(AmountCase{"1000", "1000", 1000, true},
                                           AmountCase{"12345", "12345", 12345, true},
                                           // Nine digits: the ninth is refused.
                                           AmountCase{"123456789", "12345678", 12345678, true},
                                           // Letters and signs are refused.
                                           AmountCase{"3a0-00", "3000", 3000, true}, AmountCase{"99", "99", 99, false},
                                           AmountCase{"", "", 0, false}));

TEST_F(BetsPageTest, SwitchingTheMethodSpreadsTheStakesByTheOdds) {
    showFullyMarked(8);
    showType(BetType::Tan);
    page().methodButton(0)->click();
    const GridView& grid = page().grid(BetType::Tan);
    const std::vector<std::string> equal = column(grid, 5);
    ASSERT_GE(equal.size(), 2u);
    EXPECT_TRUE(std::all_of(equal.begin(), equal.end(), [&](const std::string& s) { return s == equal[0]; }));

    page().methodButton(1)->click();
    EXPECT_EQ(board().RadioGroup1ItemIndex, 1);
    EXPECT_EQ(m_form->ini().readInteger("KaimeSet", "HaibunSet", -5), 1);
    // In inverse proportion to the odds: the lowest odds get the largest stake.
    const TextGrid& tan = board().grid(BetType::Tan);
    int favourite = 1;
    int outsider = 1;
    for (int r = 1; r < tan.rowCount(); ++r) {
        if (oddsOf(tan.cell(3, r)) < oddsOf(tan.cell(3, favourite))) favourite = r;
        if (oddsOf(tan.cell(3, r)) > oddsOf(tan.cell(3, outsider))) outsider = r;
    }
    const std::vector<std::string> proportional = column(grid, 5);
    EXPECT_GT(toInt(proportional[static_cast<size_t>(favourite - 1)]),
              toInt(proportional[static_cast<size_t>(outsider - 1)]));
    EXPECT_EQ(labelText(BetType::Tan, BetLabel::Toshi), qs(board().label(BetType::Tan, BetLabel::Toshi).text));
    EXPECT_EQ(labelText(BetType::Tan, BetLabel::YosoKaishu),
              qs(board().label(BetType::Tan, BetLabel::YosoKaishu).text));
    // The other types follow too.
    EXPECT_EQ(labelText(BetType::Santan, BetLabel::Toshi), qs(board().label(BetType::Santan, BetLabel::Toshi).text));
    EXPECT_TRUE(page().methodButton(1)->isChecked());
    EXPECT_FALSE(page().methodButton(0)->isChecked());
}

TEST_F(BetsPageTest, AClickOrTheSpaceBarInTheExclusionColumnTakesABetOutAndRecomputes) {
    showFullyMarked(8);
    showType(BetType::Sanpuku);
    page().methodButton(0)->click();
    GridView& grid = page().grid(BetType::Sanpuku);
    ASSERT_EQ(grid.model()->rowCount(), 56);
    EXPECT_EQ(labelText(BetType::Sanpuku, BetLabel::Tensu).trimmed(), QStringLiteral("56"));

    clickCell(grid, 3, 0);
    EXPECT_EQ(toUtf8(board().grid(BetType::Sanpuku).cell(0, 4)), "消");
    EXPECT_EQ(grid.model()->index(3, 0).data().toString(), QStringLiteral("消"));
    EXPECT_EQ(labelText(BetType::Sanpuku, BetLabel::Tensu).trimmed(), QStringLiteral("55"));
    EXPECT_TRUE(column(grid, 6)[3].empty()) << "an excluded bet keeps no stake";

    // From the keyboard: the space bar on any cell of a row.
    grid.setFocus();
    grid.setCurrentIndex(grid.model()->index(10, 2));
    key(grid, Qt::Key_Space, QStringLiteral(" "));
    EXPECT_EQ(toUtf8(board().grid(BetType::Sanpuku).cell(0, 11)), "消");
    EXPECT_EQ(labelText(BetType::Sanpuku, BetLabel::Tensu).trimmed(), QStringLiteral("54"));
    // And back in.
    clickCell(grid, 3, 0);
    EXPECT_TRUE(board().grid(BetType::Sanpuku).cell(0, 4).empty());
    EXPECT_EQ(labelText(BetType::Sanpuku, BetLabel::Tensu).trimmed(), QStringLiteral("55"));
}

TEST_F(BetsPageTest, HeaderClicksSortAGridBothWaysAndTheKeysKeepTheirRows) {
    showFullyMarked(8);
    showType(BetType::Umatan);
    GridView& grid = page().grid(BetType::Umatan);
    const int rows = grid.model()->rowCount();
    ASSERT_EQ(rows, 56);
    std::map<std::string, std::string> oddsOfKey;
    for (int r = 0; r < rows; ++r)
        oddsOfKey[column(grid, 2)[static_cast<size_t>(r)]] = column(grid, 3)[static_cast<size_t>(r)];

    // The first click on a column sorts it descending, the next ascending.
    for (const bool descending : {true, false}) {
        clickHeader(*grid.horizontalHeader(), 3);
        const std::vector<std::string> odds = column(grid, 3);
        std::vector<std::string> sorted = odds;
        std::sort(sorted.begin(), sorted.end());
        if (descending) std::reverse(sorted.begin(), sorted.end());
        EXPECT_EQ(odds, sorted) << (descending ? "descending" : "ascending");
        // Whole rows move.
        const std::vector<std::string> keys = column(grid, 2);
        for (int r = 0; r < rows; ++r)
            EXPECT_EQ(oddsOfKey[keys[static_cast<size_t>(r)]], odds[static_cast<size_t>(r)]);
    }
    // 消 does not sort.
    const std::vector<std::string> before = column(grid, 2);
    clickHeader(*grid.horizontalHeader(), 0);
    EXPECT_EQ(column(grid, 2), before);
}

TEST_F(BetsPageTest, TheShownTypesLabelsAreHighlighted) {
    showFullyMarked(8);
    for (BetType shown : kGeneratedBetTypes) {
        showType(shown);
        EXPECT_EQ(board().ActivePage, betIndex(shown));
        for (BetType type : kGeneratedBetTypes) {
            const QLabel& label = page().label(type, BetLabel::Toshi);
            const QColor expected = type == shown ? QColor(172, 181, 255) : QColor(255, 251, 240);
            EXPECT_EQ(label.palette().color(QPalette::Window), expected)
                << betTypeInfo(shown).caption << " / " << betTypeInfo(type).caption;
        }
    }
}

TEST_F(BetsPageTest, TheWinningTrifectaIsDrawnInMagentaAndItsPayoutShown) {
    showFullyMarked(18);
    showType(BetType::Santan);
    GridView& grid = page().grid(BetType::Santan);
    ASSERT_EQ(grid.model()->rowCount(), 4896);
    const TextGrid& santan = board().grid(BetType::Santan);
    int winner = -1;
    for (int r = 1; r < santan.rowCount() && winner < 0; ++r)
        if (!trimView(santan.cell(12, r)).empty()) winner = r;
    ASSERT_GT(winner, 0) << "the finished race has a trifecta payout";
    EXPECT_FALSE(labelText(BetType::Santan, BetLabel::Kaishu).trimmed().isEmpty());

    grid.scrollTo(grid.model()->index(winner - 1, 2), QAbstractItemView::PositionAtCenter);
    QApplication::processEvents();
    const QImage shown = grid.viewport()->grab().toImage();
    const QRect key = grid.visualRect(grid.model()->index(winner - 1, 2));
    ASSERT_TRUE(shown.rect().contains(key));
    EXPECT_EQ(shown.pixelColor(key.topLeft() + QPoint(2, 2)), QColor(255, 0, 255));
    const QRect other = grid.visualRect(grid.model()->index(winner == 1 ? 1 : winner - 2, 2));
    EXPECT_EQ(shown.pixelColor(other.topLeft() + QPoint(2, 2)), QColor(Qt::white));
}

TEST_F(BetsPageTest, TheBetLogicMenusCheckTheirItemAndKeepItInTheSettings) {
    struct Item {
        const char* name;
        const char* section;
        const char* key;
        int value;
    };
    const Item items[] = {{"NagasiKaime", "KaimeSet", "ExKaime", 2},
                          {"DefaultKaime", "KaimeSet", "ExKaime", 0},
                          {"N33", "Kaime", "Option", 2},
                          {"N32", "Kaime", "Option", 1},
                          {"KaimeKai", "IniKaime", "Priority", 1},
                          {"KaimeJoi", "IniKaime", "Priority", 0}};
    for (const Item& item : items) {
        QAction* action = m_window->menus().action(item.name);
        ASSERT_NE(action, nullptr) << item.name;
        ASSERT_TRUE(action->isEnabled()) << item.name;
        action->trigger();
        EXPECT_TRUE(action->isChecked()) << item.name;
        EXPECT_EQ(m_form->ini().readInteger(item.section, item.key, -1), item.value) << item.name;
    }
}

TEST_F(BetsPageTest, TheInvestmentDialogKeepsTheDefaultAmountAndShowsTheRaceAgain) {
    // The settings file is the suite's: the next test's day load must find the amounts as they were.
    struct Restore {
        IniFile& ini;
        ~Restore() {
            ini.writeInteger("KaimeSet", "DefaultAmount", 3000);
            ini.writeInteger("KaimeSet", "DefaultZogaku", 100);
            ini.writeInteger("KaimeSet", "DefaultTarProfit", 10000);
        }
    } restore{m_form->ini()};
    QAction* menu = m_window->menus().action("N18");
    ASSERT_NE(menu, nullptr);
    ASSERT_TRUE(menu->isEnabled());
    bool seen = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<KaimeSetDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        seen = true;
        EXPECT_EQ(dialog->windowTitle(), QStringLiteral("投資金設定"));
        EXPECT_EQ(dialog->amountEdit().text(), QStringLiteral("3000"));
        // The chase settings are there but hidden.
        EXPECT_FALSE(dialog->findChild<QLineEdit*>(QStringLiteral("ZogakuEdit"))->isVisible());
        dialog->amountEdit().setText(QStringLiteral("50"));
        dialog->findChild<QPushButton*>(QStringLiteral("BitBtn1"))->click();
    });
    menu->trigger();
    ASSERT_TRUE(seen);
    // Below 100 becomes 100; the hidden two are written as 100 too.
    EXPECT_EQ(m_form->ini().readInteger("KaimeSet", "DefaultAmount", 0), 100);
    EXPECT_EQ(m_form->ini().readInteger("KaimeSet", "DefaultZogaku", 0), 100);
    EXPECT_EQ(m_form->ini().readInteger("KaimeSet", "DefaultTarProfit", 0), 100);
}

TEST_F(BetsPageTest, TheVoteButtonsAndTheChaseGroupAreThereAsTheStandardLayoutHasThemAndInTheMenu) {
    EXPECT_TRUE(child<QPushButton>("TohyoCSVBtn").isVisibleTo(&page()));
    EXPECT_EQ(child<QPushButton>("TohyoCSVBtn").text(), QStringLiteral("QRV2投票"));
    EXPECT_FALSE(child<QPushButton>("TohyouBtn").isVisibleTo(&page()));
    EXPECT_FALSE(child<QPushButton>("TohyoFileBtn").isVisibleTo(&page()));
    EXPECT_FALSE(child<QGroupBox>("OiageGroup").isVisibleTo(&page()));
    for (const char* name : {"TohyoCSVBtn", "TohyouBtn", "N19", "N20", "N21", "N22", "N23", "N24", "N25", "N26",
                             "OiageMenu", "QRV1", "N28", "LossMemo"}) {
        QAction* action = m_window->menus().action(name);
        ASSERT_NE(action, nullptr) << name;
        EXPECT_TRUE(action->isEnabled()) << name;
    }
    m_window->menus().action("OiageMenu")->trigger();
    EXPECT_TRUE(child<QGroupBox>("OiageGroup").isVisibleTo(&page()));
    m_window->menus().action("OiageMenu")->trigger();
    EXPECT_FALSE(child<QGroupBox>("OiageGroup").isVisibleTo(&page()));
}

TEST_F(BetsPageTest, QrvVoteWritesTheShownTypesOrderFileAndStartsThePluginAndTheMenuWritesABetFile) {
    showFullyMarked(9);
    showType(BetType::Umaren);
    QTemporaryDir pluginDir;
    const fs::path plugin(pluginDir.path().toStdU16String());
    m_form->ini().writeString("Dir", "QRVTohyo2", displayPath(plugin));
    const std::string race = toUtf8(m_form->DatList.items[static_cast<size_t>(m_form->DatList.itemIndex)]);
    desktop.expectConfirm(true, "[" + race + ":馬連]に投票します。実行してよろしいですか？");
    child<QPushButton>("TohyoCSVBtn").click();
    const VoteFiles& files = m_form->voteFiles();
    ASSERT_FALSE(files.lastOrderFile.empty());
    EXPECT_EQ(files.lastOrderFile.parent_path(), plugin / "kaime");
    // One line per bet of the grid (nine horses: every pair), the plug-in started once on the file.
    EXPECT_EQ(splitLines(test::readBytes(files.lastOrderFile)).size(), 36u);
    ASSERT_EQ(desktop.startedPrograms.size(), 1u);
    EXPECT_EQ(desktop.startedIn.back(), plugin);

    desktop.expectConfirm(true, "[" + race + ":３連単]に投票します。投票ファイルを出力しますか？");
    m_window->menus().action("N26")->trigger();
    ASSERT_FALSE(files.lastBetFile.empty());
    EXPECT_EQ(splitLines(test::readBytes(files.lastBetFile)).size(), 1u + 9 * 8 * 7);
    std::error_code ec;
    std::filesystem::remove(files.lastBetFile, ec);
}

TEST_F(BetsPageTest, TheChaseGroupsEditorsFeedTheBoardAndARaceWithoutBracketBetsIsRefused) {
    showFullyMarked(9);
    m_window->menus().action("OiageMenu")->trigger();
    QLineEdit& loss = page().lossEdit();
    loss.setFocus();
    loss.selectAll();
    for (const QChar c : QStringLiteral("12000"))
        key(loss, Qt::Key_0 + (c.unicode() - u'0'), QString(c));
    EXPECT_EQ(board().SaNumEditExC3, 12000);
    // The register's total may be longer than the six digits one can type; it is shown whole.
    board().SaNumEditExC3 = 12'345'678;
    page().showForm(false);
    EXPECT_EQ(loss.text(), QStringLiteral("12345678"));
    board().SaNumEditExC3 = 12000;
    page().showForm(false);
    const int64_t amount = board().SaNumEditExC1;
    child<QPushButton>("OiageBtn").click();
    EXPECT_EQ(desktop.messages.back(), "この組合せまたは金額では資金配分ができません。");
    EXPECT_EQ(board().SaNumEditExC1, amount);
    m_window->menus().action("OiageMenu")->trigger();
}

} // namespace
} // namespace renoka
