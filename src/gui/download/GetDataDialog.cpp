#include "download/GetDataDialog.h"

#include "QtDesktop.h"
#include "QtText.h"
#include "app/MainForm.h"
#include "widgets/Buttons.h"
#include "widgets/LabelView.h"
#include "widgets/TimerBinding.h"

#include <QApplication>
#include <QCheckBox>
#include <QDateTimeEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace renoka {

namespace {

// The labels change with every record; twenty pictures a second is as much as anyone can read.
constexpr int kRepaintMs = 50;

// A label whose text comes from the data stream: shown as it is, never read as markup, and never widening the
// dialog when a horse name is long.
QLabel* makeStatusLabel(const char* name, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText);
    label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    label->setMinimumHeight(label->fontMetrics().height());
    return label;
}

QProgressBar* makeBar(const char* name, QWidget* parent) {
    auto* bar = new QProgressBar(parent);
    bar->setObjectName(QString::fromLatin1(name));
    bar->setRange(0, 100);
    bar->setValue(0);
    return bar;
}

void showBar(QProgressBar& view, const ProgressBar& bar) {
    // An empty range would turn the bar into a busy animation; the form never means that.
    const int max = std::max(bar.max, bar.min + 1);
    if (view.minimum() != bar.min || view.maximum() != max) view.setRange(bar.min, max);
    view.setValue(std::clamp(bar.position, bar.min, max));
}

} // namespace

GetDataDialog::GetDataDialog(TMainForm& main, QWidget* parent)
    : QDialog(parent), m_main(main), m_ownedForm(main.createGetDataForm()), m_form(*m_ownedForm) {
    setObjectName(QStringLiteral("GetDataForm"));
    setWindowTitle(uiText(TGetDataForm::Caption));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildOptions());
    layout->addWidget(buildProgress());
    layout->addWidget(buildButtons());
    setFixedWidth(fontMetrics().horizontalAdvance(QString(34, QChar(0x3042))) + 40);

    m_statusTimer = new QTimer(this);
    m_statusTimer->setObjectName(QStringLiteral("TimerJVStatus"));
    connect(m_statusTimer, &QTimer::timeout, this, [this] {
        // The read loop runs inside a tick and lets events through; a tick that arrives meanwhile has nothing
        // to add.
        if (m_handlerDepth > 0) return;
        run([this] { m_form.TimerJVStatusTimer(); });
    });
    // Between the loop's progress calls (one per file) the record label still moves: show it as it goes.
    m_repaintTimer = new QTimer(this);
    m_repaintTimer->setInterval(kRepaintMs);
    connect(m_repaintTimer, &QTimer::timeout, this, [this] { showProgress(false); });

    m_form.onProgress = [this] { showProgress(false); };

    bindInputs();
    m_main.runHandler([this] { m_form.FormCreate(); });
    showForm();
    adjustSize();
    m_start->setFocus();
}

GetDataDialog::~GetDataDialog() {
    m_form.onProgress = nullptr;
    if (m_cursorOverridden) QApplication::restoreOverrideCursor();
}

QWidget* GetDataDialog::buildOptions() {
    auto* panel = new QWidget(this);
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);

    auto* fromRow = new QHBoxLayout;
    auto* fromCaption = new QLabel(uiText("取込開始日(&D)"), panel);
    m_picker = new QDateTimeEdit(panel);
    m_picker->setObjectName(QStringLiteral("DateTimePicker1"));
    m_picker->setLocale(QLocale(QLocale::Japanese, QLocale::Japan));
    // The long date only; the time of the last file read stays in the value and goes to the service.
    m_picker->setDisplayFormat(QStringLiteral("yyyy年M月d日（ddd）"));
    m_picker->setCalendarPopup(true);
    m_picker->setToolTip(uiText("この日時以降に提供されたデータを取り込みます"));
    fromCaption->setBuddy(m_picker);
    fromRow->addWidget(fromCaption);
    fromRow->addWidget(m_picker);
    fromRow->addStretch(1);
    layout->addLayout(fromRow);

    m_kindGroup = new QGroupBox(uiText("取得データ"), panel);
    m_kindGroup->setObjectName(QStringLiteral("DataKindGroup"));
    auto* kinds = new QHBoxLayout(m_kindGroup);
    m_normal = new QRadioButton(uiText("通常データ(&N)"), m_kindGroup);
    m_normal->setObjectName(QStringLiteral("rbtNormal"));
    m_normal->setToolTip(uiText("開始日時以降に提供されたデータを取り込みます"));
    m_setup = new QRadioButton(uiText("セットアップデータ(&U)"), m_kindGroup);
    m_setup->setObjectName(QStringLiteral("rbtSetup"));
    m_setup->setToolTip(uiText("開始日時以降の蓄積データをまとめて取り込みます（初めての取込に）"));
    kinds->addWidget(m_normal);
    kinds->addWidget(m_setup);
    kinds->addStretch(1);
    layout->addWidget(m_kindGroup);

    m_odds = new QCheckBox(uiText("確定オッズも合わせて取得する(&O)"), panel);
    m_odds->setObjectName(QStringLiteral("CheckBox2"));
    layout->addWidget(m_odds);
    auto* note =
        new QLabel(uiText("↑ここをチェックすると取得期間に取得済みのオッズがある場合は確定オッズに上書きされますので、"
                          "ご注意ください。"),
                   panel);
    note->setObjectName(QStringLiteral("OddsNote"));
    note->setWordWrap(true);
    QPalette blue = note->palette();
    blue.setColor(QPalette::WindowText, Qt::blue);
    note->setPalette(blue);
    layout->addWidget(note);
    return panel;
}

QWidget* GetDataDialog::buildProgress() {
    auto* panel = new QWidget(this);
    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(0, 8, 0, 0);
    grid->setColumnStretch(1, 1);

    m_downloadBar = makeBar("ProgressBar1", panel);
    m_readBar = makeBar("ProgressBar2", panel);
    m_progressLabel = makeStatusLabel("ProgressLabel", panel);
    m_recordLabel = makeStatusLabel("MkDataLabel", panel);

    grid->addWidget(new QLabel(uiText("ダウンロード"), panel), 0, 0);
    grid->addWidget(m_downloadBar, 0, 1);
    grid->addWidget(new QLabel(uiText("読込み"), panel), 1, 0);
    grid->addWidget(m_readBar, 1, 1);
    grid->addWidget(m_progressLabel, 2, 0, 1, 2);
    grid->addWidget(new QLabel(uiText("作成データ"), panel), 3, 0);
    grid->addWidget(m_recordLabel, 3, 1);
    return panel;
}

QWidget* GetDataDialog::buildButtons() {
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 8, 0, 0);

    m_start =
        makeButton("ButtonStart", "データ取込(&S)", "選んだ日時以降のデータを取り込みます", row, HintShown::AsToolTip);
    connect(m_start, &QPushButton::clicked, this, [this] { run([this] { m_form.ButtonStartClick(); }); });
    m_cancel = makeButton("ButtonCancel", "データ取込中止(&C)", "実行中の取込を中止します", row, HintShown::AsToolTip);
    connect(m_cancel, &QPushButton::clicked, this, [this] { run([this] { m_form.ButtonCancelClick(); }); });
    m_settings =
        makeButton("SpeedButton1", "JV-Link設定(&L)", "データ提供元の設定画面を開きます", row, HintShown::AsToolTip);
    connect(m_settings, &QPushButton::clicked, this, [this] { run([this] { m_form.SpeedButton1Click(); }); });

    layout->addWidget(m_start);
    layout->addWidget(m_cancel);
    layout->addStretch(1);
    layout->addWidget(m_settings);
    return row;
}

void GetDataDialog::bindInputs() {
    // The form holds the choices: the handlers read them from there, as the CLI sets them there.
    connect(m_picker, &QDateTimeEdit::dateTimeChanged, this,
            [this](const QDateTime& value) { m_form.DateTimePicker1 = value; });
    connect(m_normal, &QRadioButton::toggled, this, [this](bool on) { m_form.rbtNormal = on; });
    connect(m_setup, &QRadioButton::toggled, this, [this](bool on) { m_form.rbtSetup = on; });
    connect(m_odds, &QCheckBox::toggled, this, [this](bool on) { m_form.CheckBox2 = on; });
}

bool GetDataDialog::downloading() const {
    return m_form.TimerJVStatus.enabled || m_form.reading;
}

void GetDataDialog::showForm() {
    {
        const QSignalBlocker pickerBlock(m_picker);
        const QSignalBlocker normalBlock(m_normal);
        const QSignalBlocker setupBlock(m_setup);
        const QSignalBlocker oddsBlock(m_odds);
        if (m_picker->dateTime() != m_form.DateTimePicker1) {
            m_picker->setTimeSpec(m_form.DateTimePicker1.timeSpec());
            m_picker->setDateTime(m_form.DateTimePicker1);
        }
        // Radio buttons of one group uncheck each other: checking the chosen one is enough.
        if (m_form.rbtSetup)
            m_setup->setChecked(true);
        else if (m_form.rbtNormal)
            m_normal->setChecked(true);
        m_odds->setChecked(m_form.CheckBox2);
    }
    showProgress(true);
}

void GetDataDialog::showProgress(bool force) {
    showButtons();
    followTimers();
    followCursor();
    if (!force && m_lastPaint.isValid() && m_lastPaint.elapsed() < kRepaintMs) return;
    m_lastPaint.start();
    showBar(*m_downloadBar, m_form.ProgressBar1);
    showBar(*m_readBar, m_form.ProgressBar2);
    showLabel(*m_progressLabel, m_form.ProgressLabel);
    showLabel(*m_recordLabel, m_form.MkDataLabel);
}

void GetDataDialog::showButtons() {
    const bool busy = downloading();
    m_start->setEnabled(!busy);
    m_settings->setEnabled(!busy);
    // Once a cancel is on its way, asking again would only repeat the question.
    m_cancel->setEnabled(busy && !m_form.CancelRequested);
    // The choices are read when the download starts; changing them mid-way would only mislead.
    m_picker->setEnabled(!busy);
    m_kindGroup->setEnabled(!busy);
    m_odds->setEnabled(!busy);
}

void GetDataDialog::followTimers() {
    TimerBinding(*m_statusTimer, m_form.TimerJVStatus).sync();
    const bool busy = downloading();
    if (m_repaintTimer->isActive() != busy) {
        if (busy)
            m_repaintTimer->start();
        else
            m_repaintTimer->stop();
    }
}

void GetDataDialog::followCursor() {
    if (m_form.busyCursor == m_cursorOverridden) return;
    if (m_form.busyCursor)
        QApplication::setOverrideCursor(Qt::BusyCursor);
    else
        QApplication::restoreOverrideCursor();
    m_cursorOverridden = m_form.busyCursor;
}

void GetDataDialog::run(const std::function<void()>& handler) {
    ++m_handlerDepth;
    m_main.runHandler(handler);
    --m_handlerDepth;
    showForm();
    // A close asked for while the read loop ran waits until the loop has stopped and closed the stream.
    if (m_handlerDepth == 0 && m_closeWhenIdle && !downloading()) {
        m_closeWhenIdle = false;
        done(QDialog::Rejected);
    }
}

void GetDataDialog::done(int result) {
    if (downloading()) {
        // The window's close button in the middle of a download means "stop it": ask as the cancel button does.
        run([this] { m_form.ButtonCancelClick(); });
        if (downloading()) {
            m_closeWhenIdle = m_form.CancelRequested;
            return;
        }
    }
    bool allowed = true;
    m_main.runHandler([this, &allowed] { allowed = m_form.FormCloseQuery(); });
    if (!allowed) return;
    QDialog::done(result);
}

void GetDataDialog::keyPressEvent(QKeyEvent* event) {
    // Esc closes an idle dialog; during a download a stray Esc must not turn into a cancel question.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier && downloading()) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace renoka
