#pragma once

// The planner window: a building's runs in a table, the inputs they are
// checked against, and what the planning library makes of them. The window
// only shows and edits; every figure, verdict, fix, choice, report and chart
// comes from the planning library.

#include <QMainWindow>
#include <QPointer>
#include <QUndoStack>
#include <functional>
#include <memory>
#include <optional>

#include "planning/html_report.h"
#include "planning/plan_results.h"
#include "planning/units.h"
#include "ui/planner/background_read.h"
#include "ui/planner/recovery_file.h"
#include "ui/planner/report_details.h"

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QListWidget;
class QMenu;
class QPersistentModelIndex;
class QPushButton;
class QSplitter;
class QSvgWidget;
class QTableView;
class QTabWidget;
class QTableWidget;
class QTimer;

namespace tarvelle::planner {

class BackgroundCheck;
class BackgroundWrite;
class RunsModel;

class PlannerWindow : public QMainWindow {
    Q_OBJECT

  public:
    explicit PlannerWindow(QWidget* parent = nullptr);
    ~PlannerWindow() override;

    // Reads the file in the background; the runs shown so far stay until it
    // has been read whole.
    void openFile(const QString& path);

    // Where messages go; a modal box unless a test records them.
    void setMessagePresenter(std::function<void(const QString&)> present);

    // Offers in turn the runs of each edit session that ended without saving,
    // the first recovered taken in here, each further one in a window of its
    // own.
    void offerRecovery();

    // A file given at start: opened here, unless this window holds unsaved
    // runs (recovered), then in a window of its own, or not again if they are
    // that file's.
    void openGiven(const QString& path);

  protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    void buildMenus();
    QWidget* buildInputs();
    QWidget* buildResults();
    void chooseFile();
    bool save();
    bool saveAs();
    bool saveRuns(const QString& path);
    // Asked before the runs are written over a file: Save As, the default,
    // saves them as a new file instead. Nothing is returned for Save Anyway.
    std::optional<bool> askSavingOver(const QString& question);
    void saveReport();
    void editReportDetails();
    void print();
    void adopt(const QString& path, planning::RunsDocument document, bool modified);
    void edit(const planning::RunsEdit& edit, const QString& what);
    void editAgain(const QPersistentModelIndex& cell, const QString& typed);
    void apply(const planning::RunsEdit& edit);
    void changeRuns(const planning::RunsEdit& edit);
    void stopReadingRuns();
    void addRun();
    void deleteRuns();
    void listProblems(const planning::RowProblems& problems, const QString& line,
                      const QString& lines);
    void pasteRuns();
    void applyRecommendation();
    // What Apply sets beside the runs it moves, undone and redone with them.
    struct Choice {
        planning::Combination combination;
        double levelDbmv = 0;
    };
    class ChoiceCommand;
    Choice choice() const;
    // The runs moved onto the choice's product and cable, or back.
    void applyChoice(const planning::RunsMove& move, bool back, const Choice& choice);
    void usePresets();
    void unitChanged();
    void recheck();
    void check();
    void takeIn(planning::CheckedPlan checked);
    void showChoice();
    void showChart(const planning::CheckedPlan& checked);
    void loadChart(QByteArray svg);
    void showChartWindow();
    void showHelp();
    void showAbout();
    planning::ReportInputs reportInputs() const;
    std::string reportHtml() const;
    bool writeFile(const QString& path, const std::string& bytes);
    bool keepOrDiscard();
    void rememberRecent(const QString& path);
    void showRecent();
    void scheduleRecovery();
    void writeRecovery();
    void dropRecovery();
    bool recover(RecoveryFile found);
    PlannerWindow* windowOfItsOwn() const;
    // What the window was closed with: the inputs, then its place and panes.
    void restoreInputs();
    void placeWindow();
    void keepSettings() const;
    void updateTitle();
    void tell(const QString& message);

    planning::PlanScenario scenario() const;
    planning::Combination chosenCombination() const;
    planning::LevelUnit unit() const;
    planning::Wording wording() const;

    // Read by an unfinished check and recovery write on their own threads:
    // changed only once they are stopped.
    std::vector<planning::PlannedRun> runs_;
    planning::PlanResults results_;
    std::vector<planning::RunResult> room_;  // for the next check's results
    std::vector<planning::CombinationSummary> ranking_;
    planning::RowProblems problems_;
    QString readFrom_;                       // the file the runs were read from
    std::vector<std::string> otherColumns_;  // its columns the runs do not keep
    bool inputsOverflow_ = false;
    bool rankingStale_ = true;
    bool sizeColumns_ = false;  // to the first results of a file opened
    QString path_;
    FileStamp onDisk_;  // path_ as last read or saved
    ReportDetails details_;
    QUndoStack undo_;
    std::unique_ptr<BackgroundCheck> check_;     // the one unfinished check, if any
    RecoveryFile recoveryFile_;                  // this window's own
    std::unique_ptr<BackgroundWrite> recovery_;  // its unfinished write, stopped before its lock
    std::function<void(const QString&)> present_;

    RunsModel* model_;
    QSplitter* splitter_ = nullptr;
    QTableView* table_ = nullptr;
    QListWidget* problemList_ = nullptr;
    QLabel* summary_ = nullptr;
    QLabel* feed_ = nullptr;
    QDoubleSpinBox* level_ = nullptr;
    QDoubleSpinBox* minAnalog_ = nullptr;
    QDoubleSpinBox* minDigital_ = nullptr;
    QDoubleSpinBox* maxAnalog_ = nullptr;
    QDoubleSpinBox* maxDigital_ = nullptr;
    QComboBox* product_ = nullptr;
    QComboBox* cable_ = nullptr;
    QComboBox* plan_ = nullptr;
    QComboBox* unit_ = nullptr;
    QPushButton* presets_ = nullptr;
    QCheckBox* failingOnly_ = nullptr;
    QTabWidget* tabs_ = nullptr;
    QWidget* choicePage_ = nullptr;
    QTableWidget* choice_ = nullptr;
    QLabel* recommendation_ = nullptr;
    QPushButton* applyChoice_ = nullptr;
    QSvgWidget* chart_ = nullptr;
    QByteArray chartSvg_;               // what both charts show
    QPointer<QSvgWidget> chartWindow_;  // the chart in a window of its own, once asked for
    QLabel* chartProblem_ = nullptr;
    QMenu* recentMenu_ = nullptr;
    QTimer* recoveryTimer_ = nullptr;
    planning::LevelUnit shownUnit_ = planning::LevelUnit::DBmV;
};

}  // namespace tarvelle::planner
