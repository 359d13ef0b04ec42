// renoka-cli sets: the axis-and-partner sets of "\userkaimeset.dat" listed, added, deleted and chosen, through the
// same dialog form the window's 追加, 削除 and set chooser use. The question before a set is replaced or deleted
// is answered by --yes or --no (No unless --yes).
#include "CliApp.h"
#include "CliContext.h"
#include "base/Cp932.h"
#include "betting/UserKaimeForm.h"
#include "text/Fields.h"
#include "text/Format.h"

#include <optional>

namespace renoka::cli {

namespace {

constexpr const char* kSetsUsage =
    "使い方: sets list | sets add 設定名 軸頭数 ヒモ1頭数 ヒモ2頭数 軸の順 ヒモ1の順 "
    "ヒモ2の順 ヒモ1補充 ヒモ2補充 | sets delete 設定名 | sets use 設定名\n"
    "  頭数は1～18、順は0=マイニング上位 1=マイニング下位 2=単勝人気上位 3=単勝人気下位、"
    "補充は1=する 0=しない";

int usage(CliContext& context) {
    context.message(sj(kSetsUsage));
    return kExitUsage;
}

// A whole number from `low` to `high`, digits only.
std::optional<int> numberIn(const std::string& text, int low, int high) {
    if (text.empty() || text.size() > 2 || text.find_first_not_of("0123456789") != std::string::npos) return {};
    const int value = toInt(text);
    if (value < low || value > high) return {};
    return value;
}

void list(CliContext& context, const TUserKaimeForm& sets) {
    context.print(sj("選択\t設定名\t軸頭数\tヒモ1頭数\tヒモ2頭数\t軸の順\tヒモ1の順\tヒモ2の順\tヒモ1補充\tヒモ2補充"));
    const auto& orders = TUserKaimeForm::orderItems();
    const std::string yes = sj("する");
    const std::string no = sj("しない");
    for (size_t i = 0; i < sets.Sets.size(); ++i) {
        const std::string& line = sets.Sets[i];
        const AxisPartnerSet c = TUserKaimeForm::choicesOf(line);
        std::string row = static_cast<int>(i) == sets.SetCombo.itemIndex ? "*" : "";
        row += '\t';
        row += trim(TUserKaimeForm::nameOf(line));
        for (int count : {c.axisCount, c.partner1Count, c.partner2Count}) {
            row += '\t';
            row += fmt("%d", count);
        }
        for (int order : {c.axisOrder, c.partner1Order, c.partner2Order})
            row += "\t" + orders[static_cast<size_t>(order)];
        row += "\t" + (c.partner1Fill ? yes : no);
        row += "\t" + (c.partner2Fill ? yes : no);
        context.print(row);
    }
}

// The set of that name chosen in the set chooser, as the window's chooser does; false with a message when there is
// none.
bool choose(CliContext& context, TUserKaimeForm& sets, const std::string& nameUtf8) {
    const int index = sets.indexOfName(sj(nameUtf8));
    if (index < 0) {
        context.message(sj("その名前の設定はありません: ") + sj(nameUtf8));
        return false;
    }
    TMainForm& main = context.form();
    return main.runHandler([&] {
        sets.SetCombo.itemIndex = index;
        sets.SetComboChange();
    });
}

int add(CliContext& context, TUserKaimeForm& sets, const std::vector<std::string>& args) {
    if (args.size() != 10) return usage(context);
    AxisPartnerSet c;
    const auto axes = numberIn(args[2], AxisPartnerSet::kMinCount, AxisPartnerSet::kMaxCount);
    const auto p1 = numberIn(args[3], AxisPartnerSet::kMinCount, AxisPartnerSet::kMaxCount);
    const auto p2 = numberIn(args[4], AxisPartnerSet::kMinCount, AxisPartnerSet::kMaxCount);
    const auto o1 = numberIn(args[5], 0, AxisPartnerSet::kOrderCount - 1);
    const auto o2 = numberIn(args[6], 0, AxisPartnerSet::kOrderCount - 1);
    const auto o3 = numberIn(args[7], 0, AxisPartnerSet::kOrderCount - 1);
    const auto f1 = numberIn(args[8], 0, 1);
    const auto f2 = numberIn(args[9], 0, 1);
    if (!axes || !p1 || !p2 || !o1 || !o2 || !o3 || !f1 || !f2) return usage(context);
    c.axisCount = *axes;
    c.partner1Count = *p1;
    c.partner2Count = *p2;
    c.axisOrder = *o1;
    c.partner1Order = *o2;
    c.partner2Order = *o3;
    c.partner1Fill = *f1 == 1;
    c.partner2Fill = *f2 == 1;

    TMainForm& main = context.form();
    bool saved = false;
    const bool ran = main.runHandler([&] {
        sets.Controls = c;
        sets.Edit1 = sj(args[1]);
        saved = sets.AddSetBtnClick();
    });
    if (!ran) return kExitFailed;
    if (!saved) {
        // A blank name was refused with its message; a question answered No says nothing more in the window.
        if (!trimView(sj(args[1])).empty()) context.message(sj("設定を保存しませんでした。"));
        return kExitFailed;
    }
    const std::string& stored = sets.Sets[static_cast<size_t>(sets.SetCombo.itemIndex)];
    std::string savedText = "[";
    savedText += trim(TUserKaimeForm::nameOf(stored));
    savedText += sj("]を保存しました。");
    context.message(savedText);
    return kExitDone;
}

} // namespace

int setsCommand(CliContext& context, const std::vector<std::string>& args) {
    if (args.empty()) return usage(context);
    TUserKaimeForm& sets = context.form().userKaime();
    const std::string& verb = args[0];
    if (verb == "list") {
        if (args.size() != 1) return usage(context);
        list(context, sets);
        return kExitDone;
    }
    if (verb == "add") return add(context, sets, args);
    if (verb == "delete") {
        if (args.size() != 2) return usage(context);
        // The window deletes the set chosen in its chooser; one that stays keeps the choice it had.
        const int before = sets.SetCombo.itemIndex;
        if (!choose(context, sets, args[1])) return kExitFailed;
        bool deleted = false;
        const bool ran = context.form().runHandler([&] { deleted = sets.DelBtnClick(); });
        if (!ran || !deleted) {
            context.form().runHandler([&] {
                sets.SetCombo.itemIndex = before;
                sets.SetComboChange();
            });
            return kExitFailed;
        }
        std::string deletedText = "[";
        deletedText += trim(sj(args[1]));
        deletedText += sj("]を削除しました。");
        context.message(deletedText);
        return kExitDone;
    }
    if (verb == "use") {
        if (args.size() != 2) return usage(context);
        if (!choose(context, sets, args[1])) return kExitFailed;
        context.message("[" + context.form().SetNameLabel.text + sj("]を選びました。"));
        return kExitDone;
    }
    return usage(context);
}

} // namespace renoka::cli
