#include "jv/demo/NamePools.h"

#include "base/Cp932.h"

#include <iterator>

namespace renoka::demo {

namespace {

const char* const HorseHeads[] = {
    "アル",   "ヴェル", "エル",   "オル",   "カイ",   "キタ", "クロ",   "サク",   "シン",   "スズ",
    "セイ",   "ソラ",   "タマ",   "ディア", "トウ",   "ナツ", "ノヴァ", "ハヤ",   "ヒカリ", "フジ",
    "ホシ",   "マリ",   "ミス",   "ムーン", "メイ",   "ユメ", "ライ",   "リュウ", "ルミ",   "レイ",
    "ロゼ",   "ワカ",   "グラン", "ブルー", "シエル", "テラ", "ネロ",   "パル",   "ビビ",   "ベガ",
    "ミモザ", "モモ",   "ヤマト", "ラピス", "リラ",   "ココ", "アオ",   "イロハ", "ウララ", "エア",
};
const char* const HorseTails[] = {
    "ノート",     "ブリーズ", "ステラ",   "フォルテ", "ヴェール",   "ドリーム", "ミスト",   "クラウン",   "スピカ",
    "ロンド",     "カノン",   "レガート", "アリア",   "グローリー", "ハート",   "ウィング", "リーフ",     "ソング",
    "ライト",     "フレア",   "ティアラ", "ゲート",   "ベル",       "コメット", "ワルツ",   "オーラ",     "シャトー",
    "ジェム",     "ラン",     "ボルト",   "マーチ",   "セレナ",     "ポラリス", "タクト",   "リズム",     "ルーチェ",
    "ノクターン", "ファロ",   "カグラ",   "ミライ",   "サーガ",     "プリズム", "シグナル", "エトワール", "トレイル",
};
const char* const Surnames[] = {
    "青柳", "赤坂", "秋元", "浅倉", "芦田", "飯塚", "石黒", "泉谷", "市瀬", "稲垣", "岩崎", "宇野", "梅沢",
    "大槻", "奥寺", "片桐", "桂木", "金井", "鎌田", "川辺", "岸本", "桐生", "久保", "栗原", "黒岩", "小坂",
    "近藤", "桜庭", "笹本", "沢口", "塩谷", "篠田", "白井", "須藤", "瀬川", "高坂", "滝沢", "千葉", "辻本",
    "土屋", "寺島", "遠山", "中条", "並木", "西尾", "根岸", "野間", "芳賀", "羽田", "早坂", "平松", "深町",
    "藤代", "星野", "堀江", "前園", "真壁", "三上", "水谷", "宮下", "村瀬", "望月", "矢吹", "湯浅", "若松",
};
const char* const GivenInitials[] = {"翔", "健", "大", "亮", "誠", "駿", "蓮", "拓", "悠",
                                     "陸", "航", "優", "直", "司", "聡", "学", "隆", "慎"};
const char* const OwnerHeads[] = {"アステル", "ブルーム", "シーガル",     "ノースランド", "サンライズ",   "グリーン",
                                  "ミヤビ",   "カザミ",   "ハーヴェスト", "オーロラ",     "スカイライン", "フォレスト"};
const char* const OwnerTails[] = {"レーシング", "ホースクラブ", "ファーム", "サラブレッドクラブ", "ステーブル"};
const char* const GivenNames[] = {"一郎", "健二", "正和", "由美", "和也", "誠治", "恵子", "博之", "直樹", "美咲"};
const char* const Colours[] = {"赤", "青", "黄", "緑", "紫", "白", "黒", "桃", "水色", "茶", "橙", "薄紫"};
const char* const Patterns[] = {"一本輪", "二本輪", "山形一本輪", "縦縞",       "格子縞",       "星散らし", "菱山形",
                                "襷",     "元禄",   "鋸歯形",     "蛇目散らし", "ダイヤモンド", "十字襷"};

struct Word {
    const char* kanji;
    const char* latin;
};
const Word RaceWords[] = {
    {"朝霧", "Asagiri"},      {"白鷺", "Shirasagi"},    {"青嵐", "Seiran"},       {"銀杏", "Icho"},
    {"紅梅", "Kobai"},        {"雪華", "Sekka"},        {"星影", "Hoshikage"},    {"月虹", "Getsuko"},
    {"若葉", "Wakaba"},       {"夕凪", "Yunagi"},       {"春雷", "Shunrai"},      {"冬麗", "Torei"},
    {"緑風", "Ryokufu"},      {"潮騒", "Shiosai"},      {"遠雷", "Enrai"},        {"翠嶺", "Suirei"},
    {"白樺", "Shirakaba"},    {"琥珀", "Kohaku"},       {"瑠璃", "Ruri"},         {"蒼穹", "Sokyu"},
    {"天河", "Tenga"},        {"雲海", "Unkai"},        {"朧月", "Oborozuki"},    {"茜空", "Akanezora"},
    {"初霜", "Hatsushimo"},   {"木漏日", "Komorebi"},   {"銀河", "Ginga"},        {"陽炎", "Kagero"},
    {"白露", "Hakuro"},       {"瑞雲", "Zuiun"},        {"花筏", "Hanaikada"},    {"水鏡", "Mizukagami"},
    {"疾風", "Hayate"},       {"黎明", "Reimei"},       {"暁星", "Gyosei"},       {"碧海", "Hekikai"},
    {"紫電", "Shiden"},       {"青藍", "Seiran Blue"},  {"風車", "Kazaguruma"},   {"灯台", "Todai"},
    {"山吹", "Yamabuki"},     {"鈴蘭", "Suzuran"},      {"金木犀", "Kinmokusei"}, {"霧氷", "Muhyo"},
    {"星祭", "Hoshimatsuri"}, {"渡り鳥", "Wataridori"}, {"早苗", "Sanae"},        {"稲穂", "Inaho"},
    {"虹橋", "Kokyo"},        {"雪割", "Yukiwari"},
};

const Word AbroadWords[] = {
    {"アルバトロス", "Albatross"},     {"シルバークレスト", "Silver Crest"}, {"ゴールデンリーフ", "Golden Leaf"},
    {"ブルーラグーン", "Blue Lagoon"}, {"ノーザンスター", "Northern Star"},  {"クリムゾンゲート", "Crimson Gate"},
    {"エメラルドベイ", "Emerald Bay"}, {"サンドパイパー", "Sandpiper"},      {"ハイランドミスト", "Highland Mist"},
};

template <size_t N> int countOf(const char* const (&)[N]) {
    return static_cast<int>(N);
}

} // namespace

size_t utf8Chars(const std::string& utf8) {
    size_t n = 0;
    for (char c : utf8)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++n;
    return n;
}

std::string shortRaceName(const std::string& titleUtf8, size_t chars) {
    static const std::pair<const char*, const char*> abbreviations[] = {
        {"ジャンプステークス", "ＪＳ"}, {"ステークス", "Ｓ"}, {"カップ", "Ｃ"}, {"特別", "特別"}};
    std::string s = titleUtf8;
    if (utf8Chars(s) > chars) {
        for (const auto& [longForm, shortForm] : abbreviations) {
            const size_t at = s.find(longForm);
            if (at != std::string::npos) {
                s.replace(at, std::string(longForm).size(), shortForm);
                break;
            }
        }
    }
    // Cut whole UTF-8 characters.
    std::string out;
    size_t n = 0;
    for (size_t i = 0; i < s.size();) {
        size_t len = 1;
        const auto c = static_cast<unsigned char>(s[i]);
        if (c >= 0xF0)
            len = 4;
        else if (c >= 0xE0)
            len = 3;
        else if (c >= 0xC0)
            len = 2;
        if (n == chars) break;
        out.append(s, i, len);
        i += len;
        ++n;
    }
    return out;
}

std::string NamePools::uniqueWord(const char* const* first, int firstCount, const char* const* second, int secondCount,
                                  std::set<std::string>& used, size_t maxChars, bool joinAlways) {
    for (int attempt = 0;; ++attempt) {
        std::string word = first[m_rng.below(firstCount)];
        // Now and then a third syllable group, so that the pool does not run dry for large demos.
        if (attempt > 40 || (!joinAlways && m_rng.chance(0.25))) word += first[m_rng.below(firstCount)];
        word += second[m_rng.below(secondCount)];
        if (utf8Chars(word) > maxChars) continue;
        if (used.insert(word).second) return word;
    }
}

std::string NamePools::horseName() {
    return sj(uniqueWord(HorseHeads, countOf(HorseHeads), HorseTails, countOf(HorseTails), m_horses, 9, false));
}

std::string NamePools::jockeyName() {
    return sj(uniqueWord(Surnames, countOf(Surnames), GivenInitials, countOf(GivenInitials), m_people, 4, true));
}

std::string NamePools::trainerName() {
    for (int attempt = 0; attempt < 20; ++attempt) {
        std::string surname = Surnames[m_rng.below(countOf(Surnames))];
        if (m_people.insert(surname).second) return sj(surname);
    }
    return jockeyName();
}

std::string NamePools::ownerName() {
    for (;;) {
        std::string name;
        if (m_rng.chance(0.5))
            name = std::string(OwnerHeads[m_rng.below(countOf(OwnerHeads))]) +
                   OwnerTails[m_rng.below(countOf(OwnerTails))];
        else
            name = std::string(Surnames[m_rng.below(countOf(Surnames))]) + GivenNames[m_rng.below(countOf(GivenNames))];
        if (m_owners.insert(name).second) return sj(name);
    }
}

std::string NamePools::silks() {
    const std::string base = Colours[m_rng.below(countOf(Colours))];
    std::string second = Colours[m_rng.below(countOf(Colours))];
    if (second == base) second = "白";
    const std::string sleeve = Colours[m_rng.below(countOf(Colours))];
    return sj(base + "，" + second + Patterns[m_rng.below(countOf(Patterns))] + "，" + sleeve + "袖");
}

RaceName NamePools::raceName(RaceKind kind) {
    struct Suffix {
        const char* kanji;
        const char* latin;
    };
    static const Suffix special[] = {{"特別", "Tokubetsu"}, {"ステークス", "Stakes"}, {"賞", "Sho"}};
    static const Suffix stakes[] = {{"ステークス", "Stakes"}, {"カップ", "Cup"}};
    static const Suffix graded[] = {{"記念", "Kinen"}, {"ステークス", "Stakes"}, {"カップ", "Cup"}, {"杯", "Hai"}};
    static const Suffix jump[] = {{"ジャンプステークス", "Jump Stakes"}};
    static const Suffix local[] = {{"記念", "Kinen"}, {"盃", "Hai"}};
    static const Suffix abroad[] = {{"カップ", "Cup"}, {"ステークス", "Stakes"}};
    const Suffix* suffixes = special;
    int suffixCount = 3;
    switch (kind) {
    case RaceKind::Special:
        break;
    case RaceKind::Stakes:
        suffixes = stakes;
        suffixCount = 2;
        break;
    case RaceKind::Graded:
        suffixes = graded;
        suffixCount = 4;
        break;
    case RaceKind::Jump:
        suffixes = jump;
        suffixCount = 1;
        break;
    case RaceKind::Local:
        suffixes = local;
        suffixCount = 2;
        break;
    case RaceKind::Abroad:
        suffixes = abroad;
        suffixCount = 2;
        break;
    }
    const bool abroadWords = kind == RaceKind::Abroad;
    const Word* pool = abroadWords ? AbroadWords : RaceWords;
    const int words = abroadWords ? static_cast<int>(std::size(AbroadWords)) : static_cast<int>(std::size(RaceWords));
    RaceName name;
    // Titles are handed out once while the combinations last; a very long demo may repeat one on another day.
    for (int attempt = 0; attempt < 400; ++attempt) {
        const Word& word = pool[m_rng.below(words)];
        const Suffix& suffix = suffixes[m_rng.below(suffixCount)];
        name = {std::string(word.kanji) + suffix.kanji, std::string(word.latin) + " " + suffix.latin};
        if (m_raceWords.insert(name.title).second) break;
    }
    return name;
}

} // namespace renoka::demo
