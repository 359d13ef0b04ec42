#include "CliDay.h"

#include "CliContext.h"
#include "base/Cp932.h"
#include "raceday/DayLoader.h"
#include "text/Fields.h"

#include <algorithm>

namespace renoka::cli {

bool loadDay(CliContext& context, const std::string& dayArg, bool unattended) {
    TMainForm& main = context.form();
    std::string digits;
    for (char c : dayArg)
        if (c >= '0' && c <= '9') digits += c;
    const std::string wanted = digits.size() == 8 ? digits.substr(0, 4) + sj("年") + digits.substr(4, 2) + sj("月") +
                                                        digits.substr(6, 2) + sj("日")
                                                  : sj(dayArg);
    const auto& items = main.DateCombo.items;
    const auto it = std::find(items.begin(), items.end(), wanted);
    if (it == items.end()) {
        context.message(sj("開催日が見つかりません: ") + sj(dayArg));
        return false;
    }
    main.DateCombo.itemIndex = static_cast<int>(it - items.begin());
    return main.runHandler([&] { main.dayLoader().DateComboChange(); }, unattended) && !main.store().DayName.empty() &&
           main.store().DayName == wanted;
}

int findRace(CliContext& context, const std::string& raceArg) {
    const auto& items = context.form().DatList.items;
    const std::string wanted = sj(raceArg);
    // "東京 1R" may be typed with or without its blank.
    const auto compact = [](const std::string& text) {
        std::string out;
        for (char c : text)
            if (c != ' ') out += c;
        return out;
    };
    for (size_t i = 0; i < items.size(); ++i)
        if (compact(items[i]) == compact(wanted)) return static_cast<int>(i);
    const int position = toIntDef(raceArg, 0);
    if (position >= 1 && position <= static_cast<int>(items.size())) return position - 1;
    context.message(sj("レースが見つかりません: ") + wanted);
    return -1;
}

} // namespace renoka::cli
