#include "tables/zemschemas.h"

#include <gtest/gtest.h>

#include "base/codepage.h"

namespace dornavik {
namespace {

TEST(ZemSchemas, FieldCountsTitlesAndVersion210Widths) {
  ResetZemSchemas();
  const size_t counts[] = {0, 11, 3, 15, 62, 21, 9, 0};
  for (int t = 0; t <= 7; ++t) EXPECT_EQ(ZemSchema(t).size(), counts[t]) << t;
  EXPECT_EQ(ZemSchema(kZemPodotdeli1)[61].name, "PURPOSE7");
  EXPECT_EQ(ZemSchema(kZemPodotdeli1)[48].decimals, 2);
  EXPECT_EQ(WindowsToUtf8(ZemFieldTitle(kZemPodotdeli1, 53)), "схама");
  EXPECT_EQ(ZemFieldTitle(kZemPodotdeli1, 24), "STONY");
  EXPECT_EQ(ZemFieldTitle(kZemComposite, 10), "");

  EXPECT_EQ(ZemSchema(kZemPodotdeli)[2].length, 3);
  UseVersion210Widths();
  EXPECT_EQ(ZemSchema(kZemPodotdeli)[2].length, 4);
  EXPECT_EQ(ZemSchema(kZemPodotdeli)[3].length, 5);
  EXPECT_EQ(ZemSchema(kZemPodotdeli)[6].length, 3);
  ResetZemSchemas();
  EXPECT_EQ(ZemSchema(kZemPodotdeli)[6].length, 2);
}

}  // namespace
}  // namespace dornavik
