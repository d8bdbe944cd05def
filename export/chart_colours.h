#pragma once

#include <array>
#include <string_view>

namespace vellaro::chart_colour {

// Mid-tone colours that read on a light page and on a dark one alike, each used by one kind
// of mark only, so that a picture of the page shows which charts were drawn.
inline constexpr std::string_view kBars = "#4f86c6";
inline constexpr std::string_view kOuterBand = "#b4cfec";
inline constexpr std::string_view kInnerBand = "#77a7dc";
inline constexpr std::string_view kMedianLine = "#1d4f91";
inline constexpr std::string_view kNetLine = "#2f6f3e";
inline constexpr std::string_view kWon = "#1e961e";
inline constexpr std::string_view kLost = "#c81e1e";
inline constexpr std::string_view kStake = "#7878dc";
inline constexpr std::string_view kResetOrSetting = "#d29f04";
inline constexpr std::string_view kMean = "#e0781c";
inline constexpr std::string_view kMedian = "#8a3cc2";
inline constexpr std::string_view kPercentile = "#7a7a7a";
inline constexpr std::string_view kZero = "#222222";
inline constexpr std::string_view kReference = "#c81e78";
inline constexpr std::string_view kInterval = "#1d4f91";
// One per series where several are drawn on one chart, in order.
inline constexpr std::array<std::string_view, 6> kSeries = {"#a03c3c", "#3c8c3c", "#3c3ca0",
                                                            "#96641a", "#646464", "#8c288c"};

}  // namespace vellaro::chart_colour
