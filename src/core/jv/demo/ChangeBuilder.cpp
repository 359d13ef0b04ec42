#include "jv/demo/ChangeBuilder.h"
#include "store/RecordSizes.h"

#include "jv/demo/RecordImage.h"
#include "text/Format.h"

namespace renoka::demo {

std::string buildWe(const DemoDate& date, const CourseDay& course, const GoingNotice& notice) {
    const Moment at = Moment::at(date, notice.minute);
    RecordImage r("WE", records::WE);
    r.header('1', date);
    r.text(12, 14, date.ymd() + course.course + fmt("%02d%02d", course.kai, course.nichi));
    r.text(26, 8, at.announcement());
    r.num(34, 1, notice.change);
    // A weather notice leaves the going at its initial value, a going notice the weather.
    const bool weather = notice.change != 3;
    const bool going = notice.change != 2;
    r.num(35, 1, weather ? notice.now.weather : 0);
    r.num(36, 1, going ? notice.now.turf : 0);
    r.num(37, 1, going ? notice.now.dirt : 0);
    r.num(38, 1, notice.change != 1 && weather ? notice.before.weather : 0);
    r.num(39, 1, notice.change != 1 && going ? notice.before.turf : 0);
    r.num(40, 1, notice.change != 1 && going ? notice.before.dirt : 0);
    return r.take();
}

std::string buildTc(const Race& race) {
    const Moment at = Moment::at(race.date, race.postNotice);
    RecordImage r("TC", records::TC);
    r.header('1', race.date);
    r.text(12, 16, race.key());
    r.text(28, 8, at.announcement());
    r.text(36, 4, hhmm(race.post));
    r.text(40, 4, hhmm(race.postBefore));
    return r.take();
}

std::string buildAv(const DemoWorld& world, const Race& race, const Runner& runner, const Moment& announced) {
    RecordImage r("AV", records::AV);
    r.header('1', announced.date);
    r.text(12, 16, race.key());
    r.text(28, 8, announced.announcement());
    r.num(36, 2, runner.number);
    r.wide(38, 36, world.horses[static_cast<size_t>(runner.horse)].name);
    r.num(74, 3, 1); // illness
    return r.take();
}

} // namespace renoka::demo
