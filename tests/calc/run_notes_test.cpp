#include "calc/run_notes.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "calc/calculator.h"
#include "values/fault.h"

namespace calc {
namespace {

class NoDisplay final : public ResultDisplay {
  void ClearResults() override {}
  void ShowLoadPower(const DynamicValue&) override {}
  void ShowCoreFigures(const DynamicValue&, const DynamicValue&, const DynamicValue&,
                       const DynamicValue&, const DynamicValue&, const DynamicValue&) override {}
  void ShowNotFit() override {}
  void ShowFit(const DynamicValue&, const DynamicValue&) override {}
  void ShowWindings(const DynamicValue&, const DynamicValue&, const DynamicValue&,
                    const DynamicValue&, const DynamicValue&, const DynamicValue&) override {}
};

// The codes of the last of consecutive runs on one record.
std::string CodesOfLastRun(const std::vector<InputTexts>& runs) {
  CalculatorState record;
  NoDisplay display;
  std::string codes;
  for (const InputTexts& texts : runs) {
    RunTrace trace;
    try {
      CalculateDesign(record, texts, display, trace);
    } catch (const values::Fault&) {
      EXPECT_TRUE(trace.faulted);
    }
    codes.clear();
    AppendCodes(NotesOfRun(texts, record, trace), codes);
  }
  return codes;
}

InputTexts Start() { return {"3", "220", "12", "1.5", "2", "5", "7", "12", "0.2"}; }

InputTexts With(std::size_t field, std::string_view text, InputTexts texts = Start()) {
  texts[field] = text;
  return texts;
}

InputTexts Shell(std::string_view thickness) { return With(0, "1", With(8, thickness)); }

struct NotesCase {
  const char* name;
  std::vector<InputTexts> runs;
  const char* codes;
};

void PrintTo(const NotesCase& c, std::ostream* os) { *os << c.name; }

class RunNotesTest : public ::testing::TestWithParam<NotesCase> {};

TEST_P(RunNotesTest, NameWhatTheLastRunDidNotTakeAsMeant) {
  EXPECT_EQ(CodesOfLastRun(GetParam().runs), GetParam().codes);
}

const InputTexts kAllEmpty{" ", "", "", "", "", "", "", "", ""};

INSTANTIATE_TEST_SUITE_P(
    Runs, RunNotesTest,
    ::testing::Values(
        // The examples every front end must agree on.
        NotesCase{"StartInputs", {Start()}, ""},
        NotesCase{"DecimalCommaOnFirstRun", {Shell("0,35")}, "partly-read:Text9 unset:Ks"},
        NotesCase{"UnknownThicknessKeepsSteelFactor", {Shell("0.35"), Shell("0.5")}, "carried:Ks"},
        NotesCase{"FormSevenFirst", {With(0, "7")}, "form:Text1 unset:kpd fault-at:I1"},
        NotesCase{"LowPowerFirst", {With(3, "0.1")}, "unset:kpd unset:cosFi fault-at:I1"},
        NotesCase{"LowPowerAfterAFit",
                  {Start(), With(3, "0.3")},
                  "carried:Bmax carried:J carried:Ko unset:dU1 unset:dU2"},
        NotesCase{"ZeroDimension", {With(4, "0")}, "nonpositive:Text5"},
        NotesCase{"AllEmpty",
                  {kAllEmpty},
                  "empty:Text1 empty:Text2 empty:Text3 empty:Text4 empty:Text5 empty:Text6 "
                  "empty:Text7 empty:Text9 unset:kpd unset:cosFi fault-at:I1"},
        // Each field kind, and the first kind that applies.
        NotesCase{"BlanksAndTabsAreEmpty", {With(5, " \t ")}, "empty:Text6"},
        NotesCase{"WordsMinusAndCommaHoldNoNumber",
                  {With(4, "abc", With(5, "-", With(6, ",")))},
                  "no-number:Text5 no-number:Text6 no-number:Text7"},
        NotesCase{"SpaceInsideANumber", {With(1, "1 000")}, "partly-read:Text2"},
        NotesCase{"SecondPoint", {With(8, "0.2.5")}, "partly-read:Text9"},
        NotesCase{"CommaBeforeBlankIsCut", {With(3, "1 ,5")}, "partly-read:Text4"},
        NotesCase{"NegativeCommaIsPartlyReadNotNonpositive",
                  {With(3, "-1,5")},
                  "partly-read:Text4 unset:kpd unset:cosFi fault-at:I1"},
        NotesCase{"UnitsAndWordsAreNoNote",
                  {With(3, "1.5A", With(4, "2 см", With(8, "0.2 мм", With(1, "220В"))))},
                  ""},
        NotesCase{"TrailingPointOrCommaWithoutDigitIsNoNote",
                  {With(3, "1.5.", With(4, "2,", With(5, "5. ")))},
                  ""},
        NotesCase{"FormTwoAndAHalf", {With(0, "2.5")}, "form:Text1"},
        NotesCase{"FormWrittenAsThreePointZero", {With(0, "3.0")}, ""},
        NotesCase{"FormZeroLeavesHeightAlone",
                  {Start(), With(0, "0", With(7, ""))},
                  "form:Text1 carried:kpd carried:Bmax carried:J carried:Ko carried:Ks"},
        NotesCase{"FormOverflowStopsAtN",
                  {Start(), With(0, "40000", With(7, ""))},
                  "form:Text1 fault-at:N"},
        NotesCase{"RingIgnoresItsEmptyHeight", {With(7, "")}, ""},
        NotesCase{
            "ShellCoreNeedsItsHeight", {Shell("0.2"), With(0, "1", With(7, ""))}, "empty:Text8"},
        NotesCase{"NegativeVoltageFaultsAtTheDiameter",
                  {With(1, "-220")},
                  "nonpositive:Text2 fault-at:D1"},
        NotesCase{"MinusZeroIsNonpositive", {With(4, "-0")}, "nonpositive:Text5"},
        NotesCase{
            "DoubleOverflowNamesTheLoadPower", {With(2, "1e200", With(3, "1e200"))}, "fault-at:Pn"},
        // h × c is the largest double, whose text reads back beyond the range: Ps reads it.
        NotesCase{"WindowAreaTextBeyondTheRangeFaultsAtPs",
                  {With(7, "1.7976931348623157e308", With(6, "1", Shell("0.2")))},
                  "fault-at:Ps"},
        NotesCase{"WindowAreaTextBeyondTheRangeComesAfterTheEfficiency",
                  {With(3, "0.1", With(7, "1.7976931348623157e308", With(6, "1", Shell("0.2"))))},
                  "unset:kpd unset:cosFi fault-at:I1"},
        NotesCase{
            "SmallCoreEndsBeforeVoltageDrops", {With(4, "1", With(5, "1", With(6, "2")))}, ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RunNotes, FitDecisionOverflowIsNamed) {
  // A huge core against a huge negative load power: the margin Ps − Pi leaves the doubles.
  const InputTexts huge{"3", "1e300", "-1e154", "1.2e154", "1e150", "1e4", "5e76", "12", "0.2"};
  EXPECT_EQ(CodesOfLastRun({Start(), huge}),
            "nonpositive:Text3 carried:kpd carried:cosFi carried:Bmax carried:J carried:Ko "
            "fault-at:fit");
}

struct FieldsCase {
  RunNote note;
  std::int16_t form;
  std::uint16_t fields;
};

TEST(RunNotes, ConcernTheFieldsTheWindowMarks) {
  constexpr std::uint16_t kText1 = 1, kText3And4 = 0b1100, kText9 = 0x100;
  const auto coefficient = [](NoteKind kind, Coefficient c) {
    return RunNote{kind, static_cast<std::uint8_t>(c)};
  };
  for (const FieldsCase& c : {
           FieldsCase{{NoteKind::PartlyRead, 8}, 3, kText9},
           FieldsCase{{NoteKind::Form, 0}, 7, kText1},
           FieldsCase{coefficient(NoteKind::Carried, Coefficient::Ks), 1, kText9},
           FieldsCase{coefficient(NoteKind::Carried, Coefficient::Ks), 7, kText1},
           FieldsCase{coefficient(NoteKind::Unset, Coefficient::Kpd), 3, kText3And4},
           FieldsCase{coefficient(NoteKind::Unset, Coefficient::Kpd), 0, kText1},
           FieldsCase{coefficient(NoteKind::Unset, Coefficient::CosFi), 7, kText3And4},
           FieldsCase{coefficient(NoteKind::Carried, Coefficient::Bmax), -2, kText1},
           FieldsCase{coefficient(NoteKind::Unset, Coefficient::DU2), 7, kText3And4},
           FieldsCase{{NoteKind::FaultAt, static_cast<std::uint8_t>(Quantity::I1)}, 3, 0},
       }) {
    std::string code;
    AppendCode(c.note, code);
    EXPECT_EQ(FieldsOf(c.note, c.form), c.fields) << code << " on form " << c.form;
  }
}

}  // namespace
}  // namespace calc
