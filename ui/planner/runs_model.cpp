#include "ui/planner/runs_model.h"

#include <QTimer>
#include <algorithm>

#include "engine/arithmetic_error.h"
#include "planning/hidden_characters.h"
#include "planning/printed_number.h"
#include "planning/reading/length_text.h"
#include "planning/reading/names.h"
#include "planning/run_order.h"
#include "planning/table_names.h"
#include "planning/wording.h"

namespace tarvelle::planner {

using namespace tarvelle::planning;

namespace {

// A piece of a large building's rows: a few milliseconds of the table's bookkeeping.
constexpr int kRowsAtATime = 25'000;

QString text(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

const char* const kHeaders[RunsModel::kColumns] = {
    "Identifier",           "Length",      "Cable",       "Product",
    "Analog low",           "Analog high", "Digital low", "Digital high",
    "Smallest margin (dB)", "Verdict",     "Fix"};

// Words worked when shown; no exception may leave a view's call.
template <typename Words>
QString worded(Words words) {
    try {
        return text(words());
    } catch (const ArithmeticError&) {
        return QStringLiteral("Run-time error: Overflow");
    }
}

}  // namespace

RunsModel::RunsModel(const std::vector<PlannedRun>& runs, const PlanResults& results,
                     QObject* parent)
    : QAbstractTableModel(parent), runs_(runs), results_(results) {}

void RunsModel::reset() {
    beginResetModel();
    shownRows_ = static_cast<int>(std::min<std::size_t>(runs_.size(), kRowsAtATime));
    endResetModel();
    if (static_cast<std::size_t>(shownRows_) < runs_.size()) {
        QTimer::singleShot(0, this, &RunsModel::showMore);
    }
}

void RunsModel::showMore() {
    const int more =
        static_cast<int>(std::min<std::size_t>(runs_.size() - shownRows_, kRowsAtATime));
    if (more <= 0) {
        return;
    }
    beginInsertRows({}, shownRows_, shownRows_ + more - 1);
    shownRows_ += more;
    endInsertRows();
    if (static_cast<std::size_t>(shownRows_) < runs_.size()) {
        QTimer::singleShot(0, this, &RunsModel::showMore);
    } else {
        emit allShown();
    }
}

// While a large building's rows are still being shown, runs beyond them wait
// for their piece.
void RunsModel::edited(const RunsEdit& edit) {
    const auto shown = static_cast<std::size_t>(shownRows_);
    const std::size_t before = runs_.size() + edit.removed.size() - edit.inserted.size();
    if (shown < before && edit.at >= shown) {
        return;
    }
    const int at = static_cast<int>(edit.at);
    const int removed = static_cast<int>(std::min(edit.removed.size(), shown - edit.at));
    const int inserted = static_cast<int>(edit.inserted.size());
    const int changed = std::min(removed, inserted);
    if (removed > changed) {
        beginRemoveRows({}, at + changed, at + removed - 1);
        shownRows_ -= removed - changed;
        endRemoveRows();
    }
    if (inserted > changed) {
        beginInsertRows({}, at + changed, at + inserted - 1);
        shownRows_ += inserted - changed;
        endInsertRows();
    }
    if (changed > 0) {
        emit dataChanged(index(at, 0), index(at + changed - 1, kColumns - 1));
    }
}

void RunsModel::refresh(const Wording& wording, bool cells) {
    wording_ = wording;
    if (cells && shownRows_ > 0) {
        emit dataChanged(index(0, 0), index(shownRows_ - 1, kColumns - 1));
    }
    emit headerDataChanged(Qt::Horizontal, Level0, Level3);
}

const RunResult& RunsModel::resultOf(std::size_t row) const {
    static const RunResult waiting;
    return row < results_.runs.size() ? results_.runs[row] : waiting;
}

bool RunsModel::failing(int row) const {
    return !resultOf(static_cast<std::size_t>(row)).pass;
}

bool RunsModel::sortsBefore(int left, int right, int column) const {
    static_assert(static_cast<int>(RunKey::Verdict) == Verdict);
    const auto a = static_cast<std::size_t>(left);
    const auto b = static_cast<std::size_t>(right);
    return planning::sortsBefore(static_cast<RunKey>(std::min<int>(column, Verdict)), runs_[a],
                                 resultOf(a), runs_[b], resultOf(b));
}

int RunsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : shownRows_;
}

int RunsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumns;
}

QVariant RunsModel::data(const QModelIndex& index, int role) const {
    const auto row = static_cast<std::size_t>(index.row());
    if (!index.isValid() || row >= runs_.size()) {
        return {};
    }
    const PlannedRun& run = runs_[row];
    const RunResult& result = resultOf(row);
    const bool computed = result.status == RunStatus::Computed;
    const int column = index.column();
    if (role == Qt::EditRole) {
        switch (column) {
            case Id:
                return text(run.id);
            case Length:
                return text(fixed(run.meters)) + " m";
            case Cable:
                return text(std::string(cli::cableName(run.combination.cable)));
            case Product:
                return text(std::string(cli::productName(run.combination.product)));
            default:
                return {};
        }
    }
    if (role == Qt::TextAlignmentRole && column >= Length && column <= Margin && column != Cable &&
        column != Product) {
        return QVariant(Qt::AlignRight | Qt::AlignVCenter);
    }
    if (role == Qt::ToolTipRole && (column == Verdict || column == Fix)) {
        return data(index, Qt::DisplayRole);
    }
    if (role != Qt::DisplayRole) {
        return {};
    }
    switch (column) {
        // A hidden character shown by name: U+202E can make "102" read as "201".
        case Id:
            return text(replaceHidden(run.id, shownForPage));
        case Length:
            return text(length(run.meters));
        case Cable:
            return text(std::string(cableLabel(run.combination.cable)));
        case Product:
            return text(std::string(productLabel(run.combination.product)));
        case Margin:
            return computed ? text(fixed(result.margin)) : QString();
        case Verdict:
            return computed ? worded([&] { return verdictText(results_.scenario, run); })
                   : result.status == RunStatus::Overflow
                       ? QStringLiteral("Run-time error: Overflow")
                       : tr("Checking...");
        case Fix:
            return computed && !result.pass
                       ? worded([&] { return fixTextFor(results_.scenario, run, wording_); })
                       : QString();
        default:
            return computed
                       ? text(fixed(result.received[static_cast<std::size_t>(column - Level0)] +
                                    wording_.levelOffsetDb))
                       : QString();
    }
}

QVariant RunsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) {
        return {};
    }
    if (orientation == Qt::Vertical) {
        return section + 1;
    }
    const QString header = QString::fromLatin1(kHeaders[section]);
    return section >= Level0 && section <= Level3
               ? header + "\n(" + text(std::string(wording_.levelUnit)) + ")"
               : header;
}

Qt::ItemFlags RunsModel::flags(const QModelIndex& index) const {
    const Qt::ItemFlags shown = QAbstractTableModel::flags(index);
    return index.column() <= Product ? shown | Qt::ItemIsEditable : shown;
}

bool RunsModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || !index.isValid()) {
        return false;
    }
    const auto row = static_cast<std::size_t>(index.row());
    PlannedRun changed = runs_[row];
    const std::string typed = value.toString().trimmed().toStdString();
    switch (index.column()) {
        case Id:
            if (typed.empty()) {
                emit editRefused(tr("An identifier cannot be empty."));
                return false;
            }
            changed.id = typed;
            break;
        case Length: {
            // A bare number is in metres, as the length_m column reads it.
            auto meters = cli::parseLength(typed);
            if (!meters) {
                meters = cli::parseLength(typed, cli::LengthUnit::Metres);
            }
            if (!meters) {
                emit editRefused(tr("'%1' is not a length (a number with m or ft, up to 10 km).")
                                     .arg(value.toString()));
                return false;
            }
            changed.meters = *meters;
            break;
        }
        case Cable: {
            const auto cable = cli::cableByName(typed);
            if (!cable) {
                emit editRefused(tr("'%1' is not a cable category (cat5e, cat6, cat6a, cat7).")
                                     .arg(value.toString()));
                return false;
            }
            changed.combination.cable = *cable;
            break;
        }
        case Product: {
            const auto product = cli::productByName(typed);
            if (!product) {
                emit editRefused(
                    tr("'%1' is not a product (balun, 8-port, 16-port).").arg(value.toString()));
                return false;
            }
            changed.combination.product = *product;
            break;
        }
        default:
            return false;
    }
    if (!(changed == runs_[row])) {
        emit editRequested(RunsEdit{row, {runs_[row]}, {changed}});
    }
    return true;
}

RunsFilter::RunsFilter(RunsModel& runs, QObject* parent)
    : QSortFilterProxyModel(parent), model_(runs) {
    setDynamicSortFilter(false);
    setSourceModel(&runs);
    connect(&runs, &RunsModel::allShown, this, &RunsFilter::sortAndFilter);
}

// Told cell by cell, a sorted table would sort a million rows again only to
// say which of its rows the cells are in.
void RunsFilter::refresh(const Wording& wording) {
    const bool whole = places();
    model_.refresh(wording, !whole);
    if (whole) {
        invalidate();
    }
}

bool RunsFilter::places() const {
    return failingOnly_ || sortColumn() >= 0;
}

void RunsFilter::setFailingOnly(bool failingOnly) {
    failingOnly_ = failingOnly;
    invalidate();
}

void RunsFilter::sortAndFilter() {
    if (places()) {
        invalidate();
    }
}

bool RunsFilter::filterAcceptsRow(int row, const QModelIndex&) const {
    return !failingOnly_ || model_.failing(row);
}

bool RunsFilter::lessThan(const QModelIndex& left, const QModelIndex& right) const {
    return model_.sortsBefore(left.row(), right.row(), left.column());
}

}  // namespace tarvelle::planner
