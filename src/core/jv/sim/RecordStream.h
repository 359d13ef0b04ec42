#pragma once
// The records of an open stream, read file by file: a file is loaded (one whole-file read) only when the reading
// reaches it and dropped when its last record has gone, so a set-up of thousands of files never sits in memory
// at once, and a provider folder that vanishes mid-download shows up on the read that needs the missing file.
#include "jv/sim/ProviderFolder.h"
#include "jv/sim/SimDownload.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace renoka {

class RecordStream {
public:
    // `markFileChanges`: a -1 result after the last record of every file (the stored data's file changes).
    void open(std::vector<ProviderFile> files, bool markFileChanges);
    void close();

    const std::vector<ProviderFile>& files() const { return m_files; }
    // Records delivered since the open.
    int recordsDelivered() const { return m_records; }

    // One JVRead: a record (its CP932 length with CR LF, also put into `size`), -1 after a file, 0 at the end, -3
    // while the next file is downloading, or an error: -502 the download failed or the file cannot be read, -503
    // the file is gone, -402 its size is not what the provider listed, -403 it holds bytes no text file has.
    // `download` tells which files are here; without one every file is.
    int32_t read(std::u16string& buffer, int32_t& size, std::u16string& fileName, const SimDownload* download);

private:
    int32_t loadCurrent();
    int32_t deliver(std::string_view line, bool endsWithCrLf, std::u16string& buffer, int32_t& size,
                    std::u16string& fileName);

    std::vector<ProviderFile> m_files;
    std::vector<std::u16string> m_names;
    bool m_markFileChanges = false;
    size_t m_current = 0;
    bool m_loaded = false;
    std::string m_data;
    size_t m_pos = 0;
    int m_records = 0;
    std::string m_scratch;
};

} // namespace renoka
