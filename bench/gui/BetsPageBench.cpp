// The bets page with the largest grid it can hold: an eighteen-horse race of a finished demo day, every horse
// marked as an axis and as both partners, so that the trifecta grid holds all 4,896 orders. The main window runs
// offscreen at 1280x800 with the trifecta tab shown; each benchmark ends with the grid's visible rows drawn.
//
// BM_TrifectaGridRefresh: the page shows the grids again (what follows every handler that marked the bets).
// BM_TrifectaRebuild: the bets built again from the marks (a mark click), then shown.
// BM_TrifectaExclusionClick: a click in 消 of the first row: the grid reallocated and marked, then shown.
// BM_TrifectaHeaderSort: a click on the odds header: the 4,896 rows sorted, then shown.
// BM_TrifectaScrollPage: one page further down the grid (the wheel and Page Down), drawn.
#include "../DownloadedDemo.h"
#include "analysis/EntriesTable.h"
#include "app/MainForm.h"
#include "base/Cp932.h"
#include "bets/BetsPage.h"
#include "betting/AxisPartnerMarks.h"
#include "betting/BetBoard.h"
#include "grid/GridView.h"
#include "main/MainWindow.h"
#include "store/RaceDayStore.h"
#include "text/Fields.h"

#include <QApplication>
#include <QScrollBar>
#include <QTabWidget>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>

namespace {

using namespace renoka;
namespace fs = std::filesystem;

// Every trifecta of the race has odds: none is left out of the grid.
bool allOnSale(const RaceWork& work) {
    for (int index = 1; index <= 4896; ++index)
        if (work.SantanOz[static_cast<size_t>(index)] <= 0) return false;
    return true;
}

struct FullTrifecta : bench::DownloadedDemo {
    std::unique_ptr<MainWindow> window;
    GridView* grid = nullptr;
    std::string error;

    FullTrifecta() {
        window = std::make_unique<MainWindow>(*form);
        window->resize(1280, 800);
        window->show();
        QApplication::processEvents();
        // A finished day with its final trifecta odds and an eighteen-horse race whose trifectas are all on sale.
        const auto& days = form->DateCombo.items;
        int race = -1;
        for (size_t i = 0; i < days.size() && race < 0; ++i) {
            if (!fs::exists(form->pathOf("Data/" + days[i] + ".jvO6"))) continue;
            window->chooseDay(static_cast<int>(i));
            for (int slot = 0; slot < form->store().LoadedRaceCount && race < 0; ++slot)
                if (fieldInt(form->store().ra(slot), 882, 2) == 18 && allOnSale(form->store().work(slot))) race = slot;
        }
        if (race < 0) {
            error = "no eighteen-horse race with trifecta odds";
            return;
        }
        window->chooseRace(race);
        const TextGrid& check = form->entries().StringGrid8;
        for (int horse = 1; horse <= 18; ++horse) {
            if (check.cell(AxisPartnerMarks::kExclusionCol, horse) == sj("消"))
                window->run(
                    [this, horse] { form->marks().StringGrid8MouseDown(horse, AxisPartnerMarks::kExclusionCol); });
            for (int col = AxisPartnerMarks::kAxisCol; col <= AxisPartnerMarks::kPartner2Col; ++col)
                if (check.cell(col, horse).empty())
                    window->run([this, horse, col] { form->marks().StringGrid8MouseDown(horse, col); });
        }
        BetsPage& page = window->betsPage();
        window->pages().setCurrentWidget(&page);
        page.subTabs().setCurrentIndex(betIndex(BetType::Santan));
        QApplication::processEvents();
        grid = &page.grid(BetType::Santan);
        if (grid->model()->rowCount() != 4896)
            error = "the trifecta grid has " + std::to_string(grid->model()->rowCount()) + " rows";
    }
    // The window goes before the form it shows.
    ~FullTrifecta() override { window.reset(); }

    // What the screen would get: the visible rows drawn.
    void draw() const {
        const QPixmap shot = grid->viewport()->grab();
        benchmark::DoNotOptimize(shot.cacheKey());
    }
};

// Made by the first benchmark that runs, ended before the application.
std::unique_ptr<FullTrifecta> g_scene;

FullTrifecta& fullTrifecta() {
    if (!g_scene) g_scene = std::make_unique<FullTrifecta>();
    return *g_scene;
}

bool ready(benchmark::State& state) {
    const FullTrifecta& scene = fullTrifecta();
    if (!scene.error.empty()) state.SkipWithError(scene.error.c_str());
    return scene.error.empty();
}

void BM_TrifectaGridRefresh(benchmark::State& state) {
    if (!ready(state)) return;
    FullTrifecta& scene = fullTrifecta();
    for (auto _ : state) {
        scene.window->betsPage().showForm(true);
        scene.draw();
    }
    state.counters["rows"] = scene.grid->model()->rowCount();
}

void BM_TrifectaRebuild(benchmark::State& state) {
    if (!ready(state)) return;
    FullTrifecta& scene = fullTrifecta();
    for (auto _ : state) {
        scene.window->run([&scene] { scene.form->bets().KaimeMakeBtnClick(); });
        scene.draw();
    }
    state.counters["rows"] = scene.grid->model()->rowCount();
}

void BM_TrifectaExclusionClick(benchmark::State& state) {
    if (!ready(state)) return;
    FullTrifecta& scene = fullTrifecta();
    for (auto _ : state) {
        scene.window->run([&scene] { scene.form->bets().gridClick(BetType::Santan, 1, 0); });
        scene.draw();
    }
}

void BM_TrifectaHeaderSort(benchmark::State& state) {
    if (!ready(state)) return;
    FullTrifecta& scene = fullTrifecta();
    for (auto _ : state) {
        scene.window->run([&scene] { scene.form->bets().gridMouseDown(BetType::Santan, 0, kOddsCol); });
        scene.draw();
    }
}

void BM_TrifectaScrollPage(benchmark::State& state) {
    if (!ready(state)) return;
    FullTrifecta& scene = fullTrifecta();
    QScrollBar& bar = *scene.grid->verticalScrollBar();
    for (auto _ : state) {
        const int next = bar.value() + bar.pageStep();
        bar.setValue(next > bar.maximum() ? 0 : next);
        scene.draw();
    }
    state.counters["pages"] = (bar.maximum() - bar.minimum()) / std::max(1, bar.pageStep()) + 1;
}

BENCHMARK(BM_TrifectaGridRefresh)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TrifectaRebuild)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TrifectaExclusionClick)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TrifectaHeaderSort)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TrifectaScrollPage)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    // Drawn without a display unless the caller chose a platform.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    // The window and the form go before the application that drew them.
    g_scene.reset();
    benchmark::Shutdown();
    return 0;
}
