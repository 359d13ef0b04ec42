#pragma once
// The program folder the command-line suites start from: the demo provider made on the first start and its
// stored data taken in with odds, as `renoka-cli --now "2026-12-12 08:00" download --setup --odds` leaves it.
// The CTest fixture TestDemoHome downloads it once per test run (tests/cmake/MakeTestHome.cmake) next to the
// shared demo provider; each suite works on its own copy.
#include "support/CliRun.h"

#include <filesystem>

namespace renoka::test {

// Fills the empty folder `home` with a copy of that folder, or, when the suite runs without the fixture, makes it
// there with the download itself. The result is the download's, or a status of 0 for a copy.
CliRun prepareDemoHome(const std::filesystem::path& home);

} // namespace renoka::test
