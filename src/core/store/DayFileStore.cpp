#include "store/DayFileStore.h"

#include "base/Errors.h"
#include "platform/FileIo.h"
#include "text/Fields.h"

#include <algorithm>
#include <exception>
#include <system_error>

namespace renoka {

namespace fs = std::filesystem;

namespace {

bool blankLine(const std::string& line) {
    return trimView(line).empty();
}

std::string_view keyOf(std::string_view line, int pos, int len) {
    return field(line, pos, len);
}

} // namespace

DayFileStore::CachedFile& DayFileStore::load(const fs::path& file) {
    const std::string& key = file.native();
    if (m_batching) {
        auto it = m_cache.find(key);
        if (it != m_cache.end()) return it->second;
    }
    CachedFile& cached = m_cache[key];
    cached.lines = loadLines(file);
    cached.sorted = false;
    return cached;
}

void DayFileStore::store(const fs::path& file, CachedFile& cached) {
    const std::string& key = file.native();
    if (m_batching) {
        if (!cached.dirty) {
            cached.dirty = true;
            m_dirty.push_back(key);
        }
        return;
    }
    try {
        saveLines(file, cached.lines);
    } catch (...) {
        m_cache.erase(key);
        throw;
    }
    m_cache.erase(key);
}

void DayFileStore::unchanged(const fs::path& file) {
    // Outside a batch nothing is kept between updates.
    if (!m_batching) m_cache.erase(file.native());
}

void DayFileStore::keyedMerge(const fs::path& file, std::string_view line, BlankLineRule rule, int keyPos, int keyLen) {
    CachedFile& cached = load(file);
    auto& lines = cached.lines;
    const std::string_view key = keyOf(line, keyPos, keyLen);
    auto match =
        std::find_if(lines.begin(), lines.end(), [&](const std::string& l) { return keyOf(l, keyPos, keyLen) == key; });
    // The same record again (every real-time answer repeats what it said before) into a file already in order
    // leaves the file as it is: nothing to write.
    if (match != lines.end() && *match == line && (cached.sorted || std::is_sorted(lines.begin(), lines.end())) &&
        !(rule == BlankLineRule::DropFirst && !lines.empty() && blankLine(lines.front()))) {
        cached.sorted = true;
        unchanged(file);
        return;
    }
    if (cached.sorted) {
        // The lines are sorted already: moving one line to its place gives what a full sort gives.
        if (match != lines.end()) lines.erase(match);
        auto at = std::upper_bound(lines.begin(), lines.end(), line,
                                   [](std::string_view a, const std::string& b) { return a < std::string_view(b); });
        lines.insert(at, std::string(line));
    } else {
        if (match != lines.end())
            match->assign(line);
        else
            lines.emplace_back(line);
        std::sort(lines.begin(), lines.end());
        cached.sorted = true;
    }
    if (rule == BlankLineRule::DropFirst && !lines.empty() && blankLine(lines.front())) lines.erase(lines.begin());
    store(file, cached);
}

void DayFileStore::putRunnerLine(const fs::path& file, int lineIndex, std::string_view line) {
    checkIndex(lineIndex, kRunnerLines, "出走馬の行");
    CachedFile& cached = load(file);
    auto& lines = cached.lines;
    if (lines.size() >= static_cast<size_t>(kRunnerLines) && lines[static_cast<size_t>(lineIndex)] == line) {
        unchanged(file);
        return;
    }
    if (lines.size() < static_cast<size_t>(kRunnerLines))
        lines.resize(kRunnerLines, std::string(kRunnerLineBytes, ' '));
    lines[static_cast<size_t>(lineIndex)].assign(line);
    cached.sorted = false;
    store(file, cached);
}

void DayFileStore::replaceOrInsert(const fs::path& file, std::string_view line, BlankLineRule rule, int keyPos,
                                   int keyLen) {
    CachedFile& cached = load(file);
    auto& lines = cached.lines;
    const std::string_view key = keyOf(line, keyPos, keyLen);
    auto match =
        std::find_if(lines.begin(), lines.end(), [&](const std::string& l) { return keyOf(l, keyPos, keyLen) == key; });
    const bool dropsBlank = rule == BlankLineRule::DropFirst && !lines.empty() && blankLine(lines.front());
    if (match != lines.end() && *match == line && !dropsBlank) {
        unchanged(file);
        return;
    }
    if (match != lines.end()) {
        match->assign(line);
    } else {
        auto at = std::upper_bound(lines.begin(), lines.end(), line,
                                   [](std::string_view a, const std::string& b) { return a < std::string_view(b); });
        lines.insert(at, std::string(line));
    }
    cached.sorted = false;
    if (rule == BlankLineRule::DropFirst && !lines.empty() && blankLine(lines.front())) lines.erase(lines.begin());
    store(file, cached);
}

std::vector<std::string> DayFileStore::lines(const fs::path& file) {
    if (m_batching) {
        auto it = m_cache.find(file.native());
        if (it != m_cache.end()) return it->second.lines;
    }
    return loadLines(file);
}

void DayFileStore::replaceLines(const fs::path& file, std::vector<std::string> lines) {
    CachedFile& cached = m_cache[file.native()];
    cached.lines = std::move(lines);
    cached.sorted = false;
    store(file, cached);
}

bool DayFileStore::exists(const fs::path& file) const {
    if (m_batching && m_cache.count(file.native())) return true;
    std::error_code ec;
    return fs::exists(file, ec);
}

void DayFileStore::beginBatch() {
    m_batching = true;
}

void DayFileStore::flush() {
    std::exception_ptr firstError;
    std::vector<std::string> failed;
    AtomicWriteBatch batch;
    // A set-up download changes thousands of files; they are committed a batch-full at a time, so a run killed
    // while writing leaves a bounded number of temporaries (removed at the next start) and every file whole.
    const auto commit = [&] {
        try {
            batch.commit();
        } catch (...) {
            if (!firstError) firstError = std::current_exception();
        }
    };
    std::string bytes;
    for (const auto& key : m_dirty) {
        CachedFile& cached = m_cache.at(key);
        try {
            bytes = joinLines(cached.lines);
            batch.add(fs::path(key), bytes);
            cached.dirty = false;
        } catch (...) {
            if (!firstError) firstError = std::current_exception();
            failed.push_back(key);
        }
        if (batch.full()) commit();
    }
    commit();
    m_dirty = std::move(failed);
    if (firstError) std::rethrow_exception(firstError);
}

void DayFileStore::endBatch() {
    try {
        flush();
    } catch (...) {
        m_batching = false;
        m_cache.clear();
        m_dirty.clear();
        throw;
    }
    m_batching = false;
    m_cache.clear();
}

} // namespace renoka
