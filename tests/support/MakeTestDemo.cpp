// Makes the demo provider the test suites share (the demo's default options: start 2026-12-05, two race days,
// seed 1) into the folder given, replacing what is there, and writes its summary beside it. The CTest fixture
// runs it once before the suites that read it (tests/support/DemoFolder.h: RENOKA_TEST_DEMO).
#include "jv/demo/DemoProvider.h"

#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: renoka_test_demo FOLDER\n");
        return 2;
    }
    try {
        const std::filesystem::path folder(argv[1]);
        std::filesystem::remove_all(folder);
        std::filesystem::create_directories(folder);
        renoka::demo::DemoOptions options;
        options.out = folder / "provider";
        options.start = renoka::demo::DemoDate{2026, 12, 5};
        const renoka::demo::DemoSummary summary = renoka::demo::makeDemoProvider(options);
        std::ofstream out(folder / "summary.txt");
        out << summary.files << ' ' << summary.bytes << ' ' << summary.races << ' ' << summary.runners << ' '
            << summary.horses << '\n';
        if (!out) throw std::runtime_error("summary.txt cannot be written");
    } catch (const std::exception& e) {
        std::fprintf(stderr, "renoka_test_demo: %s\n", e.what());
        return 1;
    }
    return 0;
}
