#include "features/RouteRedistributionRules.h"

#include <initializer_list>

namespace {

constexpr long long RipMetricMax = 16;
constexpr long long OspfMetricMax = 16777214;

// The type box lists the values from 2 ("all") on.
constexpr int FirstTypeValue = 2;

std::bitset<RouteTypeRadioCount + 1> Radios(std::initializer_list<int> numbers) {
    std::bitset<RouteTypeRadioCount + 1> bits;
    for (int n : numbers) bits.set(static_cast<size_t>(n));
    return bits;
}

}  // namespace

std::optional<RedistributionPairRule> RedistributionRuleFor(std::string_view destination, std::string_view source) {
    if (destination == "ospf") return RedistributionPairRule{"[0..16777214]", Radios({3, 4})};
    if (destination != "rip") return std::nullopt;
    if (source == "ospf") return RedistributionPairRule{"[0..16]", Radios({1, 2, 5, 6, 7, 8, 9, 10})};
    if (source == "static" || source == "local") return RedistributionPairRule{"[0..16]", Radios({2})};
    return std::nullopt;
}

std::optional<std::string> MetricRefusal(std::string_view destination, long long metric) {
    if (destination == "rip" && (metric < 0 || metric > RipMetricMax)) return "Metric out of Bound [0..16]";
    if (destination == "ospf" && (metric < 0 || metric > OspfMetricMax)) return "Metric out of Bound [0..16777214]";
    return std::nullopt;
}

std::optional<std::string> RouteTypeRefusal(std::string_view destination, std::string_view source, int typeValue,
                                            std::string_view typeLabel) {
    const auto rule = RedistributionRuleFor(destination, source);
    const int radio = RadioOfTypeValue(typeValue);
    if (!rule || (radio >= 1 && radio <= RouteTypeRadioCount && rule->Radios.test(static_cast<size_t>(radio))))
        return std::nullopt;
    return "Route type \"" + std::string(typeLabel) + "\" cannot be redistributed from " + std::string(source) +
           " into " + std::string(destination) + ".";
}

int TypePositionOfRadio(int radio) { return radio - FirstTypeValue; }

int RadioOfTypeValue(int typeValue) { return typeValue; }
