#include "calc/coefficient_tables.h"

namespace calc {

namespace {

bool Admits(const Bound& lower, const Bound& upper, double x) {
  const bool above_lower = lower.inclusive ? x >= lower.limit : x > lower.limit;
  const bool below_upper = upper.inclusive ? x <= upper.limit : x < upper.limit;
  return above_lower && below_upper;
}

constexpr PowerSteps kFromTwoWatts{2, 15, 50, 150, 300};
constexpr PowerSteps kFromFiveWatts{5, 15, 50, 150, 300};
constexpr PowerSteps kRingSteps{8, 25, 60, 125, 250};

}  // namespace

bool TableRow::Holds(double Pn, double Tl) const {
  switch (test) {
    case Test::PowerAbove:
      return Pn > lower.limit;
    case Test::ThicknessIs:
      return Tl == lower.limit;
    case Test::ThicknessAbove:
      return Tl > lower.limit;
    case Test::ThicknessWithin:
      return Admits(lower, upper, Tl);
  }
  return false;
}

// clang-format off
//                                                 > 2     > 15    > 50    > 150   > 300
constinit const CoefficientTable KpdTable{
    PowerGroup(Form(1),    kFromTwoWatts,        {0.6,    0.8,    0.9,    0.93,   0.95}),
    PowerGroup(Form(2),    kFromTwoWatts,        {0.6,    0.8,    0.9,    0.93,   0.95}),
    PowerGroup(Form(3),    kFromTwoWatts,        {0.88,   kNoRow, 0.92,   0.95,   0.96}),
};
constinit const CoefficientTable CosFiTable{
    PowerGroup(kEveryForm, kFromTwoWatts,        {0.9,    0.93,   0.95,   0.95,   0.94}),
};

//                                                 > 5     > 15    > 50    > 150   > 300
constinit const CoefficientTable BmaxTable{
    PowerGroup(Form(1),    kFromFiveWatts,       {1.2,    1.3,    1.35,   kNoRow, 1.4}),
    PowerGroup(Form(2),    kFromFiveWatts,       {1.55,   1.65,   kNoRow, kNoRow, kNoRow}),
    PowerGroup(Form(3),    kFromFiveWatts,       {1.7,    kNoRow, kNoRow, 1.65,   1.6}),
};
constinit const CoefficientTable JTable{
    PowerGroup(Form(1),    kFromFiveWatts,       {3.45,   2.6,    2.2,    1.8,    1.4}),
    PowerGroup(Form(2),    kFromFiveWatts,       {3.6,    3.0,    2.5,    2.3,    2.0}),
    PowerGroup(Form(3),    kFromFiveWatts,       {4.7,    kNoRow, 3.5,    3.2,    3.0}),
};
constinit const CoefficientTable KoTable{
    PowerGroup(Form(1),    kFromFiveWatts,       {0.24,   0.27,   0.29,   0.31,   0.34}),
    PowerGroup(Form(2),    kFromFiveWatts,       {0.2,    0.27,   0.29,   0.31,   0.34}),
    PowerGroup(Form(3),    kFromFiveWatts,       {0.19,   kNoRow, 0.23,   0.26,   0.27}),
};

// Shell values for every form first; the ring core's own rows then replace them above 8 W.
//                                                 > 5     > 15    > 50    > 150   > 300
//                                ring:            > 8     > 25    > 60    > 125   > 250
constinit const CoefficientTable DU1Table{
    PowerGroup(kEveryForm, kFromFiveWatts,       {20.0,   13.0,   6.0,    4.5,    2.0}),
    PowerGroup(Form(3),    kRingSteps,           {7.0,    6.0,    5.0,    3.5,    2.5}),
};
constinit const CoefficientTable DU2Table{
    PowerGroup(kEveryForm, kFromFiveWatts,       {25.0,   18.0,   10.0,   8.0,    5.0}),
    PowerGroup(Form(3),    kRingSteps,           {7.0,    6.0,    5.0,    3.5,    2.5}),
};

constinit const CoefficientTable KsTable{
    RowGroup(Form(1), {ThicknessWithin(AtLeast(0.08), AtMost(0.1), 0.73),
                       ThicknessWithin(Above(0.1),    AtMost(0.2), 0.87),
                       ThicknessIs(0.35,                           0.93)}),
    RowGroup(Form(2), {ThicknessIs(0.08, 0.87),
                       ThicknessIs(0.1,  0.87),
                       ThicknessIs(0.15, 0.9),
                       ThicknessIs(0.2,  0.91),
                       ThicknessIs(0.35, 0.93)}),
    RowGroup(Form(3), {ThicknessIs(0.08,    0.85),
                       ThicknessIs(0.1,     0.85),
                       ThicknessAbove(0.1,  0.88)}),
};
// clang-format on

bool ApplyCoefficientTable(const CoefficientTable& table, std::int16_t N, double Pn, double Tl,
                           values::DynamicValue& target) {
  // The last row that holds wins, so the search runs backwards and stops at the first.
  for (std::size_t g = table.size; g-- > 0;) {
    const TableGroup& group = table.groups[g];
    if (!group.scope.Covers(N)) continue;
    for (std::size_t r = group.size; r-- > 0;) {
      if (group.rows[r].Holds(Pn, Tl)) {
        target = group.rows[r].value;
        return true;
      }
    }
  }
  return false;
}

}  // namespace calc
