#include "jv/sim/RecordStream.h"

#include "base/Cp932.h"
#include "base/Errors.h"
#include "jv/JvResultCodes.h"
#include "platform/FileIo.h"

#include <QString>

#include <cstring>

namespace renoka {

using namespace jvcode;

namespace {

// Most records (every odds record, most of the others' bytes) are plain ASCII, where CP932 and UTF-16 agree code
// for code; widening them in place keeps the caller's buffer and skips the converter. Anything else goes through
// the one CP932 converter of the program.
void toWide(std::string_view cp932, std::u16string& out) {
    out.resize(cp932.size());
    char16_t* dst = out.data();
    for (size_t i = 0; i < cp932.size(); ++i) {
        const auto c = static_cast<unsigned char>(cp932[i]);
        if (c >= 0x80) {
            const std::u16string wide = toUtf16(cp932);
            out.assign(wide);
            return;
        }
        dst[i] = c;
    }
}

} // namespace

void RecordStream::open(std::vector<ProviderFile> files, bool markFileChanges) {
    close();
    m_files = std::move(files);
    m_names.clear();
    m_names.reserve(m_files.size());
    for (const ProviderFile& f : m_files)
        m_names.push_back(QString::fromStdString(f.path.filename().string()).toStdU16String());
    m_markFileChanges = markFileChanges;
}

void RecordStream::close() {
    m_files.clear();
    m_names.clear();
    m_current = 0;
    m_loaded = false;
    m_data.clear();
    m_pos = 0;
    m_records = 0;
}

int32_t RecordStream::read(std::u16string& buffer, int32_t& size, std::u16string& fileName,
                           const SimDownload* download) {
    while (true) {
        if (m_loaded) {
            while (m_pos < m_data.size()) {
                const size_t begin = m_pos;
                const char* bytes = m_data.data();
                const auto* newline = static_cast<const char*>(std::memchr(bytes + begin, '\n', m_data.size() - begin));
                const size_t end = newline ? static_cast<size_t>(newline - bytes) : m_data.size();
                m_pos = newline ? end + 1 : end;
                const bool crLf = newline && end > begin && bytes[end - 1] == '\r';
                const std::string_view line(bytes + begin, end - begin - (crLf ? 1 : 0));
                // Empty lines (a blank line at the end of a hand-written file) are no records.
                if (line.empty()) continue;
                return deliver(line, crLf, buffer, size, fileName);
            }
            m_loaded = false;
            ++m_current;
            if (m_markFileChanges) return FileChanged;
            continue;
        }
        if (m_current >= m_files.size()) return 0;
        if (download) {
            switch (download->fileState(m_current)) {
            case SimDownload::FileState::Present:
                break;
            case SimDownload::FileState::Downloading:
                return StillDownloading;
            case SimDownload::FileState::Failed:
                return DownloadFailed;
            case SimDownload::FileState::Cancelled:
                // What arrived before the cancel has been read: the stream ends there.
                return 0;
            }
        }
        if (const int32_t error = loadCurrent()) return error;
    }
}

int32_t RecordStream::loadCurrent() {
    const ProviderFile& file = m_files[m_current];
    try {
        if (!readWholeFile(file.path, m_data)) return FileMissing;
    } catch (const FileError&) {
        return DownloadFailed;
    }
    // The provider rewrote the file after the open listed it: the copy "downloaded" is not the one announced.
    if (m_data.size() != file.size) return FileSizeWrong;
    if (m_data.find('\0') != std::string::npos) return FileContentWrong;
    m_pos = 0;
    m_loaded = true;
    return 0;
}

int32_t RecordStream::deliver(std::string_view line, bool endsWithCrLf, std::u16string& buffer, int32_t& size,
                              std::u16string& fileName) {
    // A record ends in CR LF as the control delivers it; a line of the file that ends otherwise gets one.
    std::string_view record(line.data(), line.size() + 2);
    if (!endsWithCrLf) {
        m_scratch.assign(line);
        m_scratch += "\r\n";
        record = m_scratch;
    }
    toWide(record, buffer);
    fileName.assign(m_names[m_current]);
    ++m_records;
    size = static_cast<int32_t>(record.size());
    return size;
}

} // namespace renoka
