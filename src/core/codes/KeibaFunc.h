#pragma once
// The JV-Data codes and digit fields as the program shows them: fixed-width CP932 texts for grids, printouts,
// file names and mails. Grids and printouts line their columns up by these widths, so the widths (in bytes)
// are as much a part of each result as the words.
//
// Every function takes the field text exactly as cut from the record and keeps no state. Codes that the
// tables write as letters or digits ("1", "A", "A10", "06") must match the text exactly; functions that read
// a number take the field's value (text that is not a number reads as 0).
#include <string>
#include <string_view>

namespace renoka {

// --- Numbers and times -------------------------------------------------------------------------------------

// The value right-aligned in as many characters as the field has ("07" gives " 7"); 0 gives that many blanks.
std::string NumText(std::string_view s);
// A field of tenths as "%.1f" in one character less than the field ("0123" gives "12.3"); 0 gives blanks of
// the field's length.
std::string TenthsText(std::string_view s);
// As TenthsText, but in one character more than the field ("123" gives " 12.3"); 0 still gives blanks of the
// field's length.
std::string TenthsTextWide(std::string_view s);
// A time "mss t" or a time difference "±ss t" as "m ss.t" ("1345" gives "134.5", "-005" gives "- 0.5");
// no time (999, 9999, 0000 or blanks) gives five blanks.
std::string TimeText(std::string_view s);
// A time "msst" as "m.ss.t" ("1345" gives "1.34.5"); without minutes "  ss.t"; "0000" gives six blanks.
std::string TimeTextDots(std::string_view s);
// "hhmm" moved by a signed number of minutes. Hours and minutes are truncated toward zero, so a time before
// midnight comes out with a minus sign in the minutes ("0005" - 10 gives "00-05"); a blank time gives "".
std::string ShiftTime(std::string_view hhmm, int minutes);
// `s` with its bytes at the 1-based position `pos` replaced by `part` (as many bytes as `part` has).
std::string OverwriteAt(std::string_view s, std::string_view part, int pos);
// Names with every full-width space taken out.
std::string StripFullWidthSpaces(std::string_view s);
// Horse numbers 1..9 as full-width digits, 10..18 as they are, anything else as one full-width space.
std::string FullWidthDigit(std::string_view s);
// 1..18 as circled numbers, anything else as "－".
std::string CircledNumber(std::string_view s);
// Month "01".."12" as one letter: "1".."9", "a", "b", "c"; anything else gives "".
std::string MonthLetter(std::string_view s);

// --- Code texts --------------------------------------------------------------------------------------------

std::string WeatherText(std::string_view code);
// surface 0: the going alone; 1: turf ("芝:良"); 2: dirt ("ダ:良").
std::string GoingText(std::string_view code, int surface);
std::string SexText(std::string_view code);
std::string StyleMark(std::string_view code);
std::string WeightRuleText(std::string_view code);
// Always eight bytes.
std::string AbnormalText(std::string_view code);
std::string ApprenticeText(std::string_view code);
std::string BlinkerText(std::string_view code);
std::string BlinkerMark(std::string_view code);
std::string YesMark(std::string_view code);
std::string CourseRecordKind(std::string_view code);
std::string RecordTimeKind(std::string_view code);
std::string HorseMarkText(std::string_view s);
std::string ConditionTextShort(std::string_view s);
std::string TrackTextMini(std::string_view s);
// Age part and class part run together ("3歳上" + "1勝ｸﾗｽ").
std::string RaceClassText(std::string_view ageCode, std::string_view conditionCode);
// Forms 1..3: the race-day weekday code in one, two or three full-width characters; form 4: a calendar
// weekday number 1 (Monday) .. 7 (Sunday) as "月曜日".
std::string WeekdayText(std::string_view code, int form);
// Forms 1 (five bytes), 2 (short mark), 8 (three bytes) and 9 (eighteen bytes).
std::string GradeText(std::string_view code, int form);
// Widths 2, 4, 6, 8 (full-width characters) and 9 (a 25-byte long form).
std::string RaceKindText(std::string_view code, int width);
// Always 24 bytes.
std::string RaceSymbolText(std::string_view code);
std::string TrackText(std::string_view s);
// Always six bytes, or "" for an unknown track.
std::string TrackTextShort(std::string_view s);
// Racecourse (or country) name of a two-character racecourse code. Forms: 0 short name (six bytes),
// 1 one character (two bytes), 2 two characters (four bytes), 3 up to three characters (six bytes),
// 9 full name (twenty bytes).
std::string JyoName(std::string_view code, int form);

} // namespace renoka
