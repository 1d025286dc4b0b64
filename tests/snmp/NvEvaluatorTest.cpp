#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "Exception.h"
#include "NvEvaluator.h"

namespace {

TEST(NvEvaluator, NumbersFollowTheSplittingRules) {
  struct Case {
    const char* text;
    double value;
  };
  const Case cases[] = {
      {"2*3+1", 7},  {"10-4-3", 9},     {"6/2*3", 18},       {"(1+2)*4", 12},
      {"7*10", 70},  {"", 0},           {"abc", 0},          {"-5", -5},
      {"((2))", 2},  {" 3 + 4 ", 7},    {"2.5*2", 5},        {"(1+(2", 0},
      {"(8)/(2)", 4}, {"(1-3)*2", -4}, {"2*(1-3)", -4}, {"5-(1-3)", 7}, {"(2)(3)", 23},  {"(0.000001)*2", 0.000002}, {"(1E20)/1E10", 1E10},
      {"12abc+1", 13},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_DOUBLE_EQ(NvExprEvalNumber(c.text), c.value);
  }
  EXPECT_TRUE(std::isinf(NvExprEvalNumber("1/0")));
}

TEST(NvEvaluator, LongOperatorChainsNeedNoDeepRecursion) {
  std::string sum = "1";
  for (int i = 1; i < 50000; ++i) sum += "+1";
  EXPECT_DOUBLE_EQ(NvExprEvalNumber(sum), 50000);
}

TEST(NvEvaluator, NowIsTheCurrentDateTimeReal) {
  const double now = NvNowAsDateTime();
  EXPECT_GT(now, 45000);  // after 2023
  EXPECT_NEAR(NvExprEvalNumber("now"), now, 1.0 / 86400 * 5);
  EXPECT_NEAR(NvExprEvalNumber("NOW+1"), now + 1, 1.0 / 86400 * 5);
}

TEST(NvEvaluator, ConditionsCompareTextsByteByByte) {
  struct Case {
    const char* text;
    bool value;
  };
  const Case cases[] = {
      {"\"up\"=\"up\"", true},    {"10>9", false},           {"9>10", true},
      {"a<>b", true},             {"a<>a", false},           {"b>=a", true},
      {"a>=b", false},            {"a<=a", true},            {"b>a", true},
      {"a<b", true},              {"A=a", false},            {" \"x\" = x ", true},
      {"TRUE", true},             {"false", false},          {"true & false", false},
      {"false | true", true},     {"!(1=2)", true},          {" !true", false},
      {"!!true", true},           {"(1=1) & (2=3)", false},  {"(1=2) | ((3=3) & true)", true},
      {"true | x", true},         {"false & x", false},      {"\"a|b\"<>\"x\"", true},
      {"\"a|b\"=\"x\" | true", true},  {"\"a\"=\"b\" & \"c|true", true},  {"\"(\"=\"(\" & (1=1)", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    try {
      EXPECT_EQ(NvExprEvalBool(c.text), c.value);
    } catch (const Exception& e) {
      ADD_FAILURE() << e.Message;
    }
  }
}

TEST(NvEvaluator, ABareWordIsABadLogicOperand) {
  // A "|" in a later quoted text splits the condition: only the first one protects.
  for (const char* text : {"hello", "", "1=1 & maybe", "x!true", "\"a|b\"=\"a|b\""}) {
    SCOPED_TRACE(text);
    try {
      NvExprEvalBool(text);
      FAIL() << "no exception";
    } catch (const Exception& e) {
      EXPECT_EQ(e.HelpContext, -1);
      EXPECT_EQ(e.Message, " Bad logic operand!");
    }
  }
}

TEST(NvEvaluator, SplitTakesTheFirstOperatorOfTheList) {
  std::string left = "keep", right = "keep";
  EXPECT_EQ(NvSplitAtOperator({"=", "<"}, "a<b=c", left, right), 0);
  EXPECT_EQ(left, "a<b");
  EXPECT_EQ(right, "c");
  EXPECT_EQ(NvSplitAtOperator({"<>", "<"}, "a<>b<c", left, right), 0);
  EXPECT_EQ(right, "b<c");
  left = right = "keep";
  EXPECT_EQ(NvSplitAtOperator({"=", ""}, "abc", left, right), -1);
  EXPECT_EQ(left, "keep");
}

TEST(NvEvaluator, UnquoteRemovesOnlyEnclosingQuotes) {
  const std::pair<const char*, const char*> cases[] = {
      {"\"abc\"", "abc"}, {"\"\"", ""}, {"\"", ""}, {"", ""}, {"\"abc", "\"abc"}, {"a\"b\"", "a\"b\""}};
  for (const auto& [text, result] : cases) EXPECT_EQ(NvUnquote(text), result) << text;
}

TEST(NvEvaluator, FloatTextHasFifteenDigitsAndCompactExponents) {
  const std::pair<double, const char*> cases[] = {
      {7, "7"},          {0.5, "0.5"},       {-2.25, "-2.25"},   {1e20, "1E20"},
      {1.5e-7, "1.5E-7"}, {0.00001, "0.00001"}, {123456789012345678.0, "1.23456789012346E17"},
      {100, "100"},      {1.0 / 3, "0.333333333333333"}, {-0.0, "0"}};
  for (const auto& [x, text] : cases) EXPECT_EQ(NvFloatToStr(x), text) << text;
}

}  // namespace
