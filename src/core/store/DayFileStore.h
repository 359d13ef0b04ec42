#pragma once
// Every update of the data files goes through this store: the keyed merge of one record into a file of sorted
// record lines, and the runner files of 216 fixed lines. Outside a batch each update is written at once; an update
// that leaves a file as it was writes nothing. In a
// batch (a stored download) the store keeps the files it merged in memory and writes each once when the batch
// is flushed, giving exactly the bytes that writing after every record gives.
#include <filesystem>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace renoka {

enum class BlankLineRule {
    Keep,
    DropFirst, // after sorting, a first line that is blank once trimmed is deleted (one line only)
};

class DayFileStore {
public:
    static constexpr int kRunnerLines = 216;        // 12 races of 18 horses
    static constexpr size_t kRunnerLineBytes = 553; // an SE record without CR LF

    // Replaces the first line whose bytes at the key range equal the record's, or adds the record; then sorts
    // the lines in ascending byte order and applies the blank-line rule. The key is 1-based `keyPos`, `keyLen`.
    void keyedMerge(const std::filesystem::path& file, std::string_view line, BlankLineRule rule, int keyPos = 12,
                    int keyLen = 16);
    // Sets one line (0..215) of a runner file; a missing file starts as 216 lines of 553 blanks. A file with
    // fewer lines is first filled up to 216 with blank lines.
    void putRunnerLine(const std::filesystem::path& file, int lineIndex, std::string_view line);
    // Replaces the first line whose key equals the record's in place, without sorting; a record with a new key is
    // inserted where a binary search of the lines puts it (its sorted place in a sorted file). Then the blank-line
    // rule. The change-notice files keep their lines this way.
    void replaceOrInsert(const std::filesystem::path& file, std::string_view line, BlankLineRule rule, int keyPos,
                         int keyLen);
    // The lines of a file as the store holds them: a file changed in the batch is read from memory.
    std::vector<std::string> lines(const std::filesystem::path& file);
    // Replaces the whole file with the lines.
    void replaceLines(const std::filesystem::path& file, std::vector<std::string> lines);
    // Whether the file exists on disk or in the batch.
    bool exists(const std::filesystem::path& file) const;

    // Starts keeping merged files in memory.
    void beginBatch();
    // Writes every file changed in the batch, each once, and keeps batching. A file that cannot be written
    // stays pending and the first error is thrown after the others were written.
    void flush();
    // Flushes and stops batching.
    void endBatch();
    bool batching() const { return m_batching; }
    size_t pendingFiles() const { return m_dirty.size(); }

private:
    struct CachedFile {
        std::vector<std::string> lines;
        bool sorted = false; // lines are known to be in ascending order
        bool dirty = false;  // changed since the last flush
    };
    CachedFile& load(const std::filesystem::path& file);
    void store(const std::filesystem::path& file, CachedFile& cached);
    // An update that left the file as it was: nothing is written.
    void unchanged(const std::filesystem::path& file);

    bool m_batching = false;
    std::unordered_map<std::string, CachedFile> m_cache; // by native path
    std::vector<std::string> m_dirty;                    // paths changed since the last flush, in first-change order
};

} // namespace renoka
