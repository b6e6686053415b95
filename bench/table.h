#pragma once
// Rows of the benchmark table that scripts/bench prints: Markdown, so that the
// figures go into the README as printed.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

namespace Table {

inline void Row(const std::string &measure, const std::string &condition, const std::string &result,
                const std::string &spread, const std::string &target, const std::string &met)
{
    std::printf("| %s | %s | %s | %s | %s | %s |\n", measure.c_str(), condition.c_str(), result.c_str(),
                spread.c_str(), target.c_str(), met.c_str());
    std::fflush(stdout);
}

inline double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// A number with thousands separated by commas: 1650 -> "1,650".
inline std::string Number(double value, int decimals = 0)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, std::abs(value));
    std::string digits = text;
    const std::size_t point = std::min(digits.find('.'), digits.size());
    for (std::size_t i = point; i > 3; i -= 3)
        digits.insert(i - 3, ",");
    return (value < 0 && std::stod(text) != 0 ? "-" : "") + digits;
}

inline std::string Ms(double value, int decimals = 0) { return Number(value, decimals) + " ms"; }
inline std::string Mib(double value) { return Number(value, 1) + " MiB"; }

inline std::string Range(const std::vector<double> &values, int decimals, const char *unit)
{
    const auto [lo, hi] = std::minmax_element(values.begin(), values.end());
    return Number(*lo, decimals) + " to " + Number(*hi, decimals) + unit;
}
inline std::string MsRange(const std::vector<double> &values, int decimals = 0) { return Range(values, decimals, " ms"); }
inline std::string MibRange(const std::vector<double> &values) { return Range(values, 1, " MiB"); }

// "1 run", "5 runs".
inline std::string Count(int n, const std::string &what) { return std::to_string(n) + " " + what + (n == 1 ? "" : "s"); }

inline std::string Met(bool yes) { return yes ? "yes" : "**no**"; }

} // namespace Table
