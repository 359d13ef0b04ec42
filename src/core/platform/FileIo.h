#pragma once
// Whole-file reads and atomic whole-file writes. Every file of the program is written into a temporary file in
// the same folder and renamed over the old one, so a crash or a full disk never leaves half a file.
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace renoka {

// A path below `base` from a CP932 relative path ("\Data\2026年12月08日.jvRA" or "Data/x"): separators may be
// "\" or "/", a leading separator is allowed. The CP932 name becomes the file system's UTF-8 name.
std::filesystem::path pathUnder(const std::filesystem::path& base, std::string_view cp932Relative);

// A folder setting typed as text (CP932, "\" or "/" separated) as a path.
std::filesystem::path folderSettingPath(std::string_view cp932);

// The whole file, or false when it does not exist. Any other failure to read is a FileError, and so is a name
// that is not a regular file (a folder, a FIFO, a device): it is refused without waiting on it.
bool readWholeFile(const std::filesystem::path& path, std::string& bytes);

// Writes the bytes to a temporary file next to `path`, flushes it to disk and renames it over `path`.
// On failure the old file is untouched, the temporary file removed, and a FileError thrown. A target that
// exists and is not a regular file is refused.
// `ownerOnly` creates the file readable and writable by its owner only.
void writeFileAtomic(const std::filesystem::path& path, std::string_view bytes, bool ownerOnly = false);

// Many files written atomically together: each is written into its temporary file by add(); commit() forces
// them all to disk at once and then renames each over its old file. Files not committed are removed. A caller
// commits whenever the batch is full(), so that a killed process never leaves more than kMaxPending
// temporaries behind.
class AtomicWriteBatch {
public:
    static constexpr size_t kMaxPending = 256;

    AtomicWriteBatch() = default;
    ~AtomicWriteBatch();
    AtomicWriteBatch(const AtomicWriteBatch&) = delete;
    AtomicWriteBatch& operator=(const AtomicWriteBatch&) = delete;

    // Throws FileError when the temporary file cannot be written; the files added before stay pending.
    void add(const std::filesystem::path& path, std::string_view bytes);
    // Throws the first FileError after trying every rename.
    void commit();
    size_t pending() const { return m_pending.size(); }
    bool full() const { return m_pending.size() >= kMaxPending; }

private:
    struct Pending {
        std::filesystem::path target;
        std::filesystem::path temp;
    };
    std::vector<Pending> m_pending;
};

// Lines as the system's string lists read them: split at CR LF, LF or CR; a final line without an end counts,
// a final end adds no empty line.
std::vector<std::string> splitLines(std::string_view text);
// Each line followed by CR LF.
std::string joinLines(const std::vector<std::string>& lines);

// Reads the lines of a file; a missing file gives no lines.
std::vector<std::string> loadLines(const std::filesystem::path& path);
void saveLines(const std::filesystem::path& path, const std::vector<std::string>& lines, bool ownerOnly = false);

enum class FileAccess { Read, Write };

// Why a system call failed, in Japanese (CP932); a refused permission says whether reading or writing was refused.
std::string systemErrorText(int err, FileAccess access = FileAccess::Write);
// The reason given for a name that exists but is not a regular file (CP932).
std::string notRegularFileText();

// Our temporary files are named "<target>.~renoka-<pid>-<8 letters>", a name no other file of the program has.
// Whether `fileName` is one; `writer` gets the id of the process that made it.
bool isOwnTemporaryName(std::string_view fileName, long* writer = nullptr);
// Removes the temporaries that a killed or crashed run left in `folder` (not below it): ours whose writer is no
// longer running, or is this process, which has none open between writes. Returns how many it removed.
size_t removeLeftoverTemporaries(const std::filesystem::path& folder);

// The path as CP932 text for messages and logs.
std::string displayPath(const std::filesystem::path& path);

} // namespace renoka
