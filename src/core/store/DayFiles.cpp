#include "store/DayFiles.h"

#include "base/Cp932.h"
#include "codes/KeibaFunc.h"
#include "text/Fields.h"

namespace renoka {

std::string dayNameOfDate(std::string_view d) {
    if (d.size() != 8 || !isDigits(d)) return {};
    const int month = toInt(d.substr(4, 2));
    const int day = toInt(d.substr(6, 2));
    if (month < 1 || month > 12 || day < 1 || day > 31) return {};
    static const std::string nen = sj("年");
    static const std::string gatsu = sj("月");
    static const std::string nichi = sj("日");
    std::string name;
    name.reserve(14);
    name.append(d.substr(0, 4)).append(nen).append(d.substr(4, 2)).append(gatsu).append(d.substr(6, 2)).append(nichi);
    return name;
}

std::string dayNameOf(std::string_view record) {
    return dayNameOfDate(field(record, 12, 8));
}

std::string jraVenueName(std::string_view code) {
    if (code.size() != 2 || !isDigits(code)) return {};
    const int n = toInt(code);
    if (n < 1 || n > 10) return {};
    return JyoName(code, 2);
}

bool knownCourseCode(std::string_view code) {
    if (code.size() != 2) return false;
    for (char c : code)
        if (!((c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z'))) return false;
    return !trimView(JyoName(code, 2)).empty();
}

std::string dayFile(std::string_view dayName, std::string_view extension) {
    return std::string("Data/").append(dayName).append(extension);
}

std::string runnerFile(std::string_view dayName, std::string_view venue) {
    return std::string("Data/").append(dayName).append(venue).append(".jvSEr");
}

std::string horseArchiveFolder(std::string_view registration) {
    return std::string("SEI/").append(registration.substr(0, 4));
}

std::string horseArchiveFile(std::string_view registration) {
    return horseArchiveFolder(registration).append("/").append(registration).append(".jvSEI");
}

std::string foreignRaceFolder(std::string_view year) {
    return std::string("SEIR/").append(year);
}

std::string foreignRaceFile(std::string_view record) {
    return foreignRaceFolder(field(record, 12, 4)).append("/").append(field(record, 12, 10)).append(".jvSERA");
}

void zeroKindAndDate(std::string& record) {
    if (record.size() >= 11) record.replace(2, 9, "000000000");
}

} // namespace renoka
