// RENOKA: the desktop program. Checks for the data-service component, prepares the program folder and shows the
// main window; with --screenshot it draws the window once into a PNG file and ends.
#include "ApplicationSetup.h"
#include "QtDesktop.h"
#include "QtText.h"
#include "QtUiThread.h"
#include "app/MainForm.h"
#include "app/Startup.h"
#include "base/Cp932.h"
#include "frame/InstalledPrograms.h"
#include "frame/ProgramFolder.h"
#include "jv/sim/SimJvLink.h"
#include "main/MainWindow.h"
#include "main/ScreenshotScene.h"
#include "platform/Clock.h"
#include "platform/SoundPlayer.h"
#include "sim/SimSettingsDialog.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QMessageBox>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>
#include <string>

namespace {

bool hasDisplay() {
    return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

// The platform has to be chosen before the application object exists, so argv is looked at by hand here.
void choosePlatform(int argc, char** argv) {
    bool screenshot = false;
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "--screenshot") == 0 || std::strncmp(argv[i], "--screenshot=", 13) == 0)
            screenshot = true;
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM") && !hasDisplay()) {
        // Without a display the window can still be drawn into a file, or run headless for a check.
        qputenv("QT_QPA_PLATFORM", "offscreen");
        if (!screenshot) std::fputs("renoka: no display found, running offscreen\n", stderr);
    }
}

struct Options {
    std::optional<std::string> home;
    QString screenshot;
    renoka::ScreenshotScene scene; // what the screenshot shows
    QDateTime now;                 // --now: the Japan-time moment the clock starts at
    int speed = 1;                 // --speed: the clock runs this many times faster (a rehearsed race day)
};

Options parseOptions(const QApplication& app) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("RENOKA"));
    parser.addHelpOption();
    const QCommandLineOption home(QStringLiteral("home"), QStringLiteral("Program folder (settings, data, logs)."),
                                  QStringLiteral("DIR"));
    const QCommandLineOption screenshot(QStringLiteral("screenshot"),
                                        QStringLiteral("Draw the main window into a PNG file and exit."),
                                        QStringLiteral("FILE.png"));
    const QCommandLineOption now(QStringLiteral("now"),
                                 QStringLiteral("Start the Japan-time clock at this moment and let it run."),
                                 QStringLiteral("YYYY-MM-DD hh:mm[:ss]"));
    const QCommandLineOption speed(QStringLiteral("speed"),
                                   QStringLiteral("Let the clock (and the timers with it) run N times faster."),
                                   QStringLiteral("N"));
    const QCommandLineOption day(QStringLiteral("day"),
                                 QStringLiteral("Load this day first (a live day then unfolds by itself)."),
                                 QStringLiteral("YYYY-MM-DD|N"));
    const QCommandLineOption race(QStringLiteral("race"), QStringLiteral("Show this race."), QStringLiteral("NAME|N"));
    const QCommandLineOption tab(QStringLiteral("tab"), QStringLiteral("With --screenshot: show this page."),
                                 QStringLiteral("card|entries|results|odds|bets[/TAB]"));
    const QCommandLineOption size(QStringLiteral("size"), QStringLiteral("With --screenshot: the window's size."),
                                  QStringLiteral("WxH"));
    const QCommandLineOption show(
        QStringLiteral("show"), QStringLiteral("With --screenshot: what happens before the picture."),
        QStringLiteral("download-closed|status-tip|folder-picker|sim-settings|axis-sets|loss-register|"
                       "kaime-set|preview|marks:A;P1;P2|sort:COL[+...]"));
    for (const auto* option : {&home, &screenshot, &now, &speed, &day, &race, &tab, &size, &show})
        parser.addOption(*option);
    parser.process(app);
    Options options;
    if (parser.isSet(home)) options.home = parser.value(home).toStdString();
    options.screenshot = parser.value(screenshot);
    options.scene.day = parser.value(day);
    options.scene.race = parser.value(race);
    options.scene.tab = parser.value(tab);
    options.scene.show = parser.value(show);
    if (parser.isSet(size)) {
        const QStringList parts = parser.value(size).split(QLatin1Char('x'));
        if (parts.size() == 2) options.scene.size = QSize(parts[0].toInt(), parts[1].toInt());
        if (!options.scene.size.isValid() || options.scene.size.isEmpty()) {
            std::fprintf(stderr, "--size は 幅x高さ で指定してください: %s\n",
                         parser.value(size).toLocal8Bit().constData());
            std::exit(2);
        }
    }
    if (parser.isSet(speed)) {
        bool ok = false;
        options.speed = parser.value(speed).toInt(&ok);
        if (!ok || options.speed < 1 || options.speed > 3600) {
            std::fprintf(stderr, "--speed は1から3600までの整数で指定してください: %s\n",
                         parser.value(speed).toLocal8Bit().constData());
            std::exit(2);
        }
    }
    if (parser.isSet(now)) {
        options.now = renoka::parseJapanTime(parser.value(now));
        if (!options.now.isValid()) {
            std::fprintf(stderr, "--now の日時が正しくありません: %s\n", parser.value(now).toLocal8Bit().constData());
            std::exit(2);
        }
    }
    return options;
}

} // namespace

int main(int argc, char** argv) {
    choosePlatform(argc, argv);
    QApplication app(argc, argv);
    const Options options = parseOptions(app);
    const bool unattended =
        !options.screenshot.isEmpty() || QGuiApplication::platformName() == QLatin1String("offscreen");
    renoka::QtDesktop desktop(!unattended);

    const std::filesystem::path programDir = renoka::resolveProgramDir(options.home);
    std::unique_ptr<renoka::Clock> clock;
    if (options.now.isValid())
        clock = std::make_unique<renoka::StartedClock>(options.now, options.speed);
    else if (options.speed > 1)
        clock = std::make_unique<renoka::StartedClock>(renoka::SystemClock().now(), options.speed);
    else
        clock = std::make_unique<renoka::SystemClock>();
    renoka::nameApplication();
    if (!renoka::installQtTranslations(app))
        std::fputs("renoka: Qt の日本語訳が見つかりません (qt6-translations-l10n)\n", stderr);

    renoka::ProcessSoundPlayer sound;
    // The helper programs built with this one (the stand-in voting plug-in) are found beside it.
    renoka::InstalledPrograms registry(renoka::executableFolder());
    renoka::QtUiThread uiThread;
    renoka::StartedProgram program =
        renoka::startProgram(programDir, renoka::FrontEndPorts{desktop, *clock, sound, registry, uiThread});
    if (!program.form) {
        // No data service, or the program folder could not be prepared: there is no window to carry on in.
        desktop.beep();
        desktop.information(program.failure);
        return 1;
    }
    renoka::TMainForm& form = *program.form;

    // The simulator has no windows of its own: "JV-Link設定" opens ours.
    if (renoka::SimJvLink* sim = program.dataService.simulator) renoka::SimSettingsDialog::install(form, *sim);

    renoka::MainWindow window(form);
    desktop.setParentWindow(&window);
    window.show();
    form.runHandler([&] { form.FormShow(); });
    window.showForm();

    // Without a screenshot the chosen day stays on screen and, when it is live, its timers run.
    if (options.screenshot.isEmpty() && (!options.scene.day.isEmpty() || !options.scene.race.isEmpty())) {
        QString error;
        QPixmap unused;
        if (!renoka::setUpScene(window, form, options.scene, error, unused))
            std::fprintf(stderr, "renoka: %s\n", error.toLocal8Bit().constData());
    }
    if (!options.screenshot.isEmpty()) {
        QString error;
        QPixmap dialogShot;
        if (!renoka::setUpScene(window, form, options.scene, error, dialogShot)) {
            std::fprintf(stderr, "renoka: %s\n", error.toLocal8Bit().constData());
            return 1;
        }
        QApplication::processEvents();
        const QPixmap shot = dialogShot.isNull() ? window.grab() : dialogShot;
        if (!shot.save(options.screenshot)) {
            std::fprintf(stderr, "renoka: cannot write %s\n", options.screenshot.toLocal8Bit().constData());
            return 1;
        }
        window.close();
        return 0;
    }
    return QApplication::exec();
}
