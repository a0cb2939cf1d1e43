#include "cli/report.h"

#include <iomanip>

#include "engine/distance_model.h"
#include "engine/fixed_format.h"

namespace tarvelle::cli {

namespace {

std::string fixed(double value) {
    return formatFixed(value, ".");
}

std::string jsonString(std::string_view text) {
    std::string quoted = "\"";
    for (const char c : text) {
        switch (c) {
            case '"':
                quoted += "\\\"";
                break;
            case '\\':
                quoted += "\\\\";
                break;
            default:
                if (static_cast<unsigned char>(c) < 0x20) {
                    constexpr char kHex[] = "0123456789abcdef";
                    quoted += "\\u00";
                    quoted += kHex[(c >> 4) & 0xf];
                    quoted += kHex[c & 0xf];
                } else {
                    quoted += c;
                }
        }
    }
    return quoted + "\"";
}

std::string csvField(std::string_view text) {
    if (text.find_first_of(",\"\n") == std::string_view::npos) {
        return std::string(text);
    }
    std::string quoted = "\"";
    for (const char c : text) {
        quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    }
    return quoted + "\"";
}

void textResults(std::ostream& out, const Results& distances, const std::optional<Budget>& budget) {
    out << std::left << std::setw(20) << "" << std::right << std::setw(12) << "feet"
        << std::setw(12) << "metres" << '\n';
    for (std::size_t i = 0; i < kDistanceNames.size(); ++i) {
        std::string name(kDistanceNames[i]);
        name[0] = static_cast<char>(std::toupper(name[0]));
        out << std::left << std::setw(20) << name << std::right << std::setw(12)
            << distances.texts[2 * i] << std::setw(12) << distances.texts[2 * i + 1] << '\n';
    }
    if (distances.warning) {
        out << *distances.warning << '\n';
    }
    if (!budget) {
        return;
    }
    out << "\nLevel budget of a " << fixed(budget->lengthMeters) << " m ("
        << fixed(MetersToFeet(budget->lengthMeters)) << " ft) run, levels in dBmV, losses in dB\n"
        << std::left << std::setw(20) << "" << std::right << std::setw(8) << "MHz" << std::setw(10)
        << "source" << std::setw(12) << "loss/100m" << std::setw(10) << "received" << std::setw(12)
        << "above min" << std::setw(12) << "below max" << '\n';
    for (std::size_t e = 0; e < budget->edges.size(); ++e) {
        const EdgeLevel& edge = budget->edges[e];
        out << std::left << std::setw(20) << kEdgeNames[e] << std::right << std::setw(8)
            << edge.point.frequencyMHz << std::setw(10) << fixed(edge.levelIntoCable)
            << std::setw(12) << fixed(edge.lossPer100m) << std::setw(10) << fixed(edge.received)
            << std::setw(12) << fixed(marginToMinimum(edge)) << std::setw(12)
            << fixed(marginToMaximum(edge)) << '\n';
    }
    out << "Cable tilt: analog band " << fixed(budget->analogTilt) << " dB, digital band "
        << fixed(budget->digitalTilt) << " dB\n";
}

void csvResults(std::ostream& out, const Results& distances, const std::optional<Budget>& budget) {
    out << "distance,feet,metres\n";
    for (std::size_t i = 0; i < kDistanceNames.size(); ++i) {
        out << kDistanceNames[i] << ',' << distances.texts[2 * i] << ','
            << distances.texts[2 * i + 1] << '\n';
    }
    if (!budget) {
        return;
    }
    out << "\nedge,frequency_mhz,source_dbmv,loss_db_per_100m,received_dbmv,"
           "margin_to_minimum_db,margin_to_maximum_db\n";
    for (std::size_t e = 0; e < budget->edges.size(); ++e) {
        const EdgeLevel& edge = budget->edges[e];
        out << kEdgeNames[e] << ',' << edge.point.frequencyMHz << ',' << fixed(edge.levelIntoCable)
            << ',' << fixed(edge.lossPer100m) << ',' << fixed(edge.received) << ','
            << fixed(marginToMinimum(edge)) << ',' << fixed(marginToMaximum(edge)) << '\n';
    }
    out << "\nband,tilt_db\nanalog," << fixed(budget->analogTilt) << "\ndigital,"
        << fixed(budget->digitalTilt) << '\n';
}

void jsonResults(std::ostream& out, const Results& distances, const std::optional<Budget>& budget) {
    out << "{\n  \"distances\": [\n";
    for (std::size_t i = 0; i < kDistanceNames.size(); ++i) {
        out << "    {\"name\": " << jsonString(kDistanceNames[i])
            << ", \"feet\": " << distances.texts[2 * i]
            << ", \"metres\": " << distances.texts[2 * i + 1] << '}'
            << (i + 1 < kDistanceNames.size() ? ",\n" : "\n");
    }
    out << "  ],\n  \"warning\": " << (distances.warning ? jsonString(*distances.warning) : "null");
    if (budget) {
        out << ",\n  \"budget\": {\n    \"length_m\": " << fixed(budget->lengthMeters)
            << ",\n    \"edges\": [\n";
        for (std::size_t i = 0; i < budget->edges.size(); ++i) {
            const EdgeLevel& edge = budget->edges[i];
            out << "      {\"edge\": " << jsonString(kEdgeNames[i])
                << ", \"frequency_mhz\": " << edge.point.frequencyMHz
                << ", \"source_dbmv\": " << fixed(edge.levelIntoCable)
                << ", \"loss_db_per_100m\": " << fixed(edge.lossPer100m)
                << ", \"received_dbmv\": " << fixed(edge.received)
                << ", \"margin_to_minimum_db\": " << fixed(marginToMinimum(edge))
                << ", \"margin_to_maximum_db\": " << fixed(marginToMaximum(edge)) << '}'
                << (i + 1 < budget->edges.size() ? ",\n" : "\n");
        }
        out << "    ],\n    \"analog_tilt_db\": " << fixed(budget->analogTilt)
            << ",\n    \"digital_tilt_db\": " << fixed(budget->digitalTilt) << "\n  }";
    }
    out << "\n}\n";
}

}  // namespace

void printResults(std::ostream& out, Format format, const Results& distances,
                  const std::optional<Budget>& budget) {
    switch (format) {
        case Format::Text:
            textResults(out, distances, budget);
            break;
        case Format::Csv:
            csvResults(out, distances, budget);
            break;
        case Format::Json:
            jsonResults(out, distances, budget);
            break;
    }
}

void printRunVerdicts(std::ostream& out, Format format, const std::vector<RunVerdict>& verdicts,
                      std::size_t malformedRows) {
    std::size_t passed = 0;
    for (const RunVerdict& verdict : verdicts) {
        passed += verdict.pass ? 1 : 0;
    }
    const std::size_t failed = verdicts.size() - passed;
    const auto feet = [](const CableRun& run) { return fixed(MetersToFeet(run.meters)); };

    if (format == Format::Json) {
        out << "{\n  \"runs\": [\n";
        for (std::size_t i = 0; i < verdicts.size(); ++i) {
            const RunVerdict& v = verdicts[i];
            out << "    {\"id\": " << jsonString(v.run.id) << ", \"length_ft\": " << feet(v.run)
                << ", \"length_m\": " << fixed(v.run.meters)
                << ", \"result\": " << (v.pass ? "\"pass\"" : "\"fail\"");
            if (!v.pass) {
                out << ", \"failing_edge\": " << jsonString(v.failingEdge)
                    << ", \"limit\": " << jsonString(v.failingLimit)
                    << ", \"margin_db\": " << fixed(-v.shortfall);
            }
            out << '}' << (i + 1 < verdicts.size() ? ",\n" : "\n");
        }
        out << "  ],\n  \"passed\": " << passed << ",\n  \"failed\": " << failed
            << ",\n  \"malformed_rows\": " << malformedRows << "\n}\n";
        return;
    }
    if (format == Format::Csv) {
        out << "id,length_ft,length_m,result,failing_edge,limit,margin_db\n";
        for (const RunVerdict& v : verdicts) {
            out << csvField(v.run.id) << ',' << feet(v.run) << ',' << fixed(v.run.meters) << ','
                << (v.pass ? "pass" : "fail") << ',' << csvField(v.failingEdge) << ','
                << v.failingLimit << ',' << (v.pass ? "" : fixed(-v.shortfall)) << '\n';
        }
        return;
    }
    for (const RunVerdict& v : verdicts) {
        out << std::left << std::setw(16) << v.run.id << std::right << std::setw(12) << feet(v.run)
            << " ft" << std::setw(12) << fixed(v.run.meters) << " m  "
            << (v.pass ? "pass" : "FAIL");
        if (!v.pass) {
            out << "  " << v.failingEdge << ": " << fixed(v.shortfall) << " dB "
                << (v.failingLimit == "minimum" ? "below the minimum" : "above the maximum");
        }
        out << '\n';
    }
    out << verdicts.size() << " runs checked: " << passed << " pass, " << failed << " fail";
    if (malformedRows > 0) {
        out << "; " << malformedRows << " malformed row" << (malformedRows == 1 ? "" : "s")
            << " skipped";
    }
    out << '\n';
}

}  // namespace tarvelle::cli
