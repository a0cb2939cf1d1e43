#include "cli/options/options.h"

#include <CLI/CLI.hpp>
#include <array>
#include <charconv>

#include "engine/number_rule.h"
#include "planning/reading/length_text.h"
#include "planning/reading/names.h"

namespace tarvelle::cli {

namespace {

// What the options hold as typed, before they are checked.
struct Typed {
    std::string product = "balun";
    std::string cable = "cat5e";
    std::string plan = "2";
    std::string format = "text";
    std::string length;
    std::string runs;
    std::string plot;
    std::string report;
    std::string units = "dBmV";
};

constexpr std::string_view kDescription =
    "Computes, with the same engine and the same figures as the Tarvelle window, the\n"
    "shortest and longest cable runs for the analog band, the digital band and the\n"
    "worst case, in feet and metres; checks one run or a whole file of runs against\n"
    "the receiver windows; tries every product against every cable; draws the\n"
    "received level against cable length; writes a report to hand over.\n";

constexpr std::string_view kFooter =
    "Runs file: CSV, one run per row. A first row whose length field is not a length\n"
    "is a header naming the columns: id, room or outlet; length (45m, 150ft),\n"
    "length_m or length_ft (bare numbers); and optionally cable and product for that\n"
    "run. Without a header the columns are identifier,length[,cable[,product]].\n"
    "A run passes when none of its margins, as printed to 0.01 dB, is below zero.\n"
    "--choose tries every product and cable on every run, whatever the file's cable\n"
    "and product columns say.\n"
    "\n"
    "Fields are separated by commas, semicolons or tabs, as the first line shows;\n"
    "with semicolons or tabs a length may have a decimal comma (85,50m).\n"
    "\n"
    "Exit status: 0 when everything checked passes; 1 when a run fails its window\n"
    "(with --choose: when no combination passes every run) or a row of the runs\n"
    "file is malformed or cannot be computed; 2 on bad usage or input: nothing\n"
    "written. In csv format the window's warning goes to standard error.";

// Usage first, then what the program does, the options by group and the notes.
class HelpLayout : public CLI::Formatter {
  public:
    HelpLayout() { column_width(24); }

    std::string make_help(const CLI::App* app, std::string name,
                          CLI::AppFormatMode mode) const override {
        std::string help = make_usage(app, name) + "\n" + app->get_description() +
                           make_groups(app, mode) + "\n" + app->get_footer() + "\n";
        // CLI11 ends each group with a blank line and begins the next with one.
        for (auto at = help.find("\n\n\n"); at != std::string::npos; at = help.find("\n\n\n")) {
            help.erase(at, 1);
        }
        return help;
    }
    std::string make_option_opts(const CLI::Option* option) const override {
        const std::string type = option->get_type_name();
        return type.empty() ? "" : " " + type;
    }
    std::string make_option_desc(const CLI::Option* option) const override {
        const std::string fallback = option->get_default_str();
        return option->get_description() + (fallback.empty() ? "" : " (" + fallback + ")");
    }
};

void declare(CLI::App& app, Options& options, Typed& typed) {
    app.description(std::string(kDescription));
    app.footer(std::string(kFooter));
    app.formatter(std::make_shared<HelpLayout>());
    app.option_defaults()->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
    app.allow_extras();

    const std::string inputs =
        "Inputs (levels in dBmV or as --units says; defaults: the window's presets)";
    for (const LevelOption& level : kLevelOptions) {
        app.add_option(std::string(level.name), options.*level.text, std::string(level.help))
            ->type_name("LEVEL")
            ->capture_default_str()
            ->group(inputs);
    }
    app.add_option("--units", typed.units,
                   "dBmV or dBuV, for every level read and written\n(dBuV = dBmV + 60)")
        ->type_name("U")
        ->capture_default_str()
        ->group(inputs);
    app.add_option("--product", typed.product, "product: " + std::string(kProductNamesHelp))
        ->type_name("NAME")
        ->capture_default_str()
        ->group(inputs);
    app.add_option("--cable", typed.cable, "cable: " + std::string(kCableNamesHelp))
        ->type_name("NAME")
        ->capture_default_str()
        ->group(inputs);
    app.add_option("--plan", typed.plan, "frequency plan 1 (split at 450 MHz) or 2 (550 MHz)")
        ->type_name("N")
        ->capture_default_str()
        ->group(inputs);

    const std::string modes = "What to do (the six distances in any case)";
    CLI::Option* length = app.add_option("--length", typed.length,
                                         "check one run of L (45m, 150ft): PASS or FAIL, with its\n"
                                         "level budget, margins and cable tilt")
                              ->type_name("L")
                              ->group(modes);
    CLI::Option* runs = app.add_option("--runs", typed.runs,
                                       "check every run of a CSV file (- reads standard input)")
                            ->type_name("FILE")
                            ->group(modes);
    length->excludes(runs);
    app.add_flag("--choose", options.choose,
                 "with --length or --runs: every product against every\n"
                 "cable, and the one to choose: a feed level passing every\n"
                 "run, the widest range of them, most runs passing")
        ->disable_flag_override()
        ->group(modes);
    app.add_option("--plot", typed.plot, "draw received level against cable length")
        ->type_name("FILE.svg")
        ->group(modes);
    app.add_option("--report", typed.report,
                   "with --length or --runs: a self-contained HTML report\n"
                   "to print or hand over")
        ->type_name("FILE.html")
        ->group(modes);

    app.add_flag("--feed-range", options.feedRange,
                 "with --length or --runs: the input levels at which every\n"
                 "run passes, or the one at which most do and the runs\n"
                 "still failing there")
        ->disable_flag_override()
        ->group(modes);
    const std::string document = "The report's title block (on every printed page)";
    app.add_option("--project", options.project, "the project's name")
        ->type_name("TEXT")
        ->group(document);
    app.add_option("--site", options.site, "the site or building")
        ->type_name("TEXT")
        ->group(document);
    app.add_option("--prepared-by", options.preparedBy, "who prepared the report")
        ->type_name("TEXT")
        ->group(document);

    app.add_option("--format", typed.format, "text, csv or json")
        ->type_name("F")
        ->capture_default_str()
        ->group("Output");
    app.add_flag("--version", options.version, "show the version and exit")
        ->disable_flag_override()
        ->group("Output");
    app.set_help_flag("-h,--help", "show this help and exit")
        ->disable_flag_override()
        ->group("Output");
}

std::string quoteArgument(std::string_view argument) {
    return argument.empty() ? "an empty text" : "'" + std::string(argument) + "'";
}

// CLI11's messages in this program's words where it has its own.
std::string usageMessage(const CLI::ParseError& error) {
    const std::string text = error.what();
    if (dynamic_cast<const CLI::ArgumentMismatch*>(&error) != nullptr) {
        constexpr std::string_view kOverride = " was given a disallowed flag override";
        if (text.ends_with(kOverride)) {
            return "--" + text.substr(0, text.size() - kOverride.size()) + " takes no value";
        }
        if (const auto colon = text.find(": 1 required"); colon != std::string::npos) {
            return text.substr(0, colon) + " needs a value";
        }
    }
    if (dynamic_cast<const CLI::ExcludesError*>(&error) != nullptr) {
        return text + ": they cannot be used together";
    }
    return text;
}

// An option that takes a value, followed by another option or nothing: CLI11
// would take the next option's name as the value, or the value of the next
// option as an argument of its own. "--" ends the options.
void requireValues(const CLI::App& app, int argc, const char* const argv[]) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "--") {
            return;
        }
        if (!argument.starts_with("--") || argument.find('=') != std::string_view::npos) {
            continue;
        }
        const CLI::Option* option = app.get_option_no_throw(std::string(argument));
        if (option == nullptr || option->get_expected_min() == 0) {
            continue;
        }
        const std::string_view next = i + 1 < argc ? argv[i + 1] : "";
        if (i + 1 == argc || (next.starts_with("--") && !next.starts_with("---")) || next == "-h" ||
            (next.empty() && option->get_type_name() == "FILE")) {
            throw UsageError(std::string(argument) + " needs a value" +
                             (i + 1 < argc ? ", not " + quoteArgument(next) : ""));
        }
        ++i;
    }
}

[[noreturn]] void reject(std::string_view option, std::string_view value, std::string_view why) {
    throw UsageError(std::string(option) + " '" + std::string(value) + "': " + std::string(why));
}

void checkTyped(const CLI::App& app, const Typed& typed, Options& options) {
    if (const auto product = productByName(typed.product)) {
        options.product = *product;
    } else {
        reject("--product", typed.product,
               "is not a product configuration (" + std::string(kProductNamesHelp) + ")");
    }
    if (const auto cable = cableByName(typed.cable)) {
        options.cable = *cable;
        options.cableSpelling = *cableSpellingByName(typed.cable);
    } else {
        reject("--cable", typed.cable,
               "is not a cable category (" + std::string(kCableNamesHelp) + ")");
    }
    if (typed.plan != "1" && typed.plan != "2") {
        reject("--plan", typed.plan, "is not a frequency plan (1 or 2)");
    }
    options.plan = typed.plan[0] - '0';
    constexpr std::array<std::pair<std::string_view, Format>, 3> kFormats{
        {{"text", Format::Text}, {"csv", Format::Csv}, {"json", Format::Json}}};
    const auto format = std::find_if(kFormats.begin(), kFormats.end(), [&](const auto& entry) {
        return entry.first == typed.format;
    });
    if (format == kFormats.end()) {
        reject("--format", typed.format, "is not a format (text, csv or json)");
    }
    options.format = format->second;
    if (app.count("--length") > 0) {
        options.lengthMeters = parseLength(typed.length);
        if (!options.lengthMeters) {
            reject("--length", typed.length,
                   beyondLongestRun(typed.length)
                       ? "is beyond 10 km: no cable run is that long"
                       : "is not a length (a number with m or ft, such as 45m or 150ft)");
        }
    }
    if (app.count("--runs") > 0) {
        options.runsFile = typed.runs;
    }
    if (app.count("--plot") > 0) {
        options.plotFile = typed.plot;
    }
    if (app.count("--report") > 0) {
        options.reportFile = typed.report;
    }
    if (const auto units = parseUnit(typed.units)) {
        options.units = *units;
    } else {
        reject("--units", typed.units, "is not a level unit (dBmV or dBuV)");
    }
    // The presets are the window's, in dBmV: a level left at its preset is
    // the same level in the unit chosen.
    for (const LevelOption& level : kLevelOptions) {
        if (app.count(std::string(level.name)) == 0) {
            std::string& text = options.*level.text;
            const double preset = fromDbmv(parseLevel(text, ".").value(), options.units);
            std::array<char, 32> digits{};
            text.assign(digits.data(),
                        std::to_chars(digits.data(), digits.data() + digits.size(), preset).ptr);
        }
    }
    const bool runs = options.lengthMeters || options.runsFile;
    if (options.choose && !runs) {
        throw UsageError("--choose needs --length or --runs: the runs to choose for");
    }
    if (options.reportFile && !runs) {
        throw UsageError("--report needs --length or --runs: the runs to report on");
    }
    if (!options.reportFile &&
        !(options.project.empty() && options.site.empty() && options.preparedBy.empty())) {
        throw UsageError(
            "--project, --site and --prepared-by are printed on the report: give "
            "--report too");
    }
    if (options.feedRange && !runs) {
        throw UsageError("--feed-range needs --length or --runs: the runs to find a level for");
    }
    if (options.feedRange && options.format != Format::Text) {
        throw UsageError(
            "--feed-range writes text only: leave out --format, or use --choose, "
            "whose CSV and JSON give each combination's feed range");
    }
    // The recommended combination is known only once every run is read: its
    // report, its chart and the runs failing at the level found come from a
    // second reading.
    const bool twice =
        (options.choose && (options.reportFile || options.plotFile)) || options.feedRange;
    if (twice && options.runsFile == "-") {
        throw UsageError(std::string(options.feedRange ? "--feed-range" : "--choose") + " with " +
                         (options.feedRange    ? "--runs"
                          : options.reportFile ? "--report"
                                               : "--plot") +
                         " reads the runs twice: give the runs file by name, not as -");
    }
}

}  // namespace

Options parseOptions(int argc, const char* const argv[]) {
    Options options;
    Typed typed;
    CLI::App app("", "tarvelle-cli");
    declare(app, options, typed);
    try {
        requireValues(app, argc, argv);
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp&) {
        options.help = true;
        return options;
    } catch (const CLI::ParseError& error) {
        throw UsageError(usageMessage(error));
    }
    // "--" ends the options: what follows is an argument, whatever it looks like.
    auto extras = app.remaining();
    const bool ended = !extras.empty() && extras.front() == "--";
    if (ended) {
        extras.erase(extras.begin());
    }
    if (!extras.empty()) {
        const std::string& first = extras.front();
        throw UsageError(!ended && first.starts_with('-') && first.size() > 1
                             ? "unknown option '" + first.substr(0, first.find('=')) +
                                   "' (see --help)"
                             : "unexpected argument '" + first + "' (see --help)");
    }
    checkTyped(app, typed, options);
    return options;
}

std::string helpText() {
    Options options;
    Typed typed;
    CLI::App app("", "tarvelle-cli");
    declare(app, options, typed);
    return app.help();
}

}  // namespace tarvelle::cli
