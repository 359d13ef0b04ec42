#pragma once
// Where the demo's files go: whole files of record lines below the provider folder, with a count of files and
// bytes for the summary.
//
// Each file is written to a temporary name and renamed into place, like every file of the program, but not
// flushed to disk one by one: the demo writes some fifteen hundred files, and a flush each costs more than
// making the whole demo world. The folder is flushed once at the end (finish()), and provider.ini is written
// last through the program's fully synced atomic write, so a folder with a provider.ini is complete.
#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace renoka::demo {

class FileSink {
public:
    explicit FileSink(std::filesystem::path root) : m_root(std::move(root)) {}

    // Writes the lines, each followed by CR LF, to `relative` ("stored/2026...-ra-20261205.txt"), making folders.
    void write(const std::string& relative, const std::vector<std::string>& lines);
    void writeText(const std::string& relative, const std::string& text);

    // Lines collected for files that several races add to (one real-time file per announcement time); written
    // by flush() in path order.
    void add(const std::string& relative, std::string line) { m_pending[relative].push_back(std::move(line)); }
    void flush();

    // Flushes everything written so far to disk, then writes the last file (synced, atomic).
    void finish(const std::string& relative, const std::string& text);

    const std::filesystem::path& root() const { return m_root; }
    int files() const { return m_files; }
    uint64_t bytes() const { return m_bytes; }

private:
    std::filesystem::path m_root;
    std::map<std::string, std::vector<std::string>> m_pending;
    int m_files = 0;
    uint64_t m_bytes = 0;
};

} // namespace renoka::demo
