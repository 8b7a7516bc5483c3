#pragma once
// What the route redistribution editor allows for a pair of protocols: the
// metric range it shows and checks, and the route types it offers. A type
// radio button N (1 "other" to 10 "extType2") stands for Type value N.

#include <bitset>
#include <optional>
#include <string>
#include <string_view>

inline constexpr int RouteTypeRadioCount = 10;

struct RedistributionPairRule {
    std::string_view RangeText;                  // shown beside the metric
    std::bitset<RouteTypeRadioCount + 1> Radios;  // bit N: radio button N enabled
};

// The rule of a destination and source protocol (the combos' texts), or
// none where the editor leaves the range and the radio buttons as they are
// (no destination, or rip into rip or from no source).
std::optional<RedistributionPairRule> RedistributionRuleFor(std::string_view destination, std::string_view source);

// Why a metric cannot go to the destination ("Metric out of Bound [0..16]"),
// or none when it can.
std::optional<std::string> MetricRefusal(std::string_view destination, long long metric);

// Why a route type (its value and label) cannot go from the source into the
// destination ("Route type \"all\" cannot be redistributed from static into
// ospf."), or none where the pair allows it or has no rule.
std::optional<std::string> RouteTypeRefusal(std::string_view destination, std::string_view source, int typeValue,
                                            std::string_view typeLabel);

// The position in the type box of radio button N's value (-1 for "other",
// which is no entry), and the radio button of a type value.
int TypePositionOfRadio(int radio);
int RadioOfTypeValue(int typeValue);
