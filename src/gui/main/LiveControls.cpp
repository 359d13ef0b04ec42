#include "main/LiveControls.h"

#include "QtText.h"
#include "acquisition/OzGetTimeDialog.h"
#include "app/MainForm.h"
#include "jv/acquisition/AutoAcquisition.h"
#include "jv/changes/ChangeNotices.h"
#include "jv/realtime/RealtimeFetches.h"
#include "main/MainMenus.h"
#include "widgets/Buttons.h"
#include "widgets/LabelView.h"

#include <QAction>
#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTimer>

namespace renoka {

LiveControls::LiveControls(TMainForm& form, const MainMenus& menus, Runner run, QWidget* window)
    : QObject(window), m_form(form), m_run(std::move(run)) {
    buildButtons(window);
    wireMenus(menus);
    buildTimers(window);

    m_dlLabel = new QLabel(window);
    m_dlLabel->setObjectName(QStringLiteral("DLlabel"));
    // A fetch runs inside one handler: its progress is shown as it happens, not when the handler is over.
    m_form.fetches().onProgress = [this](const std::string&) { showLabel(*m_dlLabel, m_form.DLlabel); };
}

void LiveControls::buildButtons(QWidget* window) {
    // Two by two beside the race list: the button row keeps the window narrow enough for small screens.
    m_fetchButtons = new QWidget(window);
    auto* layout = new QGridLayout(m_fetchButtons);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    RealtimeFetches& fetches = m_form.fetches();
    const struct {
        const char* name;
        const char* caption;
        const char* hint;
        std::function<void()> handler;
    } buttons[] = {
        {"SokuhoOddsBtn", "速報ｵｯｽﾞ", "表示中のレースの速報オッズを取得します",
         [&fetches] { fetches.SokuhoOddsBtnClick(); }},
        {"KekkaGetBtn", "結果情報", "この開催日のレース結果と払戻を取得します",
         [&fetches] { fetches.KekkaGetBtnClick(); }},
        {"GetBataijuBtn", "馬体重", "この開催日の馬体重を取得します", [&fetches] { fetches.GetBataijuBtnClick(); }},
        {"GetDMBtn", "ﾏｲﾆﾝｸﾞ", "この開催日のマイニング予想を取得します", [&fetches] { fetches.GetDMBtnClick(); }},
    };
    int at = 0;
    for (const auto& b : buttons) {
        QPushButton* button = makeButton(b.name, b.caption, b.hint, m_fetchButtons);
        button->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
        connect(button, &QPushButton::clicked, this, [this, handler = b.handler] { m_run(handler, false); });
        layout->addWidget(button, at / 2, at % 2);
        ++at;
    }
    // Hidden in the standard layout; the menu item "ｵｯｽﾞ自動取得" stands for it.
    m_autoOzCheck = new QCheckBox(uiText("ｵｯｽﾞ自動取得"), m_fetchButtons);
    m_autoOzCheck->setObjectName(QStringLiteral("AutoOzCheckBox"));
    m_autoOzCheck->setVisible(false);
    connect(m_autoOzCheck, &QCheckBox::clicked, this, &LiveControls::autoOzClicked);
    layout->addWidget(m_autoOzCheck, 2, 0, 1, 2);

    m_nextRace = makeButton("NextRaceBtn", "直前ﾚｰｽ", "次に発走するレースを表示します", m_fetchButtons);
    layout->addWidget(m_nextRace, 3, 0, 1, 2);
    connect(m_nextRace, &QPushButton::clicked, this,
            [this] { m_run([this] { m_form.acquisition().NextRaceBtnClick(); }, false); });
}

void LiveControls::autoOzClicked(bool checked) {
    m_run(
        [this, checked] {
            m_form.AutoOzCheck = checked;
            m_form.acquisition().AutoOzCheckClick();
        },
        false);
}

void LiveControls::wireMenus(const MainMenus& menus) {
    const auto wire = [&](const char* name, std::function<void()> handler) {
        QAction* action = menus.action(name);
        action->setEnabled(true);
        connect(action, &QAction::triggered, this, [this, handler = std::move(handler)] { m_run(handler, false); });
    };
    RealtimeFetches& fetches = m_form.fetches();
    wire("SokuhoOddsBtn", [&fetches] { fetches.SokuhoOddsBtnClick(); });
    wire("KekkaGetBtn", [&fetches] { fetches.KekkaGetBtnClick(); });
    wire("GetBataijuBtn", [&fetches] { fetches.GetBataijuBtnClick(); });
    wire("GetDMBtn", [&fetches] { fetches.GetDMBtnClick(); });
    wire("GetKaisaiBtn", [&fetches] { fetches.GetKaisaiBtnClick(); });
    wire("KaisaiReadBtn", [this] { m_form.changeNotices().KaisaiReadBtnClick(); });
    wire("NextRaceBtn", [this] { m_form.acquisition().NextRaceBtnClick(); });
    wire("N1O1", [&fetches] { fetches.N1O1Click(); });
    wire("OzGetLoopBtn", [&fetches] { fetches.OzGetLoopBtnClick(); });
    QWidget* window = qobject_cast<QWidget*>(parent());
    wire("N8", [this, window] { OzGetTimeDialog::showModal(m_form, window); });

    m_autoOzItem = menus.action("AutoOzCheck");
    m_autoOzItem->setEnabled(true);
    connect(m_autoOzItem, &QAction::triggered, this, &LiveControls::autoOzClicked);
}

void LiveControls::buildTimers(QWidget* window) {
    for (const TMainForm::TimerHandler& timer : m_form.timers()) {
        // The clock label's timer is the window's own.
        if (QLatin1String(timer.name) == QLatin1String("Timer2")) continue;
        auto* qtimer = new QTimer(window);
        qtimer->setObjectName(QString::fromLatin1(timer.name));
        const size_t index = m_timers.size();
        connect(qtimer, &QTimer::timeout, this, [this, index, handler = timer.handler] {
            if (m_timers[index].due()) m_run(handler, true);
        });
        m_timerObjects.push_back(qtimer);
        m_timers.emplace_back(*qtimer, *timer.state, m_form.clock());
    }
}

void LiveControls::showForm() {
    {
        const QSignalBlocker blockBox(m_autoOzCheck);
        const QSignalBlocker blockItem(m_autoOzItem);
        m_autoOzCheck->setChecked(m_form.AutoOzCheck);
        m_autoOzItem->setChecked(m_form.AutoOzCheck);
    }
    showLabel(*m_dlLabel, m_form.DLlabel);
    for (TimerBinding& timer : m_timers)
        timer.sync();
}

void LiveControls::stopTimers() {
    for (QTimer* timer : m_timerObjects)
        timer->stop();
}

} // namespace renoka
