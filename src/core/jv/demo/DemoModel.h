#pragma once
// The demo world before it becomes records: horses, people, race days, races and runners. The planner, the
// field builder and the race model fill it in that order; the record builders only read it.
#include "jv/demo/DemoDate.h"

#include <array>
#include <string>
#include <vector>

namespace renoka::demo {

// Which horses a race is for.
enum class Group { Young, Older, Jump };
enum class Surface { Turf, Dirt, Jump };
// Where a race was run: a JRA racecourse, a local (NAR) one, or abroad. Decides the data kind of its records.
enum class Origin { Jra, Local, Abroad };

// Class levels in the order horses climb them.
enum Level : int { Newcomer = 0, Maiden = 1, OneWin = 2, TwoWins = 3, ThreeWins = 4, Open = 5 };

struct Person {
    std::string code; // five digits
    std::string name; // CP932 short name
    int east = 1;     // 1 Miho, 2 Ritto
    int apprentice = 0;
    double skill = 0;
};

struct Horse {
    std::string regNo; // ten digits, the first four the year of birth
    std::string name;  // CP932, at most nine full-width characters
    int birthYear = 0;
    int sex = 1;
    int coat = 3;
    std::string mark = "00";
    int east = 1;
    int trainer = 0;
    int owner = 0;
    std::string silks;
    double ability = 0;
    int style = 2; // habitual running style 1..4
    int bodyWeight = 470;
    bool blinkers = false;
    Group group = Group::Older;
    int level = OneWin;
    Surface surface = Surface::Turf;
    int lastWeight = 0; // body weight at its latest run so far while the runs are walked in date order
};

struct Runner {
    int horse = -1;
    int number = 0;
    int bracket = 0;
    int jockey = 0;
    int carried = 0; // 0.1 kg
    int bodyWeight = 0;
    int bodyChange = 0;
    bool firstStart = false;
    bool scratched = false;
    bool blinkers = false;
    double strength = 0;
    double chance = 0; // the true chance of winning, from which the result is drawn

    // Mining forecasts: time M SS SS as a number, errors SS SS, score in tenths.
    int dmTime = 0;
    int dmPlus = 0;
    int dmMinus = 0;
    int dmRank = 0;
    int tmScore = 0;

    // Result.
    int abnormal = 0; // 0 none, 1 scratched, 4 did not finish
    int arrival = 0;
    int finish = 0;
    int tiedWith = 0; // other horses in a dead heat with this one
    int time = 0;     // tenths of a second
    std::string margin = "   ";
    std::array<int, 4> corners{};
    int last3f = 0;
    int timeDiff = 0; // tenths; the winner's is the gap to the runner-up
    int style = 0;
    int prize = 0; // 100 yen
    int odds = 0;  // final win odds in tenths
    int popularity = 0;
};

struct Going {
    int weather = 1;
    int turf = 1;
    int dirt = 1;
};

struct Race {
    DemoDate date;
    std::string course; // racecourse code "05", "44", "A4"
    int kai = 1;
    int nichi = 1;
    int number = 1;
    Origin origin = Origin::Jra;
    Group group = Group::Older;
    int level = OneWin;
    Surface surface = Surface::Turf;
    bool fillies = false;
    bool mainRace = false;

    char grade = ' ';
    std::string title;      // CP932; empty for an ordinary race, whose class the condition codes tell
    std::string titleLatin; // ASCII
    std::string short10, short6, short3;
    std::string conditionName; // local races only, CP932
    int specialNo = 0;
    int runningNo = 0;
    std::string kind = "13";
    std::string symbol = "A00";
    char weightRule = '4';
    std::array<std::string, 5> conditions{"000", "000", "000", "000", "000"};
    int distance = 1600;
    int track = 11;
    std::string courseLetter = "  ";
    std::array<int, 5> prizes{};
    std::array<int, 3> addedMoney{};
    int post = 600;     // minute of the day
    int postBefore = 0; // the first post time when it was changed, else 0
    int postNotice = 0; // minute at which the change was announced
    Going going;        // at the post
    int registered = 0;
    // By horse number once drawn (index = number - 1); a race away from JRA courses holds only our horses.
    std::vector<Runner> runners;
    double poolScale = 1.0;
    bool deadHeat = false; // the horses third and fourth over the line tie
    bool dnf = false;      // one runner does not finish
    int scratches = 0;     // runners withdrawn on the morning of the race
    bool daySale = false;  // betting opened the day before

    // Result of the race as a whole.
    std::vector<int> laps; // tenths per 200 m (the first may be shorter)
    int first3f = 0, first4f = 0, last3f = 0, last4f = 0, mileTime = 0;
    std::array<std::string, 4> cornerOrders;
    int cornerCount = 0;

    // The public's view of the chances, by horse number - 1 (0 for a scratched horse).
    std::vector<double> publicMorning;
    std::vector<double> publicFinal;

    std::string key() const; // the 16-character race key
    int starters() const;
    int finishers() const;
};

// A weather or going notice of one racecourse on a race day.
struct GoingNotice {
    int minute = 0;
    int change = 1; // 1 first state, 2 weather changed, 3 going changed
    Going now;
    Going before;
};

struct CourseDay {
    std::string course;
    int kai = 1;
    int nichi = 1;
    std::vector<GoingNotice> notices; // the first is the morning state
    std::vector<Race> races;
};

struct RaceDay {
    DemoDate date;
    bool upcoming = false;
    std::vector<CourseDay> courses;
};

struct DemoWorld {
    std::vector<Horse> horses;
    std::vector<Person> jockeys;
    std::vector<Person> trainers;
    std::vector<std::string> owners;
    std::vector<RaceDay> history;  // oldest first
    std::vector<RaceDay> upcoming; // the race days of the demo, from the start date
    std::vector<Race> outside;     // races at local racecourses and abroad (only our horses' records)
};

// The minute of the day at which a race's result is confirmed: the post, the race itself and a minute or two.
int resultMinute(const Race& race);

} // namespace renoka::demo
