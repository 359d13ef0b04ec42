#include "jv/JvErrorText.h"

#include "base/Cp932.h"

#include <array>

namespace renoka {

namespace {

// Operations that share their messages. The control words some of them differently per operation (a blank in
// "JVInit が", "など" in the download failure, half-width brackets in JVRead's), so the groups stay apart even
// where most texts agree.
// JVClose, like any name the control does not have, knows only code 0.
enum class OpGroup { Open, Status, Read, Init, Set, Other };

OpGroup groupOf(std::string_view operation) {
    if (operation.starts_with("JVSet")) return OpGroup::Set;
    if (operation == "JVOpen" || operation == "JVRTOpen") return OpGroup::Open;
    if (operation == "JVStatus") return OpGroup::Status;
    if (operation == "JVRead" || operation == "JVGets") return OpGroup::Read;
    if (operation == "JVInit") return OpGroup::Init;
    return OpGroup::Other;
}

struct Message {
    OpGroup group;
    int32_t code;
    const char* utf8;
};

// Negative codes only; 0 and the positive counts are worded in JVErrorText itself. The texts are the control's
// own wording, odd blanks and "NotFount" included, so they read the same as wherever else the user meets them.
constexpr const char* OpenPending = "前回のJVOpen/JVRTOpen/JVMVOpen に対してJVClose が呼ばれていません。（オープン中）";

constexpr std::array Messages{
    Message{OpGroup::Open, -1, " 取得済みデータより最新のデータがありません。"},
    Message{OpGroup::Open, -2, "セットアップダイアログでキャンセルが押されました。"},
    Message{OpGroup::Open, -111, "dataspec パラメータが不正です。"},
    Message{OpGroup::Open, -112, "fromdate パラメータが不正です。"},
    Message{OpGroup::Open, -114, "key パラメータが不正です。"},
    Message{OpGroup::Open, -115, "option パラメータが不正です。"},
    Message{OpGroup::Open, -116, "dataspec とoption の組み合わせが不正です。"},
    Message{OpGroup::Open, -201, "JVInit が行なわれていません。"},
    Message{OpGroup::Open, -202, OpenPending},
    Message{OpGroup::Open, -211, "レジストリ内容が不正（レジストリ内容が不正に変更された）です。"},
    Message{OpGroup::Open, -301, "認証エラーが発生しました。"},
    Message{OpGroup::Open, -302, "サービスキーの有効期限切れです。"},
    Message{OpGroup::Open, -303, "サービスキーが設定されていません。（サービスキーが空値）"},
    Message{OpGroup::Open, -401, "JV- Link 内部エラーが発生しました。"},
    Message{OpGroup::Open, -411, "サーバーエラー（HTTP ステータス404 NotFount ）が発生しました。"},
    Message{OpGroup::Open, -412, "サーバーエラー（HTTP ステータス403 Forbidden ）が発生しました。"},
    Message{OpGroup::Open, -413, "サーバーエラー（HTTP ステータス200,403,404 以外）が発生しました。"},
    Message{OpGroup::Open, -421, "サーバーエラー（サーバーの応答が不正）が発生しました。"},
    Message{OpGroup::Open, -431, "サーバーエラー（サーバーアプリケーション内部エラー）が発生しました。"},
    Message{OpGroup::Open, -501, "セットアップ処理においてＣＤ －ＲＯＭ が無効です。"},
    Message{OpGroup::Open, -504, "サーバーがメンテナンス中です。"},

    Message{OpGroup::Status, -201, "JVInitが行なわれていません。"},
    Message{OpGroup::Status, -203, "JVOpenが行なわれていません。"},
    Message{OpGroup::Status, -502, "ダウンロードに失敗しました。（通信エラーやディスクエラーなど）"},

    Message{OpGroup::Read, -1, "ファイルが切り替わりました。"},
    Message{OpGroup::Read, -3, "ファイルダウンロード中"},
    Message{OpGroup::Read, -201, "JVInitが行なわれていません。"},
    Message{OpGroup::Read, -202, OpenPending},
    Message{OpGroup::Read, -203, "JVOpenが行なわれていません。"},
    Message{OpGroup::Read, -402, "ダウンロードしたファイルサイズが異常です。"},
    Message{OpGroup::Read, -403, "ダウンロードしたファイル内容が異常です。"},
    Message{OpGroup::Read, -502, "ダウンロードに失敗しました。(通信エラーやディスクエラー)"},
    Message{OpGroup::Read, -503, "ファイルが見つかりません。"},

    Message{OpGroup::Init, -101, "sid が設定されていません。"},
    Message{OpGroup::Init, -102, "sid が64byte 以上あります。"},
    Message{OpGroup::Init, -103, "sid が不正（sid の１桁目がスペース）です。"},

    Message{OpGroup::Set, -100, "パラメータが不正あるいはレジストリへの保存に失敗しました。"},
    Message{OpGroup::Set, -101, "すでにサービスキーが登録されています。"},
};

std::string message(OpGroup group, int32_t code) {
    if (code == 0) {
        return group == OpGroup::Read ? sj("全ファイルの読み込みが終了しました。（ＥＯＦ ）")
                                      : sj("正常に実行されました。");
    }
    if (code > 0) {
        // A positive result is a count, not a failure; the count is part of the sentence, right after the word.
        if (group == OpGroup::Status) return sj("ダウンロード済みファイル数") + std::to_string(code);
        if (group == OpGroup::Read) return sj("バッファにセットしたデータのサイズ") + std::to_string(code);
        return {};
    }
    for (const Message& m : Messages) {
        if (m.group == group && m.code == code) return sj(m.utf8);
    }
    return {};
}

} // namespace

std::string JVErrorText(std::string_view operation, int32_t code) {
    return message(groupOf(operation), code) + "(" + std::to_string(code) + ")";
}

} // namespace renoka
