#pragma once

#include <cstdio>
#include <iterator>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>

// Names of parameterised cases. gtest takes letters, digits and '_' only, and ctest must see the
// same names on every run, so they are spelt from the case's own values: Russian letters in
// Latin, the signs that tell parser inputs apart as short words, control bytes in hex.
namespace testnames {

// Signs and hex bytes are words with a '_' either side; each blank is one '_' of its own, so
// "-5", "- 5" and " -5" stay three names.
struct Name {
    std::string out;
    bool afterWord = false;

    void raw(std::string_view text) {
        if (afterWord)
            out += '_';
        afterWord = false;
        out += text;
    }
    void word(std::string_view w) {
        if (!out.empty())
            out += '_';
        out += w;
        afterWord = true;
    }
};

inline void append(Name& name, char32_t c) {
    static constexpr std::string_view kRussian[] = {
        "A", "B", "V", "G", "D", "E", "Zh", "Z",  "I",  "J",    "K", "L", "M", "N", "O",  "P",
        "R", "S", "T", "U", "F", "H", "C",  "Ch", "Sh", "Shch", "",  "Y", "",  "E", "Yu", "Ya"};
    static constexpr std::pair<char32_t, std::string_view> kSigns[] = {
        {'+', "plus"}, {'-', "minus"}, {'$', "dollar"}, {'%', "percent"},
        {'#', "hash"}, {'.', "dot"},   {',', "comma"},  {':', "colon"},
        {'=', "eq"},   {'<', "lt"},    {'>', "gt"},     {'\t', "tab"},
        {'\r', "cr"},  {'\n', "lf"},   {'?', "query"},  {'@', "at"}};
    if ((c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')) {
        const char ascii = static_cast<char>(c);
        name.raw(std::string_view(&ascii, 1));
    } else if (c >= 0x410 && c < 0x430) {
        name.raw(kRussian[c - 0x410]);
    } else if (c >= 0x430 && c < 0x450) {
        std::string lower(kRussian[c - 0x430]);
        for (char& l : lower)
            l = static_cast<char>(l | 0x20);
        name.raw(lower);
    } else if (c == 0x401 || c == 0x451) {
        name.raw(c == 0x401 ? "E" : "e");
    } else if (c == ' ' || c == '_' || c == '/') {
        name.raw("_");
    } else {
        for (const auto& [sign, w] : kSigns)
            if (sign == c)
                return name.word(w);
        char hex[16];
        std::snprintf(hex, sizeof hex, "x%X", static_cast<unsigned>(c));
        name.word(hex);
    }
}

inline void appendUtf8(Name& name, std::string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto b = static_cast<unsigned char>(text[i]);
        if (b >= 0xC0 && b < 0xE0 && i + 1 < text.size())
            append(name, ((b & 0x1Fu) << 6) | (static_cast<unsigned char>(text[++i]) & 0x3Fu));
        else
            append(name, b);
    }
}

template <typename Part> void appendPart(Name& name, const Part& part) {
    const std::size_t before = name.out.size();
    name.afterWord = !name.out.empty();
    if constexpr (std::is_arithmetic_v<Part> || std::is_enum_v<Part>) {
        const auto value = static_cast<long long>(part);
        name.raw((value < 0 ? "minus" : "") + std::to_string(value < 0 ? -value : value));
    } else if constexpr (std::is_convertible_v<const Part&, std::u16string_view>) {
        for (char16_t c : std::u16string_view(part))
            append(name, c);
    } else if constexpr (requires { part.utf16(); }) { // QString, QStringView
        for (char16_t c : std::u16string_view(reinterpret_cast<const char16_t*>(part.utf16()),
                                              static_cast<std::size_t>(part.size())))
            append(name, c);
    } else if constexpr (std::is_convertible_v<const Part&, std::string_view>) {
        appendUtf8(name, std::string_view(part));
    } else { // a list of texts, such as the arguments of a command line
        for (const auto& item : part)
            appendPart(name, item);
    }
    if (name.out.size() == before)
        name.word("empty");
}

} // namespace testnames

// A case name from one or more values (texts of any kind, numbers, lists of texts), joined by '_'.
template <typename... Parts> std::string testName(const Parts&... parts) {
    testnames::Name name;
    (testnames::appendPart(name, parts), ...);
    return name.out;
}

// Raw bytes (commands, replies): letters and digits as they are, every other byte in hex.
inline std::string bytesName(std::string_view bytes) {
    testnames::Name name;
    for (char b : bytes) {
        const auto u = static_cast<unsigned char>(b);
        if ((u >= '0' && u <= '9') || (u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z')) {
            name.raw(std::string_view(&b, 1));
        } else {
            char hex[8];
            std::snprintf(hex, sizeof hex, "%02X", u);
            name.word(hex);
        }
    }
    return name.out.empty() ? std::string("empty") : name.out;
}

template <typename Bytes>
requires requires(const Bytes& b) {
    std::data(b);
}
std::string bytesName(const Bytes& bytes) {
    return bytesName(
        std::string_view(reinterpret_cast<const char*>(std::data(bytes)), std::size(bytes)));
}

// The generator for tables whose cases carry a name of their own.
inline constexpr auto byName = [](const auto& info) { return testName(info.param.name); };
