#pragma once
// The list of race days for which a race-details file exists, newest first.
#include <filesystem>
#include <string>
#include <vector>

namespace renoka {

// Day names (CP932, 'yyyy年mm月dd日') of the "*.jvRA" files in the data folder, newest first.
std::vector<std::string> listDays(const std::filesystem::path& dataFolder);

} // namespace renoka
