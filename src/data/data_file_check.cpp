// Checking values read from the data files.
#include "data/data_file_check.h"

#include <limits>

#include "data/ini_file.h"
#include "data/number_text.h"
#include "base/rounding.h"

namespace sd {

namespace {

bool Fits16(double rounded) {
    return rounded >= std::numeric_limits<int16_t>::min() && rounded <= std::numeric_limits<int16_t>::max();
}

}  // namespace

std::string ValueProblemText(std::string_view file, std::string_view section, std::string_view key,
                             std::string_view value, std::string_view reason) {
    std::string m;
    m.append(file).append(", [").append(section).append("] ").append(key);
    m.append(" = \"").append(value).append("\": ").append(reason);
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
                                   int16_t emptyValue, std::string* raw) {
    const std::string text = ini.value(std::string(section), std::string(key));
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
