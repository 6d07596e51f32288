#pragma once
// The two ways the data files write numbers.
#include <optional>
#include <string_view>

namespace sd {

// Integer text: the whole value (blanks around it ignored) read as a decimal
// number. Gives nullopt when the text is not a number as a whole ("abc", "4x",
// empty). The caller rounds (RoundEven) and checks the range.
std::optional<double> IntegerTextValue(std::string_view text);

// Number text: the number at the start of the text (optional sign, digits, a
// point as decimal separator, optional exponent); the rest is ignored, and a
// text that does not start with a number counts as 0. Never NaN or infinite:
// values beyond the double range saturate.
double NumberTextValue(std::string_view text);

}  // namespace sd
