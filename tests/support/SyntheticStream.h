#pragma once
// A generated stream of stored-download records (CP932 lines without CR LF) for tests and benchmarks: race
// days of three racecourses with race details, runners, payouts and match-up forecasts, final results that go
// to the per-horse archives, and runs outside JRA. A horse pool makes the archives grow run by run.
#include <string>
#include <vector>

namespace renoka::test {

struct SyntheticStreamOptions {
    int days = 3;          // race days, one a week back from the newest
    int horsePool = 400;   // distinct horses; fewer horses = longer archives
    int foreignEvery = 25; // every n-th runner also gets a run outside JRA (0 = none)
    unsigned seed = 1;
};

std::vector<std::string> syntheticSetupStream(const SyntheticStreamOptions& options);

} // namespace renoka::test
