#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace tarvelle {

// Net gain in dB of a product configuration's devices, cable excluded, at the
// four frequencies where the distance model is evaluated. Negative is a loss.
enum class GainColumn { At55, At450, At550, At860 };

struct ProductGains {
    double at55 = 0;
    double at450 = 0;
    double at550 = 0;
    double at860 = 0;

    constexpr double operator[](GainColumn column) const {
        switch (column) {
            case GainColumn::At55:
                return at55;
            case GainColumn::At450:
                return at450;
            case GainColumn::At550:
                return at550;
            case GainColumn::At860:
                return at860;
        }
        return 0;
    }
};

struct ProductConfiguration {
    std::string_view listText;
    ProductGains gains;
};

inline constexpr std::array<ProductConfiguration, 3> kProductConfigurations{{
    {"Vidra Balun (281657) to Vidra Balun (281657)", {-0.5, -1.4, -2.2, -2.6}},
    {"Vidra Hub 8-Port (281640) to Vidra Balun (281657)", {0, 15.2, 15, 15}},
    {"Vidra Hub 16-port (281662) to Vidra Balun (281657)", {-2, 13, 13, 11}},
}};

// A list position without a row (-1 for nothing selected) has no gain at all.
constexpr ProductGains productGains(std::int16_t position) {
    for (std::size_t row = 0; row < kProductConfigurations.size(); ++row) {
        if (position == static_cast<std::int16_t>(row)) {
            return kProductConfigurations[row].gains;
        }
    }
    return {};
}

// Which receiver window an evaluation point is checked against.
enum class Band { Analog, Digital };

struct EvaluationPoint {
    double frequencyMHz;
    GainColumn gainColumn;
    Band band;
};

using FrequencyPlan = std::array<EvaluationPoint, 4>;

// Each plan splits 55-860 MHz at its split frequency; the split frequency is
// evaluated twice, once against each band's receiver window.
inline constexpr FrequencyPlan kPlan1{{
    {55, GainColumn::At55, Band::Analog},
    {450, GainColumn::At450, Band::Analog},
    {450, GainColumn::At450, Band::Digital},
    {860, GainColumn::At860, Band::Digital},
}};

inline constexpr FrequencyPlan kPlan2{{
    {55, GainColumn::At55, Band::Analog},
    {550, GainColumn::At550, Band::Analog},
    {550, GainColumn::At550, Band::Digital},
    {860, GainColumn::At860, Band::Digital},
}};

}  // namespace tarvelle
