#include "schedule.h"

#include <gtest/gtest.h>

#include <sstream>
#include <streambuf>
#include <string>
#include <utility>

#include "case_table.h"
#include "number_formats.h"

namespace varnel::cli {
namespace {

using namespace testing;

// The UTF-16 bytes of a text without a mark; lone surrogates as they are.
std::string Utf16(std::u16string_view text, bool littleEndian) {
    std::string bytes;
    for (char16_t unit : text) {
        char low = static_cast<char>(unit & 0xFF);
        char high = static_cast<char>(unit >> 8);
        bytes.append({littleEndian ? low : high, littleEndian ? high : low});
    }
    return bytes;
}

// The UTF-16 LE bytes of a text, after their mark.
std::string Utf16Le(std::u16string_view text) {
    return "\xFF\xFE" + Utf16(text, true);
}

struct ScheduleCase : NamedCase {
    std::string rows;
    std::string results;
    std::string unsolved;  // the summary of unsolved rows, empty when every row was solved
    char delimiter = '\t';
    NumberFormat format = kPeriod;
    bool delimiterFromFile = false;  // no delimiter given: the file may name or show another
};

class Schedule : public ::testing::TestWithParam<ScheduleCase> {};

// A stream that hands out one byte at a time, as a slow pipe may: every line end, quote, mark
// and UTF-16 pair is split between two reads.
class OneByteAtATime : public std::streambuf {
  public:
    explicit OneByteAtATime(std::string text) : text_(std::move(text)) {}

  protected:
    int_type underflow() override {
        if (next_ == text_.size()) {
            return traits_type::eof();
        }
        char* byte = text_.data() + next_++;
        setg(byte, byte, byte + 1);
        return traits_type::to_int_type(*byte);
    }

  private:
    std::string text_;
    std::size_t next_ = 0;
};

void ExpectResults(std::istream& rows, const ScheduleCase& c) {
    std::ostringstream results;
    ScheduleSettings settings;
    settings.numbers = c.format;
    settings.delimiter = c.delimiter;
    settings.delimiterFromFile = c.delimiterFromFile;
    ScheduleSummary summary = CheckSchedule(rows, results, settings);
    EXPECT_EQ(results.str(), c.results);
    EXPECT_EQ(summary.unsolved == 0 ? "" : UnsolvedRowsText(summary), c.unsolved);
}

TEST_P(Schedule, WritesEveryLineBackWithItsAnswer) {
    std::istringstream rows(GetParam().rows);
    ExpectResults(rows, GetParam());
}

TEST_P(Schedule, ReadsTheSameOneByteAtATime) {
    OneByteAtATime trickle(GetParam().rows);
    std::istream rows(&trickle);
    ExpectResults(rows, GetParam());
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Rows, Schedule,
    ::testing::Values(
        ScheduleCase{"Nothing", "", "", ""},
        ScheduleCase{"HeaderInAnyCase", "Size\tLENGTH\t Resistance \n", "Size\tLENGTH\t Resistance \tmessage\n", ""},
        ScheduleCase{"HeaderOnlyFirst", "10\t\t1000\t\t\nsize\t\t\t\t\n", "10\t\t1000\t\t0.999933931240995\t\nsize\t\t\t\t\tYou have to fill in either the length or the resistance!\n", "1 of 2 rows not solved, at line 2"},
        ScheduleCase{"SizeFilledInKcmil", "\tKCMIL\t1000\t\t1\n", "10.3799253759384\tKCMIL\t1000\t\t1\t\n", ""},
        ScheduleCase{"LengthFilledInKilometres", "10\tawg\t\tKm\t1\n", "10\tawg\t0.3048202\tKm\t1\t\n", ""},
        ScheduleCase{"LoneCarriageReturnKept", "10\t\t1000\t\t\r", "10\t\t1000\t\t0.999933931240995\t\r", ""},
        ScheduleCase{"CommaLocale", "2,5\tmm2\t1000\tm\t\n", "2,5\tmm2\t1000\tm\t6,902432\t\n", "", '\t', kComma},
        ScheduleCase{"UnknownLengthUnit", "10\t\t1000\tfeet\t\n", "10\t\t1000\tfeet\t\tTHE LENGTH UNIT YOU ENTERED IS NOT UNDERSTOOD.\n", "1 of 1 row not solved, at line 1"},
        ScheduleCase{"AnswersDoNotLeakIntoTheNextRow", "\tawg\t\t\t\n10\t\t1000\t\t\n", "\tawg\t\t\t\tYou have to fill in two of the fields!\n10\t\t1000\t\t0.999933931240995\t\n", "1 of 2 rows not solved, at line 1"},
        ScheduleCase{"QuotedDelimiter", "size,length,resistance,circuit\r\n10,1000,,\"pump 1, north\"\r\n", "size,length,resistance,circuit,message\r\n10,1000,0.999933931240995,\"pump 1, north\",\r\n", "", ','},
        ScheduleCase{"DoubledQuoteAndNeedlessQuotes", "note;size;length;resistance\n\"a \"\"b\"\"\";\"10\";1000;\n", "note;size;length;resistance;message\n\"a \"\"b\"\"\";10;1000;0.999933931240995;\n", "", ';'},
        ScheduleCase{"QuoteInsideACellIsACharacter", "12\" x\t\t\t\t\n", "\"12\"\" x\"\t\t\t\t\tYou have to fill in either the length or the resistance!\n", "1 of 1 row not solved, at line 1"},
        ScheduleCase{"LineBreaksInsideCellsCountAsLines", "note,size,length,resistance\n\"a\r\nb\nc\",x,1,\n,10,,\n", "note,size,length,resistance,message\n\"a\r\nb\nc\",x,1,,THE WIRESIZE YOU ENTERED IS NOT UNDERSTOOD.\n,10,,,You have to fill in either the length or the resistance!\n", "2 of 2 rows not solved, at lines 2 and 5", ','},
        ScheduleCase{"UnclosedQuoteRunsToTheEnd", "size,length,resistance,note\n10,1000,,\"a,\nb", "size,length,resistance,note,message\n10,1000,0.999933931240995,\"a,\nb\",", "", ','},
        ScheduleCase{"HeadingsInAnyOrderOthersPassed", "resistance,to,length unit,length,size,from\n,B,m,1000,2.5,A\n", "resistance,to,length unit,length,size,from,message\n0.583386435247154,B,m,1000,2.5,A,\n", "", ','},
        ScheduleCase{"MessageColumnReplaced", "size,message,length,resistance\n10,OLD,1000,\n,,,\n", "size,message,length,resistance\n10,,1000,0.999933931240995\n,,,\n", "", ','},
        ScheduleCase{"SixthCellReplacedWithoutHeader", "10\t\t1000\t\t\tOLD\n", "10\t\t1000\t\t0.999933931240995\t\n", ""},
        ScheduleCase{"ShortRowPaddedToItsColumns", "size,length,resistance,note\n10,1000\n", "size,length,resistance,note,message\n10,1000,0.999933931240995,,\n", "", ','},
        ScheduleCase{"OtherCellCountsWithoutHeader", "10\t\t1000\n1\t2\t3\t4\t5\t6\t7\n", "10\t\t1000\t\t\tTHE ROW YOU ENTERED DOES NOT HAVE 5 CELLS.\n1\t2\t3\t4\t5\tTHE ROW YOU ENTERED DOES NOT HAVE 5 CELLS.\t6\t7\n", "2 of 2 rows not solved, at lines 1 and 2"},
        ScheduleCase{"BlankLinesPassedThrough", "\n  ;\t; \r\nsize;length;resistance\n;\n", "\n  ;\t; \r\nsize;length;resistance;message\n;\n", "", ';'},
        ScheduleCase{"CellsTrimmedButWrittenAsRead", " 4/0 \t awg \t 1000 \t\t   \n", " 4/0 \t awg \t 1000 \t\t0.0501154113907939\t\n", ""},
        ScheduleCase{"Utf8MarkKept", "\xEF\xBB\xBFsize,length,resistance\n10,1000,\n", "\xEF\xBB\xBFsize,length,resistance,message\n10,1000,0.999933931240995,\n", "", ','},
        ScheduleCase{"Utf16PairLoneSurrogateAndOddByteKept", Utf16Le(u"size\tlength\tresistance\tnote\n10\t1000\t\t\xD800\U0001F50C\n") + "!", Utf16Le(u"size\tlength\tresistance\tnote\tmessage\n10\t1000\t0.999933931240995\t\xD800\U0001F50C\t\n") + "!", ""},
        ScheduleCase{"FirstCellLikeAMarkQuoted", "\"\xFF\xFEx\"\t\t\t\t\n", "\"\xFF\xFEx\"\t\t\t\t\tYou have to fill in either the length or the resistance!\n", "1 of 1 row not solved, at line 1"},
        ScheduleCase{"Utf16LeWithoutMarkKeptWithout", Utf16(u"size;length;resistance\r\n10;1000;\r\n", true), Utf16(u"size;length;resistance;message\r\n10;1000;0.999933931240995;\r\n", true), "", ';'},
        ScheduleCase{"SemicolonsFoundWhereTheLanguageHasCommas", "size;length;resistance\n10;1000;\n", "size;length;resistance;message\n10;1000;0.999933931240995;\n", "", ',', kPeriod, true},
        ScheduleCase{"TabsFoundWhereTheLanguageHasSemicolons", "size\tlength\tresistance\n10\t1000\t\n", "size\tlength\tresistance\tmessage\n10\t1000\t0,999933931240995\t\n", "", ';', kComma, true},
        ScheduleCase{"FoundOnTheFirstLineNotBlank", "\n;;\nsize;length;resistance\n10;1000;\n", "\n;;\nsize;length;resistance;message\n10;1000;0.999933931240995;\n", "", ',', kPeriod, true},
        ScheduleCase{"LanguageDelimiterKeptWhereTheLineHoldsIt", "size,length,resistance,note\n10,1000,,a;b\n", "size,length,resistance,note,message\n10,1000,0.999933931240995,a;b,\n", "", ',', kPeriod, true},
        ScheduleCase{"LanguageDelimiterKeptWhereTwoOthersStand", "a;b\tc\n", "a;b\tc,,,,,THE ROW YOU ENTERED DOES NOT HAVE 5 CELLS.\n", "1 of 1 row not solved, at line 1", ',', kPeriod, true},
        ScheduleCase{"SepLineNamesTheDelimiterAndIsKept", "sep=|\r\nsize|length|resistance\r\n10|1000|\r\n", "sep=|\r\nsize|length|resistance|message\r\n10|1000|0,999933931240995|\r\n", "", ';', kComma, true},
        ScheduleCase{"SepLineOfTheGivenDelimiterKept", "sep=,\nsize,length,resistance\n10,1000,\n", "sep=,\nsize,length,resistance,message\n10,1000,0.999933931240995,\n", "", ','},
        ScheduleCase{"GivenDelimiterDecides", "size;length;resistance\n", "size;length;resistance,,,,,THE ROW YOU ENTERED DOES NOT HAVE 5 CELLS.\n", "1 of 1 row not solved, at line 1", ','},
        ScheduleCase{"Utf16BeWithoutMarkKeptWithout", Utf16(u"size\tlength\tresistance\tnote\n10\t1000\t\t\u20AC\n", false), Utf16(u"size\tlength\tresistance\tnote\tmessage\n10\t1000\t0.999933931240995\t\u20AC\t\n", false), ""}),
    CaseName());
// clang-format on

struct SummaryCase : NamedCase {
    ScheduleSummary summary;
    std::string text;
};

class Summary : public ::testing::TestWithParam<SummaryCase> {};

TEST_P(Summary, NamesTheFirstLines) {
    EXPECT_EQ(UnsolvedRowsText(GetParam().summary), GetParam().text);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Rows, Summary,
    ::testing::Values(
        SummaryCase{"Three", {120, 3, {7, 19, 88}, {}, {}}, "3 of 120 rows not solved, at lines 7, 19 and 88"},
        SummaryCase{"Ten", {10, 10, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, {}, {}}, "10 of 10 rows not solved, at lines 1, 2, 3, 4, 5, 6, 7, 8, 9 and 10"},
        SummaryCase{"MoreThanTen", {1000000, 18, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, {}, {}}, "18 of 1000000 rows not solved, at lines 1, 2, 3, 4, 5, 6, 7, 8, 9, 10 and 8 more"}),
    CaseName());
// clang-format on

TEST(UnsolvedRows, AreHandedOnWithTheirCellsAndMessage) {
    std::istringstream rows("size,length,resistance\n10,,\n10,1000,\n,,1\n");
    std::ostringstream results;
    std::string told;
    ScheduleSettings settings = SettingsForFile("a.csv", kPeriod, {}, {});
    settings.onUnsolved = [&](const UnsolvedRow& row) {
        told += std::to_string(row.line) + ":" + std::to_string(row.cells.size()) + ":" +
                std::string(row.message) + "\n";
    };
    CheckSchedule(rows, results, settings);
    EXPECT_EQ(told,
              "2:3:You have to fill in either the length or the resistance!\n"
              "4:3:You have to fill in either the wire size or the length!\n");
}

TEST(HeaderExamples, AppendCellHoldsAsWritten) {
    std::string line;
    AppendCell(line, "pump 1, north", ',', false);
    EXPECT_EQ(line, "\"pump 1, north\"");
}

}  // namespace
}  // namespace varnel::cli
