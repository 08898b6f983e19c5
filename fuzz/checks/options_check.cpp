#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstring>
#include <string>

#include "core/number_text.h"
#include "fuzz/checks/fuzz_checks.h"
#include "forms/form5.h"

namespace vocari::fuzz {
namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// The leading number read another way: drop every space (the field skips them anywhere inside
// the number), then let from_chars take the longest number it can. It never reads "inf", "nan"
// or hexadecimal here, since those do not start with a digit or a point.
struct Expected {
  double value;
  bool outOfRange;
};
Expected leadingNumberByFromChars(std::string_view text) {
  std::string s;
  for (char c : text)
    if (c != ' ') s += c;
  std::size_t i = 0;
  bool negative = false;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';
  if (i == s.size() || !(isDigit(s[i]) || s[i] == '.')) return {0, false};
  double v = 0;
  const auto r = std::from_chars(s.data() + i, s.data() + s.size(), v, std::chars_format::general);
  if (r.ec == std::errc::invalid_argument) return {0, false};
  if (r.ec == std::errc::result_out_of_range) return {0, true};
  return {negative ? -v : v, false};
}

// Shortest fixed-point text: an optional minus, digits without a leading zero (except a lone
// zero before the point), an optional point followed by digits.
bool wellFormed(const std::string& s) {
  std::size_t i = s.empty() || s[0] != '-' ? 0 : 1;
  const std::size_t intStart = i;
  while (i < s.size() && isDigit(s[i])) ++i;
  if (i == intStart || (s[intStart] == '0' && i - intStart > 1)) return false;
  if (i == s.size()) return true;
  if (s[i] != '.' || i + 1 == s.size()) return false;
  for (++i; i < s.size(); ++i)
    if (!isDigit(s[i])) return false;
  return s.back() != '0';
}

Failure roundTrip(double x, const char* what) {
  if (!std::isfinite(x)) return std::nullopt;
  const std::string s = formatNumber(x);
  if (!wellFormed(s)) return std::string(what) + ": formatNumber wrote '" + s + "'";
  const double back = leadingNumber(s);
  if (back != x) return std::string(what) + ": '" + s + "' reads back as " + formatNumber(back);
  return std::nullopt;
}

std::string bitsText(double x) {
  char buf[64];
  const auto r = std::to_chars(buf, buf + sizeof buf, x);
  return std::string(buf, r.ptr);
}

}  // namespace

Failure checkOptions(std::string_view input) {
  const double v = leadingNumber(input);
  if (!std::isfinite(v)) return "leadingNumber gave a value that is not finite";
  const Expected want = leadingNumberByFromChars(input);
  if (want.outOfRange ? !(v == 0 || std::fabs(v) < DBL_MIN) : v != want.value)
    return "leadingNumber gave " + bitsText(v) + ", expected " + bitsText(want.value);
  if (leadingNumber(std::string(input) + "x") != v)
    return "a character after the number changed it";

  if (Failure f = roundTrip(v, "the field's number")) return f;
  if (input.size() >= sizeof(double)) {
    double raw;
    std::memcpy(&raw, input.data(), sizeof raw);
    if (Failure f = roundTrip(raw, ("the value " + bitsText(raw)).c_str())) return f;
  }

  // The options window: a key other than Enter holds OK back; Enter accepts a time of at least
  // 120 seconds and at most what the 16-bit copy holds, and ignores anything else.
  Settings settings;
  std::string labTem = "120";  // the clock as the main window shows an accepted time
  Form5 form(settings, false, [&] { labTem = formatNumber(settings.gameTime); });
  form.Form_Load();
  form.Text1.text = std::string(input);
  form.Text1_KeyUp(40);
  if (form.Command1.enabled || !form.Label5.visible)
    return "a key other than Enter left OK enabled";
  form.Text1_KeyUp(Form5::kEnterKey);
  const bool accepted = v >= Form5::kMinGameTime && v <= Form5::kMaxGameTime;
  if (!accepted) {
    if (settings.gameTime != 120 || labTem != "120" ||
        form.Command1.enabled || !form.Label5.visible)
      return "a time of " + bitsText(v) + " was not ignored";
    return std::nullopt;
  }
  if (settings.gameTime != v) return "gameTime is not the number typed";
  if (leadingNumber(labTem) != v)
    return "LabTem '" + labTem + "' does not read back";
  if (form.Label1.caption !=
      "- Tempo partita (" + std::to_string(std::lround(std::nearbyint(v))) + "sec)")
    return "Label1 is '" + form.Label1.caption + "'";
  if (!form.Text1.text.empty() || form.Label5.visible || !form.Command1.enabled)
    return "the accepted time left the field, hint or OK in the wrong state";
  return std::nullopt;
}

}  // namespace vocari::fuzz
