#include "calc/coefficient_tables.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace calc {
namespace {

using values::DynamicValue;

constexpr double kUnset = -1;  // a mark that shows a target was left alone

struct Lookup {
  const char* name;
  const CoefficientTable& table;
  std::int16_t N;
  double Pn;
  double Tl;
  double expected;  // kUnset: no row matches
};

TEST(ApplyCoefficientTable, LastMatchingRowWinsAndNoMatchKeepsTheTarget) {
  const Lookup cases[] = {
      // The start inputs: N 3, 18 W, 0.2 mm.
      {"kpd start", KpdTable, 3, 18, 0.2, 0.88},
      {"cosFi start", CosFiTable, 3, 18, 0.2, 0.93},
      {"Bmax start", BmaxTable, 3, 18, 0.2, 1.7},
      {"J start", JTable, 3, 18, 0.2, 4.7},
      {"Ko start", KoTable, 3, 18, 0.2, 0.19},
      {"Ks start", KsTable, 3, 18, 0.2, 0.88},
      {"dU1 start", DU1Table, 3, 18, 0.2, 7},
      {"dU2 start", DU2Table, 3, 18, 0.2, 7},
      // A threshold itself does not match its row.
      {"kpd 50 W", KpdTable, 1, 50, 0.2, 0.8},
      {"cosFi 50 W", CosFiTable, 1, 50, 0.2, 0.93},
      {"Bmax 50 W", BmaxTable, 1, 50, 0.2, 1.3},
      {"J 50 W", JTable, 1, 50, 0.2, 2.6},
      {"Ko 50 W", KoTable, 1, 50, 0.2, 0.27},
      {"kpd 50.5 W", KpdTable, 1, 50.5, 0.2, 0.9},
      {"cosFi 50.5 W", CosFiTable, 1, 50.5, 0.2, 0.95},
      {"Bmax 50.5 W", BmaxTable, 1, 50.5, 0.2, 1.35},
      {"J 50.5 W", JTable, 1, 50.5, 0.2, 2.2},
      {"Ko 50.5 W", KoTable, 1, 50.5, 0.2, 0.29},
      {"Bmax form 1 has no 150 W row", BmaxTable, 1, 200, 0.2, 1.35},
      {"J form 1 200 W", JTable, 1, 200, 0.2, 1.8},
      {"Bmax form 1 above 300 W", BmaxTable, 1, 300.5, 0.2, 1.4},
      {"Bmax form 2 1000 W", BmaxTable, 2, 1000, 0.2, 1.65},
      {"J form 2 1000 W", JTable, 2, 1000, 0.2, 2},
      {"kpd form 2 1000 W", KpdTable, 2, 1000, 0.2, 0.95},
      {"cosFi drops above 300 W", CosFiTable, 2, 1000, 0.2, 0.94},
      {"Bmax form 3 falls above 150 W", BmaxTable, 3, 151, 0.2, 1.65},
      {"Bmax form 3 falls above 300 W", BmaxTable, 3, 301, 0.2, 1.6},
      {"kpd form 3 has no 15 W row", KpdTable, 3, 40, 0.2, 0.88},
      {"Ko form 2 lowest row", KoTable, 2, 6, 0.2, 0.2},
      // Keys no row covers.
      {"kpd at 2 W", KpdTable, 1, 2, 0.2, kUnset},
      {"cosFi at 2 W", CosFiTable, 1, 2, 0.2, kUnset},
      {"cosFi negative power", CosFiTable, 1, -18, 0.2, kUnset},
      {"Bmax at 3 W", BmaxTable, 1, 3, 0.2, kUnset},
      {"kpd at 3 W", KpdTable, 1, 3, 0.2, 0.6},
      {"cosFi at 3 W", CosFiTable, 1, 3, 0.2, 0.9},
      {"kpd form 0", KpdTable, 0, 100, 0.2, kUnset},
      {"J form 4", JTable, 4, 100, 0.2, kUnset},
      {"Ks form 7", KsTable, 7, 100, 0.2, kUnset},
      {"cosFi any form", CosFiTable, 7, 100, 0.2, 0.95},
      {"dU1 shell for form 0", DU1Table, 0, 100, 0.2, 6},
      {"dU2 shell for form 4", DU2Table, 4, 400, 0.2, 5},
      // The ring rows replace the shell rows of core form 3 above 8 W.
      {"dU1 form 3 7 W", DU1Table, 3, 7, 0.2, 20},
      {"dU2 form 3 7 W", DU2Table, 3, 7, 0.2, 25},
      {"dU1 form 3 5 W", DU1Table, 3, 5, 0.2, kUnset},
      {"dU2 form 3 8 W", DU2Table, 3, 8, 0.2, 25},
      {"dU1 form 3 30 W", DU1Table, 3, 30, 0.2, 6},
      {"dU2 form 3 30 W", DU2Table, 3, 30, 0.2, 6},
      {"dU1 form 3 300 W", DU1Table, 3, 300, 0.2, 2.5},
      {"dU1 form 1 300.5 W", DU1Table, 1, 300.5, 0.2, 2},
      {"dU2 form 2 16 W", DU2Table, 2, 16, 0.2, 18},
  };
  for (const Lookup& c : cases) {
    DynamicValue target = kUnset;
    ApplyCoefficientTable(c.table, c.N, c.Pn, c.Tl, target);
    EXPECT_EQ(target.ToDouble(), c.expected) << c.name;
  }
}

struct Thickness {
  std::int16_t N;
  double Tl;
  double expected;
};

TEST(ApplyCoefficientTable, SteelFillByThickness) {
  const Thickness cases[] = {
      {1, 0.08, 0.73},  {1, 0.1, 0.73},    {1, 0.12, 0.87},     {1, 0.15, 0.87},
      {1, 0.2, 0.87},   {1, 0.35, 0.93},   {1, 0.05, kUnset},   {1, 0.25, kUnset},
      {1, 0.5, kUnset}, {1, 0, kUnset},    {1, 0.0799, kUnset}, {1, 0.2001, kUnset},
      {2, 0.08, 0.87},  {2, 0.1, 0.87},    {2, 0.15, 0.9},      {2, 0.2, 0.91},
      {2, 0.35, 0.93},  {2, 0.12, kUnset}, {2, 0.351, kUnset},  {3, 0.08, 0.85},
      {3, 0.1, 0.85},   {3, 0.09, kUnset}, {3, 0.05, kUnset},   {3, 0.1000001, 0.88},
      {3, 0.2, 0.88},   {3, 0.5, 0.88},    {3, 12, 0.88},       {3, 0, kUnset},
  };
  for (const Thickness& c : cases) {
    DynamicValue target = kUnset;
    ApplyCoefficientTable(KsTable, c.N, 18, c.Tl, target);
    EXPECT_EQ(target.ToDouble(), c.expected) << "N " << c.N << " Tl " << c.Tl;
  }
}

TEST(ApplyCoefficientTable, NoMatchLeavesAnEmptyTargetEmpty) {
  DynamicValue target;
  ApplyCoefficientTable(KpdTable, 1, 1.2, 0.2, target);
  EXPECT_TRUE(target.IsEmpty());
}

}  // namespace
}  // namespace calc
