#include "jv/JvErrorText.h"
#include "base/Cp932.h"

#include <gtest/gtest.h>

#include <limits>
#include <tuple>

using namespace renoka;

namespace {

// One result code and the whole text the user must see for it, in UTF-8.
struct Row {
    int32_t code;
    const char* expectedUtf8;
};

void PrintTo(const Row& row, std::ostream* os) {
    *os << row.code;
}

std::string textOf(std::string_view operation, int32_t code) {
    return toUtf8(JVErrorText(operation, code));
}

// Every row that a group of operation names shares is checked under each name of the group, so a name that
// falls out of its group (JVRTOpen, JVGets, any JVSet... call) shows up.
class JvErrorTextTableTest : public testing::TestWithParam<std::tuple<const char*, Row>> {};

TEST_P(JvErrorTextTableTest, GivesTheMessageThenTheCodeInParentheses) {
    const auto& [operation, row] = GetParam();
    EXPECT_EQ(textOf(operation, row.code), row.expectedUtf8) << operation;
}

const Row OpenRows[] = {
    {0, "正常に実行されました。(0)"},
    {-1, " 取得済みデータより最新のデータがありません。(-1)"},
    {-2, "セットアップダイアログでキャンセルが押されました。(-2)"},
    {-111, "dataspec パラメータが不正です。(-111)"},
    {-112, "fromdate パラメータが不正です。(-112)"},
    {-114, "key パラメータが不正です。(-114)"},
    {-115, "option パラメータが不正です。(-115)"},
    {-116, "dataspec とoption の組み合わせが不正です。(-116)"},
    {-201, "JVInit が行なわれていません。(-201)"},
    {-202, "前回のJVOpen/JVRTOpen/JVMVOpen に対してJVClose が呼ばれていません。（オープン中）(-202)"},
    {-211, "レジストリ内容が不正（レジストリ内容が不正に変更された）です。(-211)"},
    {-301, "認証エラーが発生しました。(-301)"},
    {-302, "サービスキーの有効期限切れです。(-302)"},
    {-303, "サービスキーが設定されていません。（サービスキーが空値）(-303)"},
    {-401, "JV- Link 内部エラーが発生しました。(-401)"},
    {-411, "サーバーエラー（HTTP ステータス404 NotFount ）が発生しました。(-411)"},
    {-412, "サーバーエラー（HTTP ステータス403 Forbidden ）が発生しました。(-412)"},
    {-413, "サーバーエラー（HTTP ステータス200,403,404 以外）が発生しました。(-413)"},
    {-421, "サーバーエラー（サーバーの応答が不正）が発生しました。(-421)"},
    {-431, "サーバーエラー（サーバーアプリケーション内部エラー）が発生しました。(-431)"},
    {-501, "セットアップ処理においてＣＤ －ＲＯＭ が無効です。(-501)"},
    {-504, "サーバーがメンテナンス中です。(-504)"},
    // Codes that belong to other operations.
    {1, "(1)"},
    {-3, "(-3)"},
    {-101, "(-101)"},
    {-113, "(-113)"},
    {-203, "(-203)"},
    {-402, "(-402)"},
    {-502, "(-502)"},
    {-503, "(-503)"},
};
INSTANTIATE_TEST_SUITE_P(Open, JvErrorTextTableTest,
                         testing::Combine(testing::Values("JVOpen", "JVRTOpen"), testing::ValuesIn(OpenRows)));

const Row ReadRows[] = {
    {0, "全ファイルの読み込みが終了しました。（ＥＯＦ ）(0)"},
    {1, "バッファにセットしたデータのサイズ1(1)"},
    {1272, "バッファにセットしたデータのサイズ1272(1272)"},
    {-1, "ファイルが切り替わりました。(-1)"},
    {-3, "ファイルダウンロード中(-3)"},
    {-201, "JVInitが行なわれていません。(-201)"},
    {-202, "前回のJVOpen/JVRTOpen/JVMVOpen に対してJVClose が呼ばれていません。（オープン中）(-202)"},
    {-203, "JVOpenが行なわれていません。(-203)"},
    {-402, "ダウンロードしたファイルサイズが異常です。(-402)"},
    {-403, "ダウンロードしたファイル内容が異常です。(-403)"},
    {-502, "ダウンロードに失敗しました。(通信エラーやディスクエラー)(-502)"},
    {-503, "ファイルが見つかりません。(-503)"},
    {-2, "(-2)"},
    {-4, "(-4)"},
    {-301, "(-301)"},
    {-504, "(-504)"},
};
INSTANTIATE_TEST_SUITE_P(Read, JvErrorTextTableTest,
                         testing::Combine(testing::Values("JVRead", "JVGets"), testing::ValuesIn(ReadRows)));

const Row StatusRows[] = {
    {0, "正常に実行されました。(0)"},
    {1, "ダウンロード済みファイル数1(1)"},
    {36, "ダウンロード済みファイル数36(36)"},
    {-201, "JVInitが行なわれていません。(-201)"},
    {-203, "JVOpenが行なわれていません。(-203)"},
    {-502, "ダウンロードに失敗しました。（通信エラーやディスクエラーなど）(-502)"},
    {-1, "(-1)"},
    {-3, "(-3)"},
    {-202, "(-202)"},
    {-503, "(-503)"},
};
INSTANTIATE_TEST_SUITE_P(Status, JvErrorTextTableTest,
                         testing::Combine(testing::Values("JVStatus"), testing::ValuesIn(StatusRows)));

const Row InitRows[] = {
    {0, "正常に実行されました。(0)"},
    {-101, "sid が設定されていません。(-101)"},
    {-102, "sid が64byte 以上あります。(-102)"},
    {-103, "sid が不正（sid の１桁目がスペース）です。(-103)"},
    {1, "(1)"},
    {-100, "(-100)"},
    {-201, "(-201)"},
};
INSTANTIATE_TEST_SUITE_P(Init, JvErrorTextTableTest,
                         testing::Combine(testing::Values("JVInit"), testing::ValuesIn(InitRows)));

const Row SetRows[] = {
    {0, "正常に実行されました。(0)"},
    {-100, "パラメータが不正あるいはレジストリへの保存に失敗しました。(-100)"},
    {-101, "すでにサービスキーが登録されています。(-101)"},
    {1, "(1)"},
    {-102, "(-102)"},
    {-201, "(-201)"},
};
INSTANTIATE_TEST_SUITE_P(Set, JvErrorTextTableTest,
                         testing::Combine(testing::Values("JVSet", "JVSetUIProperties", "JVSetServiceKey",
                                                          "JVSetSavePath", "JVSetX"),
                                          testing::ValuesIn(SetRows)));

// Names outside every group, including near misses of the exact names: only code 0 has words.
const Row OtherRows[] = {
    {0, "正常に実行されました。(0)"},
    {5, "(5)"},
    {-1, "(-1)"},
    {-101, "(-101)"},
    {-201, "(-201)"},
    {-202, "(-202)"},
    {-203, "(-203)"},
    {-502, "(-502)"},
};
INSTANTIATE_TEST_SUITE_P(Other, JvErrorTextTableTest,
                         testing::Combine(testing::Values("JVClose", "JVCancel", "", "JVSe", "jvset", "JVSEt",
                                                          "JVOpenX", "JVOpe", " JVOpen", "jvread", "JVRead ",
                                                          "JVStatusX", "JVInitialize"),
                                          testing::ValuesIn(OtherRows)));

TEST(JvErrorTextTest, KeepsTheSignOfExtremeCodes) {
    EXPECT_EQ(textOf("JVOpen", std::numeric_limits<int32_t>::min()), "(-2147483648)");
    EXPECT_EQ(textOf("JVStatus", std::numeric_limits<int32_t>::max()),
              "ダウンロード済みファイル数2147483647(2147483647)");
}

} // namespace
