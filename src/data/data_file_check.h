#pragma once
// Checking values read from the data files. The loaders refuse a file that
// would make the game unsafe (numbers beyond 16 bits, things without a record,
// a board off the screen); the first problem found is kept and reported, in
// German and naming the file, the section, the key and the value.
#include <cstdint>
#include <string>
#include <string_view>

namespace sd {

class IniFile;

// Reasons, as the player reads them (Windows-1252 text).
inline constexpr std::string_view kNotAnInteger = "keine ganze Zahl";
inline constexpr std::string_view kOutside16Bits = "au\xDF" "erhalb von -32768 bis 32767";
inline constexpr std::string_view kNegative = "darf nicht negativ sein";

// `worlds.dat, [Global] Raster_width = "abc": keine ganze Zahl`; the value with
// its control characters written out (ValueForMessage).
std::string ValueProblemText(std::string_view file, std::string_view section, std::string_view key,
                             std::string_view value, std::string_view reason);

// A key made of a fixed part and a number ("3_Schild", "12R", "World7"),
// built in place so that looking it up allocates nothing.
class NumberedKey {
public:
    NumberedKey(std::string_view prefix, long number, std::string_view suffix = {});
    NumberedKey(long number, std::string_view suffix) : NumberedKey({}, number, suffix) {}
    std::string_view view() const { return {text_, size_}; }
    operator std::string_view() const { return view(); }
    std::string str() const { return std::string(view()); }

private:
    char text_[48];
    size_t size_ = 0;
};

class DataFileCheck {
public:
    explicit DataFileCheck(std::string file) : file_(std::move(file)) {}
    bool failed() const { return !problem_.empty(); }
    const std::string& problem() const { return problem_; }
    const std::string& file() const { return file_; }

    // Keeps the message when it is the first problem.
    void fail(std::string message);
    void fail(std::string_view section, std::string_view key, std::string_view value, std::string_view reason);

    // Integer text of section/key as a 16-bit number (rounded, ties to even).
    // An empty value gives emptyValue; text that is not a number, or a value
    // beyond 16 bits, is a problem and gives emptyValue too. raw receives the
    // text as read (a view into ini), for later messages.
    int16_t integerText(const IniFile& ini, std::string_view section, std::string_view key, int16_t emptyValue,
                        std::string_view* raw = nullptr);
    // Number text rounded to 16 bits (ties to even); beyond 16 bits is a problem
    // and gives 0.
    int16_t numberText16(std::string_view value, std::string_view section, std::string_view key);

private:
    std::string file_;
    std::string problem_;
};

}  // namespace sd
