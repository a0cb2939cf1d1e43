#pragma once

// The runs and their results as a table for a view: it shows what the
// planning library worked out, in the order and with the filter asked for,
// and turns a typed cell into an edit for the window to do (and undo).

#include <QAbstractTableModel>
#include <optional>

#include "planning/plan_results.h"

namespace tarvelle::planner {

// The runs are sorted with their check, on its thread, and shown in that
// order when it is back; a table sorting a million runs itself holds the
// window for most of a second. The failing runs alone are picked from that
// order at once.
class RunsModel : public QAbstractTableModel {
    Q_OBJECT

  public:
    enum Column {
        Id,
        Length,
        Cable,
        Product,
        Level0,
        Level1,
        Level2,
        Level3,
        Margin,
        Verdict,
        Fix
    };
    static constexpr int kColumns = Fix + 1;

    RunsModel(const std::vector<planning::PlannedRun>& runs, const planning::PlanResults& results,
              QObject* parent);

    // Shows runs that replaced all those shown: a large building a piece at a
    // time, each piece in its own turn of the event loop.
    void reset();
    // Shows an edit already made to the runs: rows changed, removed or
    // inserted, so that the rest, the selection and an open editor stay.
    void edited(const planning::RunsEdit& edit);
    // Shows every cell again: every run moved onto another product or cable.
    void refresh();
    // Shows the results of a check, and the runs in `order` when it sorted them.
    void checked(const planning::Wording& wording, std::vector<std::uint32_t> order);
    void setFailingOnly(bool failingOnly);

    // The order asked for by a click on a heading; none: the file's.
    std::optional<planning::RunSort> sortAsked() const { return sort_; }
    void sort(int column, Qt::SortOrder order) override;

    // The run a row shows, and the row that shows a run (-1 when none does).
    std::size_t runAt(int row) const { return rows_[static_cast<std::size_t>(row)]; }
    int rowOf(std::size_t run) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

  signals:
    void editRequested(const planning::RunsEdit& edit);
    // What was typed into the cell at `index` is no value for it.
    void editRefused(const QModelIndex& index, const QString& typed, const QString& reason);
    // A sort asked for: the runs are sorted with their next check.
    void sortRequested();

  private:
    void showMore();
    bool placed() const { return sort_ || failingOnly_; }
    bool shows(std::size_t run) const;
    // The runs shown so far placed again whole, in order_ and filtered.
    void place();
    // `rows` shown instead; `moved` says where each run shown before went
    // (-1: it is gone).
    template <typename Moved>
    void relayout(std::vector<std::uint32_t> rows, Moved moved);
    void runsRemoved(std::size_t at, std::size_t count);
    void runsInserted(std::size_t at, std::size_t count);
    const planning::RunResult& resultOf(std::size_t run) const;

    const std::vector<planning::PlannedRun>& runs_;
    const planning::PlanResults& results_;
    planning::Wording wording_;
    std::optional<planning::RunSort> sort_;
    bool failingOnly_ = false;
    std::vector<std::uint32_t> order_;  // every run as last sorted; empty: the file's order
    std::vector<std::uint32_t> rows_;   // the run each row shows
    std::size_t revealed_ = 0;          // the runs given to the table so far, in the file's order
};

}  // namespace tarvelle::planner
