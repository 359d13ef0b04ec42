#pragma once
// A named pipe for the tests of what refuses to wait on one.
#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>

namespace renoka::test {

inline void makeFifo(const std::filesystem::path& path) {
    ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
}

} // namespace renoka::test
