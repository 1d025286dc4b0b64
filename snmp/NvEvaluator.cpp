#include "NvEvaluator.h"

#include <charconv>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <ctime>
#include <locale.h>

#include "NvSNMPError.h"

namespace {

const std::string::size_type npos = std::string::npos;

bool IsBlank(char c) { return static_cast<unsigned char>(c) <= ' '; }

std::string Trim(const std::string& text) {
  size_t b = 0, e = text.size();
  while (b < e && IsBlank(text[b])) ++b;
  while (e > b && IsBlank(text[e - 1])) --e;
  return text.substr(b, e - b);
}

bool SameTextNoCase(const std::string& a, const char* b) {
  size_t i = 0;
  for (; i < a.size() && b[i]; ++i)
    if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
      return false;
  return i == a.size() && !b[i];
}

// Number texts are read and written the same way whatever locale the window layer set.
double ReadLeadingNumber(const std::string& text) {
  static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
  return strtod_l(text.c_str(), nullptr, cLocale);
}

// A negative result of a parenthesised part cannot go back into the text as a number: its
// "-" would split the text again (2*(1-3) would become 2*-2). It goes in as a mark that
// refers to the value instead.
const char HeldMark = '\x7f';

double LeftOperand(const std::string& text, const std::vector<double>& held) {
  const std::string t = Trim(text);
  if (SameTextNoCase(t, "NOW")) return NvNowAsDateTime();
  if (!t.empty() && t[0] == HeldMark) {
    const size_t k = std::strtoul(t.c_str() + 1, nullptr, 10);
    return k < held.size() ? held[k] : 0;
  }
  return ReadLeadingNumber(text);
}

// x with 15 significant digits, either in the library's general form (exponent when the value
// is very large or very small) or always positional.
std::string FormatFloat(double x, bool allowExponent) {
  if (std::isnan(x)) return "NAN";
  if (std::isinf(x)) return x < 0 ? "-INF" : "INF";
  if (x == 0) return "0";
  char buf[64];
  auto r = std::to_chars(buf, buf + sizeof buf, x, std::chars_format::scientific, 14);
  const std::string sci(buf, r.ptr);  // [-]d.ddddddddddddddde[+-]dd
  const size_t ePos = sci.find('e');
  const bool negative = sci[0] == '-';
  std::string digits;
  for (size_t i = negative ? 1 : 0; i < ePos; ++i)
    if (sci[i] != '.') digits += sci[i];
  while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
  const int exponent = std::atoi(sci.c_str() + ePos + 1);

  std::string out = negative ? "-" : "";
  if (allowExponent && (exponent >= 15 || exponent < -5)) {
    out += digits[0];
    if (digits.size() > 1) out += "." + digits.substr(1);
    return out + "E" + std::to_string(exponent);
  }
  if (exponent < 0) return out + "0." + std::string(-exponent - 1, '0') + digits;
  const size_t intDigits = static_cast<size_t>(exponent) + 1;
  if (digits.size() <= intDigits) return out + digits + std::string(intDigits - digits.size(), '0');
  return out + digits.substr(0, intDigits) + "." + digits.substr(intDigits);
}

// Position of the ")" that closes the "(" at open, npos when it is never closed. Brackets
// inside [skipFrom, skipTo] (a quoted text) do not count.
size_t MatchingParen(const std::string& t, size_t open, size_t skipFrom = npos, size_t skipTo = npos) {
  int depth = 0;
  for (size_t p = open; p < t.size(); ++p) {
    if (skipFrom != npos && p > skipFrom && p < skipTo) continue;
    if (t[p] == '(') ++depth;
    else if (t[p] == ')' && --depth == 0) return p;
  }
  return npos;
}

[[noreturn]] void ThrowBadLogicOperand() { NvThrowError(NvErr::BadLogicOperand); }

double EvalNumber(const std::string& text, std::vector<double>& held) {
  // The right operand of every split is evaluated in place; its left operands wait here, so
  // a long chain of operators needs no deep recursion. a-b-c is a-(b-c), as the rules say.
  struct Pending {
    char op;
    double left;
  };
  std::vector<Pending> pending;
  std::string t = text;
  // The text still to read starts at `at`; the next bracket and operators are searched
  // again only once passed, so a long chain is read in one pass.
  size_t at = 0;
  const char ops[] = {'+', '-', '*', '/'};
  size_t next[4];
  auto findAll = [&] {
    for (int k = 0; k < 4; ++k) next[k] = t.find(ops[k], at);
  };
  size_t open = t.find('(');
  findAll();
  double value;
  for (;;) {
    if (open != npos && open < at) open = t.find('(', at);
    const size_t close = open == npos ? npos : MatchingParen(t, open);
    if (close != npos) {
      const double inner = EvalNumber(t.substr(open + 1, close - open - 1), held);
      // Positional form, so that an exponent's sign is never taken for an operator.
      std::string replacement = FormatFloat(inner, false);
      if (replacement[0] == '-') {
        replacement = HeldMark + std::to_string(held.size());
        held.push_back(inner);
      }
      t.replace(open, close - open + 1, replacement);
      open = t.find('(', open);
      findAll();
      continue;
    }
    size_t p = npos;
    char op = 0;
    for (int k = 0; k < 4; ++k) {
      if (next[k] != npos && next[k] < at) next[k] = t.find(ops[k], at);
      if ((p = next[k]) != npos) {
        op = ops[k];
        break;
      }
    }
    if (!op) {
      value = LeftOperand(t.substr(at), held);
      break;
    }
    const std::string left = t.substr(at, p - at);
    pending.push_back({op, op == '+' || op == '-' ? EvalNumber(left, held) : LeftOperand(left, held)});
    at = p + 1;
  }
  for (auto it = pending.rbegin(); it != pending.rend(); ++it) {
    switch (it->op) {
      case '+': value = it->left + value; break;
      case '-': value = it->left - value; break;
      case '*': value = it->left * value; break;
      default: value = it->left / value; break;
    }
  }
  return value;
}

}  // namespace

double NvExprEvalNumber(const std::string& text) {
  std::vector<double> held;
  return EvalNumber(text, held);
}

bool NvExprEvalBool(const std::string& text) {
  std::string t = text;
  bool negate = false;  // the tail of the text is evaluated in place, under this many "!"
  for (;;) {
    // The first quoted text protects its operators.
    const size_t a = t.find('"');
    const size_t b = a == npos ? npos : t.find('"', a + 1);
    auto inside = [&](size_t p) { return a != npos && b != npos && a < p && p < b; };
    auto firstOutside = [&](char c) {
      size_t p = t.find(c);
      while (p != npos && inside(p)) p = t.find(c, p + 1);
      return p;
    };

    const size_t open = firstOutside('(');
    const size_t close = open == npos ? npos : MatchingParen(t, open, a, b == npos ? a : b);
    if (close != npos) {
      const bool inner = NvExprEvalBool(t.substr(open + 1, close - open - 1));
      t = t.substr(0, open) + (inner ? "true" : "false") + t.substr(close + 1);
      continue;
    }
    if (const size_t p = firstOutside('|'); p != npos) {
      if (NvExprEvalBool(t.substr(0, p))) return !negate;
      t = t.substr(p + 1);
      continue;
    }
    if (const size_t p = firstOutside('&'); p != npos) {
      if (!NvExprEvalBool(t.substr(0, p))) return negate;
      t = t.substr(p + 1);
      continue;
    }
    if (const size_t p = firstOutside('!'); p != npos) {
      if (!Trim(t.substr(0, p)).empty()) ThrowBadLogicOperand();
      negate = !negate;
      t = t.substr(p + 1);
      continue;
    }
    return NvExprCompare(t) != negate;
  }
}

bool NvExprCompare(const std::string& text) {
  static const std::vector<std::string> operators = {"<>", ">=", "<=", ">", "<", "="};
  std::string left, right;
  const int op = NvSplitAtOperator(operators, text, left, right);
  if (op < 0) {
    const std::string word = Trim(text);
    if (SameTextNoCase(word, "true")) return true;
    if (SameTextNoCase(word, "false")) return false;
    ThrowBadLogicOperand();
  }
  auto side = [](const std::string& s) {
    std::string v = NvUnquote(Trim(s));
    return SameTextNoCase(v, "NOW") ? NvFloatToStr(NvNowAsDateTime()) : v;
  };
  const int c = side(left).compare(side(right));  // byte-wise, unsigned, with case
  switch (op) {
    case 0: return c != 0;
    case 1: return c >= 0;
    case 2: return c <= 0;
    case 3: return c > 0;
    case 4: return c < 0;
    default: return c == 0;
  }
}

int NvSplitAtOperator(const std::vector<std::string>& operators, const std::string& text,
                      std::string& left, std::string& right) {
  for (size_t i = 0; i < operators.size(); ++i) {
    const std::string& op = operators[i];
    if (op.empty()) continue;
    const size_t p = text.find(op);
    if (p == npos) continue;
    left = text.substr(0, p);
    right = text.substr(p + op.size());
    return static_cast<int>(i);
  }
  return -1;
}

std::string NvUnquote(const std::string& text) {
  if (text.empty() || text.front() != '"' || text.back() != '"') return text;
  if (text.size() == 1) return std::string();  // a lone quote opens and closes nothing
  return text.substr(1, text.size() - 2);
}

std::string NvFloatToStr(double x) { return FormatFloat(x, true); }

double NvNowAsDateTime() {
  using namespace std::chrono;
  const auto now = system_clock::now();
  const std::time_t secs = system_clock::to_time_t(now);
  const auto ms = duration_cast<milliseconds>(now.time_since_epoch()).count() % 1000;
  std::tm local{};
  localtime_r(&secs, &local);
  const auto day = sys_days(year(local.tm_year + 1900) / (local.tm_mon + 1) / local.tm_mday);
  const auto epoch = sys_days(year(1899) / 12 / 30);
  const double days = static_cast<double>((day - epoch).count());
  const double seconds = local.tm_hour * 3600.0 + local.tm_min * 60.0 + local.tm_sec + (ms < 0 ? 0 : ms) / 1000.0;
  return days + seconds / 86400.0;
}
