#pragma once

// The worked examples and the recorded sweep, read from the tab-separated
// files beside this header, so that the engine's, the window's and the
// command line's tests check the same figures.

#include <array>
#include <cstdint>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace tarvelle::testdata {

struct LevelTexts {
    std::string pin;
    std::string pminAnalog;
    std::string pminDigital;
    std::string pmaxAnalog;
    std::string pmaxDigital;
};

struct Inputs {
    std::int16_t product = 0;
    std::int16_t cable = 0;
    int plan = 2;  // 0: no plan chosen
    LevelTexts levels;
};

struct WorkedExample {
    std::string name;
    Inputs inputs;
    std::array<std::string, 12> results;  // feet then metres, in display order
    bool warns = false;
};

struct SweepRow {
    std::string decimalSeparator;
    Inputs inputs;
    // The twelve texts and the warning when one was shown, or the one
    // message the click showed instead.
    std::vector<std::string> shown;
};

namespace detail {

inline std::vector<std::vector<std::string>> readTable(const std::string& fileName) {
    const std::string path = std::string(TARVELLE_TEST_DATA_DIR) + "/" + fileName;
    std::ifstream file(path);
    if (!file) {
        throw std::runtime_error("cannot read " + path);
    }
    std::vector<std::vector<std::string>> rows;
    for (std::string line; std::getline(file, line);) {
        if (line.empty() || line.starts_with('#')) {
            continue;
        }
        std::vector<std::string> fields;
        std::istringstream in(line);
        for (std::string field; std::getline(in, field, '\t');) {
            fields.push_back(field);
        }
        if (line.ends_with('\t')) {
            fields.emplace_back();
        }
        rows.push_back(std::move(fields));
    }
    return rows;
}

// Product, cable, plan and the five level texts, from the given column on.
inline Inputs inputsAt(const std::vector<std::string>& fields, std::size_t first) {
    return {static_cast<std::int16_t>(std::stoi(fields.at(first))),
            static_cast<std::int16_t>(std::stoi(fields.at(first + 1))),
            std::stoi(fields.at(first + 2)),
            {fields.at(first + 3), fields.at(first + 4), fields.at(first + 5),
             fields.at(first + 6), fields.at(first + 7)}};
}

}  // namespace detail

inline std::vector<WorkedExample> workedExamples() {
    std::vector<WorkedExample> examples;
    for (const auto& fields : detail::readTable("worked_examples.tsv")) {
        WorkedExample example{fields.at(0), detail::inputsAt(fields, 1), {}, fields.at(21) == "warns"};
        for (std::size_t i = 0; i < 12; ++i) {
            example.results[i] = fields.at(9 + i);
        }
        examples.push_back(std::move(example));
    }
    return examples;
}

inline std::vector<SweepRow> calculationSweep() {
    std::vector<SweepRow> rows;
    for (const auto& fields : detail::readTable("calculation_sweep.tsv")) {
        rows.push_back({fields.at(0), detail::inputsAt(fields, 1),
                        std::vector<std::string>(fields.begin() + 9, fields.end())});
    }
    return rows;
}

}  // namespace tarvelle::testdata
