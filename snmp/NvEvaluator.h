// Evaluators of value expressions and row conditions.
//
// The caller substitutes "$n" by the variables' values first (NvSNMPRequest::SubstituteValues):
// without quotes for a value expression, with texts in double quotes for a condition.
//
//   double x = NvExprEvalNumber("7*10");               // 70
//   bool shown = NvExprEvalBool("\"up\"=\"up\" & 3>2"); // true
//
// Failures throw Exception with the program code as HelpContext: -1 " Bad logic operand!" for
// a condition part that is neither a comparison nor true/false. Numbers never fail: a text that
// is not a number counts as 0.
#pragma once

#include <string>
#include <vector>

// Value of an arithmetic expression: parentheses first, then the first "+", "-", "*", "/" (in
// that order) splits the text; "NOW" is the current date-time real.
double NvExprEvalNumber(const std::string& text);

// Value of a condition: parentheses, then "|", "&", "!", then one comparison. Operators inside
// the first quoted text do not split it.
bool NvExprEvalBool(const std::string& text);

// One comparison ("<>", ">=", "<=", ">", "<", "=") of two texts, byte by byte, or "true"/"false".
bool NvExprCompare(const std::string& text);

// Index in operators of the first operator (in list order) that occurs in text, with the parts
// before and after its first occurrence; -1 (left and right untouched) when none occurs.
int NvSplitAtOperator(const std::vector<std::string>& operators, const std::string& text,
                      std::string& left, std::string& right);

// text without its enclosing double quotes when it begins and ends with one; else unchanged.
std::string NvUnquote(const std::string& text);

// The window library's general float text: up to 15 significant digits, exponent written as
// "1E20" / "1E-7". Independent of the process locale.
std::string NvFloatToStr(double x);

// The current local date and time as a date-time real: days since 1899-12-30, the fraction
// being the time of day.
double NvNowAsDateTime();
