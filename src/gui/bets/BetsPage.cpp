#include "bets/BetsPage.h"

#include "QtText.h"
#include "app/MainForm.h"
#include "bets/KaimeSetDialog.h"
#include "betting/BetBoard.h"
#include "betting/BetVotes.h"
#include "grid/GridView.h"
#include "grid/TextGridModel.h"
#include "main/MainMenus.h"
#include "widgets/Buttons.h"
#include "widgets/LabelView.h"

#include <QAction>
#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QTabWidget>
#include <QVBoxLayout>

namespace renoka {

namespace {

constexpr int kWakuPage = betIndex(BetType::Waku);
// The selection column of the bracket preview, where a click sets or clears "●".
constexpr int kPreviewChoiceCol = 3;

const char* const kLabelCaptions[kBetLabelCount] = {"買い点数", "投票金額", "予想回収率", "回収金額"};

} // namespace

BetsPage::BetsPage(TMainForm& form, HandlerRunner run, QWidget* parent)
    : QWidget(parent), m_form(form), m_run(std::move(run)) {
    setObjectName(QStringLiteral("KaimePage"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(buildTabs(), 1);
    QWidget* controls = buildControls();
    // The labels and editors keep their room; the grid gives way (and scrolls sideways) in a narrow window.
    controls->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
    layout->addWidget(controls);
    showPreview(false);
    showForm();
}

BetBoard& BetsPage::board() const {
    return m_form.bets();
}

QWidget* BetsPage::buildTabs() {
    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("PageControl4"));
    // The pages stand in the bet board's order, so a tab's index is the board's page number.
    for (BetType type : kBetTypes)
        m_tabs->addTab(buildGridPage(type), uiText(betTypeInfo(type).caption));
    m_tabs->addTab(buildPreviewPage(), uiText("金のなる木プレビュー"));
    connect(m_tabs, &QTabWidget::currentChanged, this, [this](int page) {
        if (m_syncingTab || page < 0) return;
        m_run([this, page] { board().PageControl4Change(page); });
    });
    return m_tabs;
}

QWidget* BetsPage::buildGridPage(BetType type) {
    BetBoard& bets = board();
    auto* grid = new GridView(
        bets.grid(type), [&bets, type](int row, int col) { return bets.paint(type, row, col); }, this);
    grid->setObjectName(QString::fromLatin1(betTypeInfo(type).gridName));
    grid->setStatusTip(
        uiText("「消」の欄のクリック（またはスペースキー）で買い目を除外・復活します。見出しのクリックで並べ替えます"));
    // No. and every column after it sort; 消 does not.
    grid->setSortableHeader([](int col) { return col >= 1; });
    connect(grid, &GridView::headerClicked, this,
            [this, type](int col) { m_run([this, type, col] { board().gridMouseDown(type, 0, col); }); });
    connect(grid, &QAbstractItemView::clicked, this, [this, type](const QModelIndex& index) {
        const int row = TextGridModel::gridRow(index.row());
        const int col = index.column();
        m_run([this, type, row, col] { board().gridClick(type, row, col); });
    });
    connect(grid, &GridView::contextMenuAt, this,
            [this, type](const QModelIndex& index, const QPoint& at) { showGridMenu(type, index, at); });
    // 消 acts: the hand over it and the header, and the space bar on any cell of a row clicks its 消.
    grid->setCellClicks(BetBoard::handCursorAt, kExclusionCol);
    m_grids[static_cast<size_t>(betIndex(type))] = grid;
    return grid;
}

QWidget* BetsPage::buildPreviewPage() {
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(4, 4, 4, 4);
    auto* hint = new QLabel(
        uiText("「選択」の欄をクリック（またはスペースキー）して●を付けた組番を、「抽出」で枠連の買い目にします。"),
        page);
    hint->setWordWrap(true);
    layout->addWidget(hint);
    m_preview = new GridView(board().StringGrid2, {}, page);
    m_preview->setObjectName(QStringLiteral("StringGrid2"));
    connect(m_preview, &QAbstractItemView::clicked, this, [this](const QModelIndex& index) {
        const int row = TextGridModel::gridRow(index.row());
        const int col = index.column();
        m_run([this, row, col] { board().StringGrid2Click(row, col); });
    });
    // The space bar on a row sets or clears its ●.
    m_preview->setCellClicks({}, kPreviewChoiceCol);
    m_extract = new QPushButton(uiText("抽出(&E)"), page);
    m_extract->setObjectName(QStringLiteral("KaimeMakeBtn_Old"));
    m_extract->setAutoDefault(false);
    m_extract->setStatusTip(uiText("●を付けた組番を枠連の買い目にします"));
    connect(m_extract, &QPushButton::clicked, this, [this] {
        m_run([this] { board().KaimeMakeBtn_OldClick(); });
        // The bets extracted are read on the 枠連 page.
        m_tabs->setCurrentIndex(kWakuPage);
    });
    auto* row = new QHBoxLayout;
    row->addWidget(m_preview);
    row->addWidget(m_extract, 0, Qt::AlignTop);
    row->addStretch(1);
    layout->addLayout(row, 1);
    return page;
}

QLineEdit* BetsPage::makeYenEdit(const char* name, const char* hint, int typedDigits, int shownDigits, QWidget* parent,
                                 void (*change)(BetBoard&, int64_t)) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setStatusTip(uiText(hint));
    // Whole yen of up to `typedDigits` digits, nothing else.
    edit->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,%1}").arg(typedDigits)), edit));
    edit->setMaxLength(shownDigits);
    edit->setAlignment(Qt::AlignRight);
    edit->setFont(GridView::gridFont());
    edit->setFixedWidth(edit->fontMetrics().horizontalAdvance(QString(typedDigits + 1, u'0')) + 16);
    connect(edit, &QLineEdit::textEdited, this, [this, change](const QString& text) {
        const int64_t amount = text.toLongLong();
        m_run([this, change, amount] { change(board(), amount); });
    });
    return edit;
}

QWidget* BetsPage::buildControls() {
    auto* panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("KaimeControls"));
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(4, 0, 4, 0);

    m_setName = new QLabel(panel);
    m_setName->setObjectName(QStringLiteral("SetNameLabel"));
    m_setName->setStatusTip(uiText("軸馬・ヒモ馬を選んだユーザー設定の名前"));
    m_setName->setWordWrap(true);
    layout->addWidget(m_setName);

    auto* amountRow = new QHBoxLayout;
    auto* amountCaption = new QLabel(uiText("入力投票金額(&A)"), panel);
    m_amount = makeYenEdit("SaNumEditExC1", "このレースに投票する金額。買い目に100円単位で配分します", 8, 8, panel,
                           [](BetBoard& bets, int64_t amount) { bets.setStakeAmount(amount); });
    amountCaption->setBuddy(m_amount);
    amountRow->addWidget(amountCaption);
    amountRow->addWidget(m_amount);
    amountRow->addWidget(new QLabel(uiText("円"), panel));
    amountRow->addStretch(1);
    layout->addLayout(amountRow);

    auto* method = new QGroupBox(uiText("資金配分"), panel);
    method->setObjectName(QStringLiteral("RadioGroup1"));
    auto* methodLayout = new QGridLayout(method);
    m_method = new QButtonGroup(this);
    const char* const items[] = {"均等", "比例"};
    const char* const hints[] = {"買い目ごとに同じ金額を配分します",
                                 "オッズに反比例して配分し、どれが当たっても回収額がほぼ同じになるようにします"};
    for (int i = 0; i < 2; ++i) {
        auto* button = new QRadioButton(uiText(items[i]), method);
        button->setObjectName(QStringLiteral("RadioGroup1Item%1").arg(i));
        button->setStatusTip(uiText(hints[i]));
        m_method->addButton(button, i);
        methodLayout->addWidget(button, 0, i);
    }
    connect(m_method, &QButtonGroup::idClicked, this,
            [this](int id) { m_run([this, id] { board().RadioGroup1Click(id); }); });
    layout->addWidget(method);

    layout->addWidget(buildSummary());
    layout->addWidget(buildVoteButtons());
    layout->addWidget(buildChase());
    layout->addStretch(1);
    return panel;
}

QWidget* BetsPage::buildVoteButtons() {
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    QPushButton* plugin = makeButton("TohyoCSVBtn", "QRV2投票", "QRV投票プラグイン２経由で投票します", row);
    connect(plugin, &QPushButton::clicked, this, [this] { m_run([this] { m_form.votes().TohyoCSVBtnClick(); }); });
    layout->addWidget(plugin);
    // The two bet-list buttons are not part of the standard layout; the 買い目 menu has their items.
    m_betFileButton = makeButton("TohyouBtn", "投票ﾌｧｲﾙ", "表示中の券種の買い目を投票ファイル(.BET)に出力します", row);
    connect(m_betFileButton, &QPushButton::clicked, this,
            [this] { m_run([this] { m_form.votes().TohyouBtnClick(); }); });
    m_betFileButton->hide();
    layout->addWidget(m_betFileButton);
    m_betFileMenuButton = makeButton("TohyoFileBtn", "投票ファイル", "投票ファイルを出力します", row);
    auto* menu = new QMenu(m_betFileMenuButton);
    for (BetType type : kBetTypes) {
        QAction* item = menu->addAction(uiText(betTypeInfo(type).caption));
        connect(item, &QAction::triggered, this,
                [this, type] { m_run([this, type] { m_form.votes().writeBetFile(type); }); });
    }
    m_betFileMenuButton->setMenu(menu);
    m_betFileMenuButton->hide();
    layout->addWidget(m_betFileMenuButton);
    layout->addStretch(1);
    return row;
}

QWidget* BetsPage::buildChase() {
    m_chase = new QGroupBox(uiText("追い上げ投資用"), this);
    m_chase->setObjectName(QStringLiteral("OiageGroup"));
    auto* layout = new QGridLayout(m_chase);
    const auto addEditor = [this, layout](int row, QLineEdit* edit, const char* caption) {
        auto* label = new QLabel(uiText(caption), m_chase);
        label->setBuddy(edit);
        layout->addWidget(label, row, 0);
        layout->addWidget(edit, row, 1);
        layout->addWidget(new QLabel(uiText("円"), m_chase), row, 2);
        return edit;
    };
    // Six digits typed; the loss register's total, which may be longer, is shown whole.
    m_loss = addEditor(0,
                       makeYenEdit("SaNumEditExC3", "取り戻したい損失の金額（損失金管理の累計）", 6, 12, m_chase,
                                   [](BetBoard& bets, int64_t amount) { bets.setLossAmount(amount); }),
                       "損失金額(&L)");
    m_profit = addEditor(1,
                         makeYenEdit("SaNumEditExC2", "損失を取り戻したうえで得たい利益の金額", 6, 6, m_chase,
                                     [](BetBoard& bets, int64_t amount) { bets.setTargetProfit(amount); }),
                         "目標利益金額(&G)");
    // What the board holds from the start; later a blank field being typed into stays blank.
    m_loss->setText(QString::number(board().SaNumEditExC3));
    m_profit->setText(QString::number(board().SaNumEditExC2));
    QPushButton* chase =
        makeButton("OiageBtn", "追い上げ(&C)",
                   "損失金額と目標利益金額を取り戻す投票金額を、枠連の予想回収率から求めます", m_chase);
    connect(chase, &QPushButton::clicked, this, [this] { m_run([this] { m_form.votes().OiageBtnClick(); }); });
    layout->addWidget(chase, 2, 0, 1, 3);
    // Not part of the standard layout: the 買い目 menu shows it.
    m_chase->hide();
    return m_chase;
}

bool BetsPage::chaseShown() const {
    return !m_chase->isHidden();
}

void BetsPage::showChase(bool shown) {
    if (m_chaseAction && m_chaseAction->isChecked() != shown) m_chaseAction->setChecked(shown);
    m_chase->setVisible(shown);
    if (shown) m_loss->setFocus();
}

QWidget* BetsPage::buildSummary() {
    auto* box = new QGroupBox(this);
    box->setObjectName(QStringLiteral("KaimeSummary"));
    auto* grid = new QGridLayout(box);
    grid->setHorizontalSpacing(2);
    grid->setVerticalSpacing(2);
    for (int which = 0; which < kBetLabelCount; ++which) {
        auto* caption = new QLabel(uiText(kLabelCaptions[which]), box);
        caption->setAlignment(Qt::AlignCenter);
        grid->addWidget(caption, 0, which + 1);
    }
    const QFont font = GridView::gridFont();
    const int labelWidth = QFontMetrics(font).horizontalAdvance(QStringLiteral("00000000")) + 8;
    for (BetType type : kBetTypes) {
        const int row = betIndex(type) + 1;
        auto* caption = new QLabel(uiText(betTypeInfo(type).caption), box);
        grid->addWidget(caption, row, 0);
        m_summaryRows[static_cast<size_t>(betIndex(type))] = caption;
        for (int which = 0; which < kBetLabelCount; ++which) {
            auto* label = new QLabel(box);
            label->setObjectName(QString::fromStdString(betLabelName(type, static_cast<BetLabel>(which))));
            label->setFont(font);
            label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
            label->setMinimumWidth(labelWidth);
            label->setStatusTip(uiText(betTypeInfo(type).caption) + QStringLiteral(" ") +
                                uiText(kLabelCaptions[which]));
            grid->addWidget(label, row, which + 1);
            m_labels[static_cast<size_t>(betIndex(type))][static_cast<size_t>(which)] = label;
        }
    }
    return box;
}

void BetsPage::wireMenus(const MainMenus& menus) {
    const auto wire = [this, &menus](const char* name, std::function<void()> handler) {
        QAction* action = menus.action(name);
        if (!action) return;
        action->setEnabled(true);
        connect(action, &QAction::triggered, this, [this, handler = std::move(handler)] { m_run(handler); });
    };
    wire("N18", [this] { KaimeSetDialog::showModal(board(), window()); });
    // 別ロジック買い目, 買い目抽出法設定 and 軸馬初期設定: the item's number as the settings keep it.
    const std::pair<const char*, int> logic[] = {
        {"DefaultKaime", 0}, {"Kaime3Include", 1}, {"NagasiKaime", 2}, {"StdDev13", 3}};
    for (const auto& [name, item] : logic)
        wire(name, [this, item = item] { board().Kaime3IncludeClick(item); });
    wire("N32", [this] { board().N32Click(1); });
    wire("N33", [this] { board().N32Click(2); });
    wire("KaimeJoi", [this] { board().KaimeJoiClick(0); });
    wire("KaimeKai", [this] { board().KaimeJoiClick(1); });
    wire("TohyoCSVBtn", [this] { m_form.votes().TohyoCSVBtnClick(); });
    wire("TohyouBtn", [this] { m_form.votes().TohyouBtnClick(); });
    const std::pair<const char*, BetType> voteItems[] = {
        {"N19", BetType::Tan},  {"N20", BetType::Fuku},   {"N21", BetType::Waku},    {"N22", BetType::Umaren},
        {"N23", BetType::Wide}, {"N24", BetType::Umatan}, {"N25", BetType::Sanpuku}, {"N26", BetType::Santan}};
    for (const auto& [name, type] : voteItems)
        wire(name, [this, type = type] { m_form.votes().writeBetFile(type); });
    m_chaseAction = menus.action("OiageMenu");
    if (m_chaseAction) {
        m_chaseAction->setEnabled(true);
        connect(m_chaseAction, &QAction::triggered, this, [this](bool checked) { showChase(checked); });
    }
    m_previewAction = menus.action("KaneNaruKiMenu");
    if (m_previewAction) {
        m_previewAction->setEnabled(true);
        connect(m_previewAction, &QAction::triggered, this, [this](bool checked) { showPreview(checked); });
    }
}

void BetsPage::showPreview(bool shown) {
    m_previewShown = shown;
    if (m_previewAction && m_previewAction->isChecked() != shown) m_previewAction->setChecked(shown);
    // Off the bar, the bracket pages give the first tab their place (Qt would pick a neighbour).
    if (!shown && (m_tabs->currentIndex() == kWakuPage || m_tabs->currentIndex() == BetBoard::kPreviewPage))
        m_tabs->setCurrentIndex(0);
    m_tabs->setTabVisible(kWakuPage, shown);
    m_tabs->setTabVisible(BetBoard::kPreviewPage, shown);
    m_summaryRows[static_cast<size_t>(kWakuPage)]->setVisible(shown);
    for (QLabel* label : m_labels[static_cast<size_t>(kWakuPage)])
        label->setVisible(shown);
    if (shown) m_tabs->setCurrentIndex(BetBoard::kPreviewPage);
}

QAbstractButton* BetsPage::methodButton(int index) const {
    return m_method->button(index);
}

void BetsPage::showForm(bool grids) {
    if (grids) {
        // Another race starts at its first row, not where the last one was left.
        const std::string race = m_form.store().DayName + "/" + std::to_string(m_form.store().CurrentRace);
        const bool another = race != m_shownRace;
        m_shownRace = race;
        for (GridView* grid : m_grids) {
            grid->refresh();
            if (another) grid->scrollToStart();
        }
        m_preview->refresh();
        const int page = board().ActivePage;
        if (page != m_tabs->currentIndex() && m_tabs->isTabVisible(page)) {
            m_syncingTab = true;
            m_tabs->setCurrentIndex(page);
            m_syncingTab = false;
        }
    }
    showLabels();
    showEditors();
}

void BetsPage::showLabels() {
    const BetBoard& bets = board();
    for (BetType type : kBetTypes)
        for (int which = 0; which < kBetLabelCount; ++which) {
            QLabel& view = label(type, static_cast<BetLabel>(which));
            showLabel(view, bets.label(type, static_cast<BetLabel>(which)));
            if (type == BetType::Waku && !m_previewShown) view.setVisible(false);
        }
    showLabel(*m_setName, m_form.SetNameLabel);
    m_setName->setVisible(!m_form.SetNameLabel.text.empty());
}

void BetsPage::showEditors() {
    const BetBoard& bets = board();
    // The amount being typed stays as typed ("" and "0" are both 0); only another value replaces it.
    if (m_amount->text().toLongLong() != bets.SaNumEditExC1) m_amount->setText(QString::number(bets.SaNumEditExC1));
    if (m_loss->text().toLongLong() != bets.SaNumEditExC3) m_loss->setText(QString::number(bets.SaNumEditExC3));
    if (m_profit->text().toLongLong() != bets.SaNumEditExC2) m_profit->setText(QString::number(bets.SaNumEditExC2));
    QAbstractButton* wanted = m_method->button(bets.RadioGroup1ItemIndex);
    if (wanted) {
        if (!wanted->isChecked()) wanted->setChecked(true);
    } else if (QAbstractButton* checked = m_method->checkedButton()) {
        // A setting outside the two items chooses neither; an exclusive group cannot uncheck by itself.
        m_method->setExclusive(false);
        checked->setChecked(false);
        m_method->setExclusive(true);
    }
}

void BetsPage::showGridMenu(BetType type, const QModelIndex& index, const QPoint& globalPos) {
    if (!index.isValid()) return;
    const int row = TextGridModel::gridRow(index.row());
    const int col = index.column();
    const TextGrid& grid = board().grid(type);
    QMenu menu(this);
    QAction* exclude = menu.addAction(uiText("除外・復活を切り替える(&X)"));
    exclude->setObjectName(QStringLiteral("ToggleExclusion"));
    connect(exclude, &QAction::triggered, this,
            [this, type, row] { m_run([this, type, row] { board().gridClick(type, row, 0); }); });
    if (col >= 1) {
        QAction* sort = menu.addAction(uiText("「%1」で並べ替え(&S)").arg(qs(grid.cell(col, 0))));
        sort->setObjectName(QStringLiteral("SortByColumn"));
        connect(sort, &QAction::triggered, this,
                [this, type, col] { m_run([this, type, col] { board().gridMouseDown(type, 0, col); }); });
    }
    menu.exec(globalPos);
}

} // namespace renoka
