#pragma once

// The runs and their results as a table for a view: it shows what the
// planning library worked out and turns a typed cell into an edit for the
// window to do (and undo).

#include <QAbstractTableModel>
#include <QSortFilterProxyModel>

#include "planning/plan_results.h"

namespace tarvelle::planner {

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
    // Shown again after the results changed; every cell told of unless the
    // rows are placed again whole.
    void refresh(const planning::Wording& wording, bool cells = true);

    // Whether a run fails, or waits for its check.
    bool failing(int row) const;
    // Whether one run sorts before another by a column; the fix sorts as the verdict.
    bool sortsBefore(int left, int right, int column) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

  signals:
    void editRequested(const planning::RunsEdit& edit);
    void editRefused(const QString& reason);
    // A large building's last piece shown.
    void allShown();

  private:
    void showMore();
    const planning::RunResult& resultOf(std::size_t row) const;

    const std::vector<planning::PlannedRun>& runs_;
    const planning::PlanResults& results_;
    planning::Wording wording_;
    int shownRows_ = 0;
};

// Sorting by value, and the failing runs alone when asked: sorted and
// filtered again all at once when the results change, not run by run as each
// changes, which takes minutes for a million interleaved runs.
class RunsFilter : public QSortFilterProxyModel {
    Q_OBJECT

  public:
    RunsFilter(RunsModel& runs, QObject* parent);
    void setFailingOnly(bool failingOnly);
    // The runs shown again with new results.
    void refresh(const planning::Wording& wording);

  protected:
    bool filterAcceptsRow(int row, const QModelIndex& parent) const override;
    bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;

  private:
    bool places() const;
    void sortAndFilter();

    RunsModel& model_;
    bool failingOnly_ = false;
};

}  // namespace tarvelle::planner
