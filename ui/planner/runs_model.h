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
    // The value a column sorts by; whether a run fails.
    static constexpr int kSortRole = Qt::UserRole;
    static constexpr int kFailingRole = Qt::UserRole + 1;

    RunsModel(const std::vector<planning::PlannedRun>& runs, const planning::PlanResults& results,
              QObject* parent);

    // Shows runs that replaced all those shown: a large building a piece at a
    // time, each piece in its own turn of the event loop.
    void reset();
    // Shows an edit already made to the runs: rows changed, removed or
    // inserted, so that the rest, the selection and an open editor stay.
    void edited(const planning::RunsEdit& edit);
    // Shown again after the results changed.
    void refresh(const planning::Wording& wording);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

  signals:
    void editRequested(const planning::RunsEdit& edit);
    void editRefused(const QString& reason);

  private:
    void showMore();

    const std::vector<planning::PlannedRun>& runs_;
    const planning::PlanResults& results_;
    planning::Wording wording_;
    int shownRows_ = 0;
};

// Sorting by value, and the failing runs alone when asked.
class RunsFilter : public QSortFilterProxyModel {
    Q_OBJECT

  public:
    using QSortFilterProxyModel::QSortFilterProxyModel;
    void setFailingOnly(bool failingOnly);

  protected:
    bool filterAcceptsRow(int row, const QModelIndex& parent) const override;

  private:
    bool failingOnly_ = false;
};

}  // namespace tarvelle::planner
