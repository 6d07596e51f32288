// Checking values read from the data files.
#include "data/data_file_check.h"

#include <algorithm>
#include <charconv>
#include <limits>

#include "data/ini_file.h"
#include "data/message_text.h"
#include "data/number_text.h"
#include "base/rounding.h"

namespace sd {

namespace {

bool Fits16(double rounded) {
    return rounded >= std::numeric_limits<int16_t>::min() && rounded <= std::numeric_limits<int16_t>::max();
}

// Appends as much of part as fits in [out, end).
char* Append(char* out, char* end, std::string_view part) {
    const size_t n = std::min(part.size(), static_cast<size_t>(end - out));
    std::copy_n(part.data(), n, out);
    return out + n;
}

}  // namespace

NumberedKey::NumberedKey(std::string_view prefix, long number, std::string_view suffix) {
    char* const end = text_ + sizeof text_;
    char* out = Append(text_, end, prefix);
    // A long has at most 20 characters; the fixed parts of our keys are short.
    char digits[24];
    const auto r = std::to_chars(digits, digits + sizeof digits, number);
    out = Append(out, end, std::string_view(digits, static_cast<size_t>(r.ptr - digits)));
    out = Append(out, end, suffix);
    size_ = static_cast<size_t>(out - text_);
}

std::string ValueProblemText(std::string_view file, std::string_view section, std::string_view key,
                             std::string_view value, std::string_view reason) {
    std::string m;
    m.append(file).append(", [").append(section).append("] ").append(key);
    m.append(" = \"").append(ValueForMessage(value)).append("\": ").append(reason);
    return m;
}

void DataFileCheck::fail(std::string message) {
    if (problem_.empty()) problem_ = std::move(message);
}

void DataFileCheck::fail(std::string_view section, std::string_view key, std::string_view value,
                         std::string_view reason) {
    if (problem_.empty()) problem_ = ValueProblemText(file_, section, key, value, reason);
}

int16_t DataFileCheck::integerText(const IniFile& ini, std::string_view section, std::string_view key,
                                   int16_t emptyValue, std::string_view* raw) {
    const std::string_view text = ini.find(section, key);
    if (raw != nullptr) *raw = text;
    if (text.empty()) return emptyValue;
    const std::optional<double> v = IntegerTextValue(text);
    if (!v) {
        fail(section, key, text, kNotAnInteger);
        return emptyValue;
    }
    const double r = RoundEven(*v);
    if (!Fits16(r)) {
        fail(section, key, text, kOutside16Bits);
        return emptyValue;
    }
    return static_cast<int16_t>(r);
}

int16_t DataFileCheck::numberText16(std::string_view value, std::string_view section, std::string_view key) {
    const double r = RoundEven(NumberTextValue(value));
    if (!Fits16(r)) {
        fail(section, key, value, kOutside16Bits);
        return 0;
    }
    return static_cast<int16_t>(r);
}

}  // namespace sd
