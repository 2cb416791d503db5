#include "engine/matrix.h"

#include <gtest/gtest.h>

#include "tests/support/scripted_user.h"

namespace zev {
namespace {

TEST(CMatrix, HoldsItsSizeAndZeroedElements) {
  CMatrix small(3, 7);
  EXPECT_EQ(small.Rows(), 3);
  EXPECT_EQ(small.Cols(), 7);
  EXPECT_EQ(small(2, 6), 0.0);
  small(1, 2) = 4.5;
  CMatrix copy = small;
  EXPECT_EQ(copy(1, 2), 4.5);
  copy(1, 2) = 1.0;
  EXPECT_EQ(small(1, 2), 4.5);

  CMatrix large(50, 22);  // beyond the inline storage
  large(49, 21) = 2.0;
  CMatrix assigned(1, 1);
  assigned = large;
  EXPECT_EQ(assigned.Rows(), 50);
  EXPECT_EQ(assigned(49, 21), 2.0);
  assigned.Fill(0.5);
  EXPECT_EQ(assigned(0, 0), 0.5);
  EXPECT_EQ(large(0, 0), 0.0);
}

// Each internal error shows an error box and ends the program with -1.
using CMatrixDeathTest = ::testing::Test;

TEST(CMatrixDeathTest, InvalidDimensionsEndTheProgram) {
  EXPECT_EXIT(
      {
        test::CScriptedUser user;
        CMatrix m(0, 5);
      },
      ::testing::ExitedWithCode(255), "Array dimensions invalid - 0, 5");
  EXPECT_EXIT(
      {
        test::CScriptedUser user;
        CMatrix m(4, -2);
      },
      ::testing::ExitedWithCode(255), "Array dimensions invalid - 4, -2");
}

TEST(CMatrixDeathTest, SubscriptsOutOfRangeEndTheProgram) {
  EXPECT_EXIT(
      {
        test::CScriptedUser user;
        CMatrix m(2, 3);
        m(2, 0) = 1.0;
      },
      ::testing::ExitedWithCode(255), "Subscript overflow - subscripts 2, 0");
  EXPECT_EXIT(
      {
        test::CScriptedUser user;
        const CMatrix m(2, 3);
        double d = m(0, -1);
        (void)d;
      },
      ::testing::ExitedWithCode(255), "Subscript overflow - subscripts 0, -1");
}

TEST(CMatrixDeathTest, AFailedAllocationEndsTheProgram) {
  EXPECT_EXIT(
      {
        test::CScriptedUser user;
        CMatrix m(2000000000, 2000000000);
      },
      ::testing::ExitedWithCode(255), "Cannot create array 2000000000, 2000000000");
}

}  // namespace
}  // namespace zev
