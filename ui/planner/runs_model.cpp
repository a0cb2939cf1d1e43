#include "ui/planner/runs_model.h"

#include <QTimer>
#include <algorithm>
#include <numeric>

#include "engine/arithmetic_error.h"
#include "planning/hidden_characters.h"
#include "planning/printed_number.h"
#include "planning/reading/length_text.h"
#include "planning/reading/names.h"
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

// A cable or product typed as the table shows it ("Cat6A/Cat7", "8-port hub
// to balun"), in any case; its row.
template <std::size_t N>
std::optional<std::int16_t> byShownName(const QString& typed,
                                        std::string_view (*label)(std::int16_t)) {
    for (std::size_t row = 0; row < N; ++row) {
        const auto at = static_cast<std::int16_t>(row);
        if (typed.compare(text(std::string(label(at))), Qt::CaseInsensitive) == 0) {
            return at;
        }
    }
    return std::nullopt;
}

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
    order_.clear();
    rows_.clear();
    revealed_ = std::min<std::size_t>(runs_.size(), kRowsAtATime);
    for (std::uint32_t run = 0; run < revealed_; ++run) {
        if (shows(run)) {
            rows_.push_back(run);
        }
    }
    endResetModel();
    if (revealed_ < runs_.size()) {
        QTimer::singleShot(0, this, &RunsModel::showMore);
    }
}

void RunsModel::showMore() {
    if (revealed_ >= runs_.size()) {
        return;
    }
    const std::size_t end = std::min(runs_.size(), revealed_ + kRowsAtATime);
    std::vector<std::uint32_t> more;
    for (auto run = static_cast<std::uint32_t>(revealed_); run < end; ++run) {
        if (shows(run)) {
            more.push_back(run);
        }
    }
    revealed_ = end;
    if (!more.empty()) {
        const int first = static_cast<int>(rows_.size());
        beginInsertRows({}, first, first + static_cast<int>(more.size()) - 1);
        rows_.insert(rows_.end(), more.begin(), more.end());
        endInsertRows();
    }
    if (revealed_ < runs_.size()) {
        QTimer::singleShot(0, this, &RunsModel::showMore);
    } else if (placed()) {
        place();
    }
}

// The runs edited keep their rows; those removed go, those inserted come
// where the run after them is shown, until the next check places them.
void RunsModel::edited(const RunsEdit& edit) {
    const std::size_t changed = std::min(edit.removed.size(), edit.inserted.size());
    if (edit.removed.size() > changed) {
        runsRemoved(edit.at + changed, edit.removed.size() - changed);
    }
    if (edit.inserted.size() > changed) {
        runsInserted(edit.at + changed, edit.inserted.size() - changed);
    }
    if (changed == 1) {
        if (const int row = rowOf(edit.at); row >= 0) {
            emit dataChanged(index(row, 0), index(row, kColumns - 1));
        }
    } else if (changed > 1) {
        refresh();
    }
}

void RunsModel::runsRemoved(std::size_t at, std::size_t count) {
    const auto moved = [at, count](std::size_t run) -> std::int64_t {
        return run < at           ? static_cast<std::int64_t>(run)
               : run < at + count ? -1
                                  : static_cast<std::int64_t>(run - count);
    };
    const auto renumber = [&](std::vector<std::uint32_t>& runs) {
        std::erase_if(runs, [&](std::uint32_t run) { return moved(run) < 0; });
        for (std::uint32_t& run : runs) {
            run = static_cast<std::uint32_t>(moved(run));
        }
    };
    renumber(order_);
    revealed_ -= revealed_ > at ? std::min(count, revealed_ - at) : 0;
    // The rows removed: one block in the file's order, scattered when sorted.
    int first = -1;
    int last = -1;
    bool block = true;
    for (std::size_t row = 0; row < rows_.size(); ++row) {
        if (moved(rows_[row]) < 0) {
            block = block && (first < 0 || last + 1 == static_cast<int>(row));
            first = first < 0 ? static_cast<int>(row) : first;
            last = static_cast<int>(row);
        }
    }
    std::vector<std::uint32_t> rows = rows_;
    renumber(rows);
    if (first < 0) {
        rows_ = std::move(rows);
    } else if (block) {
        beginRemoveRows({}, first, last);
        rows_ = std::move(rows);
        endRemoveRows();
    } else {
        relayout(std::move(rows), moved);
    }
}

void RunsModel::runsInserted(std::size_t at, std::size_t count) {
    const auto renumber = [at, count](std::vector<std::uint32_t>& runs) {
        for (std::uint32_t& run : runs) {
            run += run >= at ? static_cast<std::uint32_t>(count) : 0;
        }
    };
    const auto insertNew = [&](std::vector<std::uint32_t>& runs,
                               std::vector<std::uint32_t>::iterator before) {
        const auto inserted = runs.insert(before, count, 0);
        std::iota(inserted, inserted + static_cast<std::ptrdiff_t>(count),
                  static_cast<std::uint32_t>(at));
    };
    renumber(order_);
    if (!order_.empty()) {
        insertNew(order_, std::ranges::find(order_, at + count));
    }
    if (at > revealed_) {
        return;  // shown with their piece
    }
    revealed_ += count;
    renumber(rows_);
    const auto before =
        sort_ ? std::ranges::find(rows_, at + count) : std::ranges::lower_bound(rows_, at + count);
    const int row = static_cast<int>(before - rows_.begin());
    beginInsertRows({}, row, row + static_cast<int>(count) - 1);
    insertNew(rows_, rows_.begin() + row);
    endInsertRows();
}

void RunsModel::refresh() {
    if (!rows_.empty()) {
        emit dataChanged(index(0, 0), index(static_cast<int>(rows_.size()) - 1, kColumns - 1));
    }
}

void RunsModel::checked(const Wording& wording, std::vector<std::uint32_t> order) {
    wording_ = wording;
    order_ = std::move(order);
    if (placed()) {
        place();
    } else {
        refresh();
    }
    emit headerDataChanged(Qt::Horizontal, Level0, Level3);
}

void RunsModel::setFailingOnly(bool failingOnly) {
    failingOnly_ = failingOnly;
    place();
}

void RunsModel::sort(int column, Qt::SortOrder order) {
    static_assert(static_cast<int>(RunKey::Verdict) == Verdict);
    if (column < 0) {
        sort_.reset();
        order_.clear();
        place();
        return;
    }
    sort_ =
        RunSort{static_cast<RunKey>(std::min<int>(column, Verdict)), order == Qt::DescendingOrder};
    emit sortRequested();
}

int RunsModel::rowOf(std::size_t run) const {
    if (run < rows_.size() && rows_[run] == run) {
        return static_cast<int>(run);
    }
    const auto found = std::ranges::find(rows_, run);
    return found == rows_.end() ? -1 : static_cast<int>(found - rows_.begin());
}

bool RunsModel::shows(std::size_t run) const {
    return !failingOnly_ || !resultOf(run).pass;
}

void RunsModel::place() {
    std::vector<std::uint32_t> rows;
    const auto take = [&](std::uint32_t run) {
        if (run < revealed_ && shows(run)) {
            rows.push_back(run);
        }
    };
    if (order_.empty()) {
        for (std::uint32_t run = 0; run < revealed_; ++run) {
            take(run);
        }
    } else {
        std::ranges::for_each(order_, take);
    }
    relayout(std::move(rows), [](std::size_t run) { return static_cast<std::int64_t>(run); });
}

template <typename Moved>
void RunsModel::relayout(std::vector<std::uint32_t> rows, Moved moved) {
    emit layoutAboutToBeChanged();
    const QModelIndexList before = persistentIndexList();
    QModelIndexList after;
    if (!before.isEmpty()) {
        std::vector<int> rowOfRun(runs_.size(), -1);
        for (std::size_t row = 0; row < rows.size(); ++row) {
            rowOfRun[rows[row]] = static_cast<int>(row);
        }
        for (const QModelIndex& shown : before) {
            const std::int64_t run = moved(rows_[static_cast<std::size_t>(shown.row())]);
            const int row = run < 0 ? -1 : rowOfRun[static_cast<std::size_t>(run)];
            after << (row < 0 ? QModelIndex() : index(row, shown.column()));
        }
    }
    rows_ = std::move(rows);
    changePersistentIndexList(before, after);
    emit layoutChanged();
}

const RunResult& RunsModel::resultOf(std::size_t run) const {
    static const RunResult waiting;
    return run < results_.runs.size() ? results_.runs[run] : waiting;
}

int RunsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int RunsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumns;
}

QVariant RunsModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || static_cast<std::size_t>(index.row()) >= rows_.size()) {
        return {};
    }
    const std::size_t shown = runAt(index.row());
    const PlannedRun& run = runs_[shown];
    const RunResult& result = resultOf(shown);
    const bool computed = result.status == RunStatus::Computed;
    const int column = index.column();
    if (role == Qt::EditRole) {
        switch (column) {
            case Id:
                return text(run.id);
            case Length:
                return text(fixed(run.meters)) + " m";
            case Cable:
                return text(std::string(spelledCableName(run.cableSpelling)));
            case Product:
                return text(std::string(productName(run.combination.product)));
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
        return section < rowCount() ? QVariant(static_cast<qulonglong>(runAt(section) + 1))
                                    : QVariant();
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
    const std::size_t row = runAt(index.row());
    PlannedRun changed = runs_[row];
    const std::string typed = value.toString().trimmed().toStdString();
    switch (index.column()) {
        case Id:
            if (typed.empty()) {
                emit editRefused(index, value.toString(), tr("An identifier cannot be empty."));
                return false;
            }
            changed.id = typed;
            break;
        case Length: {
            const auto meters = parseTypedLength(typed);
            if (!meters) {
                emit editRefused(index, value.toString(),
                                 tr("'%1' is not a length (a number with m or ft, up to 10 km).")
                                     .arg(value.toString()));
                return false;
            }
            changed.meters = *meters;
            break;
        }
        case Cable: {
            auto cable = cableByName(typed);
            if (!cable) {
                cable =
                    byShownName<kCableCategories.size()>(value.toString().trimmed(), cableLabel);
            }
            if (!cable) {
                emit editRefused(index, value.toString(),
                                 tr("'%1' is not a cable category (cat5e, cat6, cat6a, cat7).")
                                     .arg(value.toString()));
                return false;
            }
            changed.combination.cable = *cable;
            changed.cableSpelling = cableSpellingByName(typed).value_or(firstSpelling(*cable));
            break;
        }
        case Product: {
            auto product = productByName(typed);
            if (!product) {
                product = byShownName<kProductConfigurations.size()>(value.toString().trimmed(),
                                                                     productLabel);
            }
            if (!product) {
                emit editRefused(
                    index, value.toString(),
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

}  // namespace tarvelle::planner
