#pragma once
// The benchmarks' race days: a demo provider made in a temporary program folder (race days from 2026-12-12) and
// its stored data taken in through the download dialog as data, the data service's pace switched off, so that a
// benchmark starts from the day list a punter sees after "JVデータ取得".
#include "app/MainForm.h"
#include "jv/demo/DemoProvider.h"
#include "jv/download/GetDataForm.h"
#include "jv/sim/SimJvLink.h"
#include "platform/ConsoleDesktop.h"
#include "support/TempDir.h"

#include <QDateTime>

#include <cstdio>
#include <memory>

namespace renoka::bench {

struct DownloadedDemo {
    test::TempDir home;
    std::FILE* quiet = std::fopen("/dev/null", "w");
    ConsoleDesktop desktop{false, quiet};
    SystemClock clock;
    ProcessSoundPlayer sound;
    NoRegistry registry;
    PostedTasks uiThread;
    std::unique_ptr<SimJvLink> jv;
    std::unique_ptr<TMainForm> form;

    DownloadedDemo() {
        demo::DemoOptions options;
        options.out = home.path() / "provider";
        options.start = demo::DemoDate{2026, 12, 12};
        demo::makeDemoProvider(options);
        jv = std::make_unique<SimJvLink>(options.out, clock);
        jv->setFilesPerSecond(0);
        form = std::make_unique<TMainForm>(home.path(), MainFormPorts{desktop, clock, sound, *jv, registry, uiThread});
        form->FormCreate();
        form->FormShow();
        const auto dialogOwned = form->createGetDataForm();
        TGetDataForm& dialog = *dialogOwned;
        dialog.FormCreate();
        dialog.rbtSetup = true;
        dialog.rbtNormal = false;
        dialog.CheckBox2 = true;
        dialog.DateTimePicker1 = QDateTime(QDate(2020, 1, 1), QTime(0, 0));
        dialog.ButtonStartClick();
        while (dialog.TimerJVStatus.enabled)
            dialog.TimerJVStatusTimer();
        dialog.FormCloseQuery();
    }
    virtual ~DownloadedDemo() {
        form.reset();
        std::fclose(quiet);
    }
    DownloadedDemo(const DownloadedDemo&) = delete;
    DownloadedDemo& operator=(const DownloadedDemo&) = delete;
};

} // namespace renoka::bench
