#include "sim/SimSettingsDialog.h"

#include "QtText.h"
#include "app/MainForm.h"
#include "app/Startup.h"
#include "jv/sim/SimJvLink.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>
#include <QVBoxLayout>

#include <exception>
#include <filesystem>

namespace renoka {

namespace {

namespace fs = std::filesystem;

constexpr const char* kSection = "Sim";
constexpr const char* kKey = "Provider";

// The folder a value being typed names, for the note under the field: read as start-up reads a saved value,
// relative to the program folder unless absolute, "\" taken as "/", empty for the program's own provider folder.
fs::path resolveFolder(const fs::path& programDir, QString value) {
    value = value.trimmed().replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (value.isEmpty()) return programDir / "provider";
    const fs::path folder(value.toStdU16String());
    return folder.is_absolute() ? folder : programDir / folder;
}

} // namespace

SimSettingsDialog::SimSettingsDialog(TMainForm& form, SimJvLink& sim, QWidget* parent)
    : QDialog(parent), m_form(form), m_sim(sim) {
    setObjectName(QStringLiteral("SimSettingsDialog"));
    setWindowTitle(uiText("JV-Link設定 (データ提供元シミュレータ)"));

    m_folder = new QLineEdit(this);
    m_folder->setObjectName(QStringLiteral("ProviderEdit"));
    m_folder->setStatusTip(uiText("stored/ と realtime/ を持つデータ提供元フォルダ。相対パスはプログラムフォルダから"));
    const std::string configured = m_form.ini().readString(kSection, kKey, "");
    m_folder->setText(configured.empty() ? QStringLiteral("provider") : qs(configured));
    m_folder->setMinimumWidth(m_folder->fontMetrics().horizontalAdvance(QLatin1Char('0')) * 48);
    auto* browseButton = new QPushButton(uiText("参照(&B)..."), this);
    browseButton->setObjectName(QStringLiteral("BrowseButton"));
    browseButton->setAutoDefault(false);
    connect(browseButton, &QPushButton::clicked, this, &SimSettingsDialog::browse);
    auto* folderRow = new QHBoxLayout;
    folderRow->addWidget(m_folder, 1);
    folderRow->addWidget(browseButton);

    m_folderState = new QLabel(this);
    m_folderState->setObjectName(QStringLiteral("FolderState"));
    m_folderState->setWordWrap(true);
    connect(m_folder, &QLineEdit::textChanged, this, &SimSettingsDialog::showFolderState);

    m_speed = new QSpinBox(this);
    m_speed->setObjectName(QStringLiteral("SpeedSpin"));
    m_speed->setRange(kProviderSpeed, 100000);
    m_speed->setSpecialValueText(uiText("provider.ini の設定に従う"));
    m_speed->setSuffix(uiText(" ファイル/秒"));
    m_speed->setValue(m_sim.filesPerSecondSetting().value_or(kProviderSpeed));
    // The speed is a testing aid, not a setting of the program: it lasts until the program ends.
    auto* speedHint = new QLabel(uiText("0 = 待たずに全ファイルを取得済みにします (終了まで有効)"), this);
    auto* speedRow = new QHBoxLayout;
    speedRow->addWidget(m_speed);
    speedRow->addWidget(speedHint, 1);

    m_clockNote = new QLabel(clockNote(), this);
    m_clockNote->setObjectName(QStringLiteral("ClockNote"));
    m_clockNote->setWordWrap(true);
    // The note shows the simulator's time: it runs while the dialog is open, as the main window's clock does.
    auto* clockTimer = new QTimer(this);
    clockTimer->setObjectName(QStringLiteral("ClockTimer"));
    clockTimer->setInterval(1000);
    connect(clockTimer, &QTimer::timeout, this, [this] { m_clockNote->setText(clockNote()); });
    clockTimer->start();

    auto* fields = new QFormLayout;
    auto* folderCaption = new QLabel(uiText("提供元フォルダ(&F)"), this);
    folderCaption->setBuddy(m_folder);
    fields->addRow(folderCaption, folderRow);
    fields->addRow(QString(), m_folderState);
    auto* speedCaption = new QLabel(uiText("取得速度(&S)"), this);
    speedCaption->setBuddy(m_speed);
    fields->addRow(speedCaption, speedRow);
    fields->addRow(uiText("時計"), m_clockNote);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("OkButton"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("CancelButton"));
    buttons->button(QDialogButtonBox::Cancel)->setText(uiText("キャンセル"));
    connect(buttons, &QDialogButtonBox::accepted, this, &SimSettingsDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &SimSettingsDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(buttons);
    showFolderState();
}

QString SimSettingsDialog::clockNote() const {
    const QString now = m_sim.clock().now().toString(QStringLiteral("yyyy/MM/dd hh:mm:ss"));
    // A started clock is the demo's: the user should see that race-day data follows it, not the wall clock.
    const bool started = !m_sim.clock().followsMachineClock();
    const QString kind = started ? uiText("起動時に指定した日時(--now)から進む時計") : uiText("このコンピュータの時計");
    return uiText("%1 (日本時間 %2)。リアルタイムデータはこの時刻までに発表された分を配信します。").arg(kind, now);
}

void SimSettingsDialog::browse() {
    const fs::path current = resolveFolder(m_form.ProgramDir(), m_folder->text());
    const auto picked = m_form.desktop().pickFolder(sj("データ提供元フォルダ"), fromQs(qpath(current)));
    if (picked) m_folder->setText(qs(*picked));
}

void SimSettingsDialog::showFolderState() {
    const fs::path folder = resolveFolder(m_form.ProgramDir(), m_folder->text());
    std::error_code error;
    QString state;
    if (!fs::is_directory(folder, error))
        state = uiText("%1 はまだありません (データなしとして動きます)");
    else if (!fs::is_directory(folder / "stored", error) && !fs::is_directory(folder / "realtime", error))
        state = uiText("%1 には stored/ も realtime/ もありません");
    else
        state = QStringLiteral("%1");
    m_folderState->setText(state.arg(QDir::toNativeSeparators(qpath(folder))));
}

void SimSettingsDialog::accept() {
    const QString value = m_folder->text().trimmed();
    const std::string cp932 = fromQs(value);
    // The settings file is CP932: a name it cannot hold would come back as another folder.
    if (qs(cp932) != value) {
        m_form.desktop().beep();
        m_form.desktop().information(sj("フォルダ名にシフトJISで表せない文字があります。"));
        return;
    }
    try {
        m_form.ini().writeString(kSection, kKey, cp932);
    } catch (const std::exception& e) {
        // The simulator keeps its settings too, so the file and the running program still agree.
        m_form.logError(e.what());
        m_saveFailed = true;
        QDialog::accept();
        return;
    }
    m_saveFailed = false;
    // Read back the way the next start will read it, so this run and the next serve the same folder.
    m_sim.setProviderFolder(providerFolder(m_form.ProgramDir()));
    const int speed = m_speed->value();
    m_sim.setFilesPerSecond(speed == kProviderSpeed ? std::nullopt : std::optional<int>(speed));
    QDialog::accept();
}

int32_t SimSettingsDialog::showModal(TMainForm& form, SimJvLink& sim, QWidget* parent) {
    SimSettingsDialog dialog(form, sim, parent);
    dialog.exec();
    return dialog.saveFailed() ? kSaveFailed : 0;
}

void SimSettingsDialog::install(TMainForm& form, SimJvLink& sim) {
    sim.uiProperties = [&form, &sim] { return showModal(form, sim, QApplication::activeWindow()); };
}

} // namespace renoka
