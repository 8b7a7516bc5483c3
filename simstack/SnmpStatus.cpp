#include "simstack/SnmpStatus.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>

namespace simstack {
namespace {

constexpr std::array<std::string_view, 19> kNames = {
    "noError",      "tooBig",           "noSuchName",          "badValue",
    "readOnly",     "genErr",           "noAccess",            "wrongType",
    "wrongLength",  "wrongEncoding",    "wrongValue",          "noCreation",
    "inconsistentValue", "resourceUnavailable", "commitFailed", "undoFailed",
    "authorizationError", "notWritable", "inconsistentName",
};

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

}  // namespace

std::optional<SnmpStatus> ParseSnmpStatus(std::string_view text) {
    int number = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (error == std::errc() && end == text.data() + text.size()) {
        if (number >= 1 && number < static_cast<int>(kNames.size())) {
            return static_cast<SnmpStatus>(number);
        }
        return std::nullopt;
    }
    for (size_t i = 1; i < kNames.size(); ++i) {
        if (EqualsIgnoringCase(text, kNames[i])) return static_cast<SnmpStatus>(i);
    }
    return std::nullopt;
}

std::string_view SnmpStatusName(SnmpStatus status) {
    const auto index = static_cast<size_t>(status);
    return index < kNames.size() ? kNames[index] : std::string_view("unknown");
}

}  // namespace simstack
