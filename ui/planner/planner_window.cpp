#include "ui/planner/planner_window.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QSplitter>
#include <QStatusBar>
#include <QSvgRenderer>
#include <QSvgWidget>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QTimer>
#include <QUndoCommand>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <set>
#include <sstream>

#include "engine/levels.h"
#include "planning/printed_number.h"
#include "planning/table_names.h"
#include "ui/planner/background_check.h"
#include "ui/planner/background_write.h"
#include "ui/planner/runs_model.h"

namespace tarvelle::planner {

using namespace tarvelle::planning;

namespace {

constexpr int kRecoveryDelayMs = 1000;

QString text(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

// One edit of the runs, done and undone by the window.
class RunsCommand : public QUndoCommand {
  public:
    RunsCommand(RunsEdit edit, const QString& what, std::function<void(const RunsEdit&)> apply)
        : QUndoCommand(what), edit_(std::move(edit)), apply_(std::move(apply)) {}
    void redo() override { apply_(edit_); }
    void undo() override { apply_(inverse(edit_)); }

  private:
    RunsEdit edit_;
    std::function<void(const RunsEdit&)> apply_;
};

// Lets the keys of the window's actions through a box that would take them
// for itself, where and when `through` says.
class KeysThrough : public QObject {
  public:
    KeysThrough(QList<QAction*> actions, std::function<bool(QObject*)> through, QObject* parent)
        : QObject(parent), actions_(std::move(actions)), through_(std::move(through)) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::ShortcutOverride || !through_(watched)) {
            return false;
        }
        const QKeySequence pressed(static_cast<QKeyEvent*>(event)->keyCombination());
        for (const QAction* action : actions_) {
            if (action->shortcuts().contains(pressed)) {
                event->ignore();  // not the box's: the window's shortcut takes it
                return true;
            }
        }
        return false;
    }

  private:
    QList<QAction*> actions_;
    std::function<bool(QObject*)> through_;
};

// A standard key beside one the window names, each once: where the platform's
// standard key is the same, a key given twice is ambiguous and does nothing.
QList<QKeySequence> keysWith(const QKeySequence& named, QKeySequence::StandardKey standard) {
    QList<QKeySequence> keys{named};
    for (const QKeySequence& key : QKeySequence::keyBindings(standard)) {
        if (!keys.contains(key)) {
            keys << key;
        }
    }
    return keys;
}

QDoubleSpinBox* levelBox(const QString& name, double value) {
    auto* box = new QDoubleSpinBox;
    box->setObjectName(name);
    box->setAccessibleName(name);
    box->setRange(-1e6, 1e6);
    box->setDecimals(2);
    box->setKeyboardTracking(false);
    box->setValue(value);
    return box;
}

QComboBox* listBox(const QString& name, const QStringList& entries) {
    auto* list = new QComboBox;
    list->setObjectName(name);
    list->setAccessibleName(name);
    list->addItems(entries);
    return list;
}

}  // namespace

PlannerWindow::PlannerWindow(QWidget* parent)
    : QMainWindow(parent), model_(new RunsModel(runs_, results_, this)) {
    setAcceptDrops(true);

    splitter_ = new QSplitter(Qt::Vertical);
    auto* top = new QWidget;
    auto* topLayout = new QHBoxLayout(top);
    topLayout->addWidget(buildInputs());
    topLayout->addWidget(buildResults(), 1);
    splitter_->addWidget(top);

    table_ = new QTableView;
    table_->setObjectName(QStringLiteral("runs"));
    table_->setAccessibleName(tr("Runs"));
    table_->setModel(model_);
    table_->setSortingEnabled(true);
    table_->setTabKeyNavigation(false);  // Tab goes on to the chart and choice; arrows move
    table_->sortByColumn(-1, Qt::AscendingOrder);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setWordWrap(false);
    table_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table_->horizontalHeader()->setResizeContentsPrecision(200);
    table_->horizontalHeader()->setStretchLastSection(true);
    table_->resizeColumnsToContents();  // the headings whole before any run
    splitter_->addWidget(table_);

    problemList_ = new QListWidget;
    problemList_->setObjectName(QStringLiteral("problems"));
    problemList_->setAccessibleName(tr("Rows that could not be read"));
    problemList_->setMaximumHeight(90);
    problemList_->hide();  // until a file has rows it cannot read
    splitter_->addWidget(problemList_);
    splitter_->setStretchFactor(1, 1);
    setCentralWidget(splitter_);

    recoveryTimer_ = new QTimer(this);
    recoveryTimer_->setSingleShot(true);
    recoveryTimer_->setInterval(kRecoveryDelayMs);
    connect(recoveryTimer_, &QTimer::timeout, this, &PlannerWindow::writeRecovery);

    // Taken once the editor has closed: a run that then passes leaves a view
    // of failing runs, and an editor whose row is gone never closes, so that
    // no cell could be edited again.
    connect(model_, &RunsModel::editRequested, this, [this](const RunsEdit& change) {
        QMetaObject::invokeMethod(
            this, [this, change] { edit(change, tr("Change Run")); }, Qt::QueuedConnection);
    });
    // Said once the editor has closed, then the cell edited again from what was
    // typed: a box shown while the editor closes left the focus on the first
    // control. Closing the window closes the editor too: said at once, as the
    // window goes.
    connect(model_, &RunsModel::editRefused, this,
            [this](const QModelIndex& index, const QString& typed, const QString& reason) {
                if (isHidden()) {
                    tell(reason);
                    return;
                }
                QTimer::singleShot(0, this,
                                   [this, cell = QPersistentModelIndex(index), typed, reason] {
                                       tell(reason);
                                       editAgain(cell, typed);
                                   });
            });
    connect(model_, &RunsModel::sortRequested, this, &PlannerWindow::check);
    connect(&undo_, &QUndoStack::cleanChanged, this, &PlannerWindow::updateTitle);
    connect(&undo_, &QUndoStack::indexChanged, this, &PlannerWindow::scheduleRecovery);

    buildMenus();
    setTabOrder(level_, product_);
    setTabOrder(product_, cable_);
    setTabOrder(cable_, plan_);
    setTabOrder(plan_, unit_);
    setTabOrder(unit_, minAnalog_);
    setTabOrder(minAnalog_, minDigital_);
    setTabOrder(minDigital_, maxAnalog_);
    setTabOrder(maxAnalog_, maxDigital_);
    setTabOrder(maxDigital_, presets_);
    setTabOrder(presets_, failingOnly_);
    setTabOrder(failingOnly_, table_);
    restoreInputs();
    recheck();
    updateTitle();
    placeWindow();
}

// An editor still open commits as it closes with the window: by then there
// is no window to take the edit.
PlannerWindow::~PlannerWindow() {
    disconnect(model_, nullptr, this, nullptr);
}

void PlannerWindow::setMessagePresenter(std::function<void(const QString&)> present) {
    present_ = std::move(present);
}

void PlannerWindow::tell(const QString& message) {
    if (present_) {
        present_(message);
    } else {
        QMessageBox::warning(this, windowTitle(), message);
    }
}

void PlannerWindow::buildMenus() {
    QMenu* file = menuBar()->addMenu(tr("&File"));
    QAction* open = file->addAction(tr("&Open..."), this, &PlannerWindow::chooseFile);
    open->setShortcut(QKeySequence::Open);
    recentMenu_ = file->addMenu(tr("Open &Recent"));
    connect(recentMenu_, &QMenu::aboutToShow, this, &PlannerWindow::showRecent);
    QAction* saveRuns = file->addAction(tr("&Save"), this, &PlannerWindow::save);
    saveRuns->setShortcut(QKeySequence::Save);
    QAction* saveRunsAs = file->addAction(tr("Save &As..."), this, &PlannerWindow::saveAs);
    saveRunsAs->setShortcut(QKeySequence::SaveAs);
    file->addAction(tr("Report &Details..."), this, &PlannerWindow::editReportDetails);
    file->addAction(tr("Save &Report as HTML..."), this, &PlannerWindow::saveReport);
    QAction* printReport =
        file->addAction(tr("&Print / Export PDF..."), this, &PlannerWindow::print);
    printReport->setShortcut(QKeySequence::Print);
    file->addSeparator();
    QAction* quit = file->addAction(tr("&Quit"), this, &QWidget::close);
    quit->setShortcut(QKeySequence::Quit);

    QMenu* editMenu = menuBar()->addMenu(tr("&Edit"));
    QAction* undoAction = undo_.createUndoAction(this, tr("&Undo"));
    undoAction->setShortcut(QKeySequence::Undo);
    QAction* redoAction = undo_.createRedoAction(this, tr("&Redo"));
    redoAction->setShortcuts(
        keysWith(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence::Redo));
    editMenu->addAction(undoAction);
    editMenu->addAction(redoAction);
    // Undo and Redo pressed in a number box act on the plan, as everywhere
    // else in the window: a number box's own undo history is the text typed
    // into it, and only typing the box has not yet taken is undone there first.
    auto* undoKeys = new KeysThrough(
        {undoAction, redoAction},
        [](QObject* watched) {
            const auto* box = static_cast<QDoubleSpinBox*>(watched);
            return box->cleanText() == box->textFromValue(box->value());
        },
        this);
    for (QDoubleSpinBox* spin : {level_, minAnalog_, minDigital_, maxAnalog_, maxDigital_}) {
        spin->installEventFilter(undoKeys);
    }
    editMenu->addSeparator();
    QAction* add = editMenu->addAction(tr("&Add Run"), this, &PlannerWindow::addRun);
    add->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Insert));
    // Wherever the focus is in the window, also in a box that copies with it
    // (the source level's, where the window starts) or a cell being edited.
    QApplication::instance()->installEventFilter(new KeysThrough(
        {add},
        [this](QObject* watched) {
            return watched->isWidgetType() && static_cast<QWidget*>(watched)->window() == this;
        },
        this));
    QAction* remove = editMenu->addAction(tr("&Delete Runs"), this, &PlannerWindow::deleteRuns);
    remove->setShortcut(QKeySequence::Delete);
    remove->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    table_->addAction(remove);
    QAction* paste = editMenu->addAction(tr("&Paste Runs"), this, &PlannerWindow::pasteRuns);
    paste->setShortcut(QKeySequence::Paste);
    paste->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    table_->addAction(paste);
    editMenu->addSeparator();
    QAction* find = editMenu->addAction(tr("&Failing Runs Only"));
    find->setShortcut(QKeySequence::Find);
    connect(find, &QAction::triggered, failingOnly_, &QCheckBox::toggle);

    QMenu* view = menuBar()->addMenu(tr("&View"));
    view->addAction(tr("&Chart in a Window"), this, &PlannerWindow::showChartWindow);

    QMenu* help = menuBar()->addMenu(tr("&Help"));
    help->addAction(tr("Tarvelle Planner &Help"), this, &PlannerWindow::showHelp)
        ->setShortcut(QKeySequence::HelpContents);
    help->addAction(tr("&About Tarvelle Planner"), this, &PlannerWindow::showAbout);
}

QWidget* PlannerWindow::buildInputs() {
    auto* box = new QWidget;
    auto* form = new QFormLayout(box);
    level_ = levelBox(tr("Source level"), 20);
    QStringList products;
    for (const auto& configuration : kProductConfigurations) {
        products << text(configuration.listText);
    }
    QStringList cables;
    for (const auto& category : kCableCategories) {
        cables << text(category.listText);
    }
    product_ = listBox(tr("Product"), products);
    cable_ = listBox(tr("Cable"), cables);
    plan_ = listBox(tr("Frequency plan"), {tr("Plan 1"), tr("Plan 2")});
    plan_->setCurrentIndex(1);
    unit_ = listBox(tr("Level unit"), {QStringLiteral("dBmV"), QStringLiteral("dBµV")});
    minAnalog_ = levelBox(tr("Analog minimum"), 0);
    minDigital_ = levelBox(tr("Digital minimum"), 0);
    maxAnalog_ = levelBox(tr("Analog maximum"), 0);
    maxDigital_ = levelBox(tr("Digital maximum"), 0);
    usePresets();
    presets_ = new QPushButton(tr("Preset &windows"));
    presets_->setObjectName(QStringLiteral("presets"));
    presets_->setAccessibleName(tr("Use the preset receiver windows"));
    failingOnly_ = new QCheckBox(tr("&Failing runs only"));
    failingOnly_->setObjectName(QStringLiteral("failingOnly"));
    failingOnly_->setAccessibleName(tr("Failing runs only"));

    form->addRow(tr("Source &level:"), level_);
    form->addRow(tr("&Product:"), product_);
    form->addRow(tr("&Cable:"), cable_);
    form->addRow(tr("Fre&quency plan:"), plan_);
    form->addRow(tr("&Units:"), unit_);
    form->addRow(tr("Analog mi&nimum:"), minAnalog_);
    form->addRow(tr("Digital min&imum:"), minDigital_);
    form->addRow(tr("Analog ma&ximum:"), maxAnalog_);
    form->addRow(tr("Digital maxi&mum:"), maxDigital_);
    form->addRow(presets_);
    form->addRow(failingOnly_);

    for (QDoubleSpinBox* spin : {level_, minAnalog_, minDigital_, maxAnalog_, maxDigital_}) {
        connect(spin, &QDoubleSpinBox::valueChanged, this, &PlannerWindow::recheck);
    }
    for (QComboBox* list : {product_, cable_, plan_}) {
        connect(list, &QComboBox::currentIndexChanged, this, &PlannerWindow::recheck);
    }
    connect(unit_, &QComboBox::currentIndexChanged, this, &PlannerWindow::unitChanged);
    connect(presets_, &QPushButton::clicked, this, &PlannerWindow::usePresets);
    connect(failingOnly_, &QCheckBox::toggled, model_, &RunsModel::setFailingOnly);
    return box;
}

QWidget* PlannerWindow::buildResults() {
    auto* box = new QWidget;
    auto* layout = new QVBoxLayout(box);
    summary_ = new QLabel;
    summary_->setObjectName(QStringLiteral("summary"));
    summary_->setAccessibleName(tr("Summary"));
    summary_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    feed_ = new QLabel;
    feed_->setObjectName(QStringLiteral("feed"));
    feed_->setAccessibleName(tr("Feed range"));
    feed_->setWordWrap(true);
    layout->addWidget(summary_);
    layout->addWidget(feed_);

    tabs_ = new QTabWidget;
    QTabWidget* tabs = tabs_;
    tabs->setAccessibleName(tr("Chart and choice"));
    auto* chartPage = new QWidget;
    auto* chartLayout = new QVBoxLayout(chartPage);
    chart_ = new QSvgWidget;
    chart_->setAccessibleName(tr("Chart of received level against length"));
    chart_->setMinimumSize(240, 160);
    chartProblem_ = new QLabel;
    chartLayout->addWidget(chart_, 1);
    chartLayout->addWidget(chartProblem_);
    tabs->addTab(chartPage, tr("C&hart"));

    choicePage_ = new QWidget;
    QWidget* choicePage = choicePage_;
    auto* choiceLayout = new QVBoxLayout(choicePage);
    choice_ = new QTableWidget(static_cast<int>(kProductConfigurations.size()),
                               static_cast<int>(kCableCategories.size()));
    choice_->setObjectName(QStringLiteral("choice"));
    choice_->setAccessibleName(tr("Products and cables compared"));
    choice_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    choice_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    for (std::int16_t product = 0; product < 3; ++product) {
        choice_->setVerticalHeaderItem(product, new QTableWidgetItem(text(productLabel(product))));
    }
    for (std::int16_t cable = 0; cable < 3; ++cable) {
        choice_->setHorizontalHeaderItem(cable, new QTableWidgetItem(text(cableLabel(cable))));
    }
    recommendation_ = new QLabel;
    recommendation_->setObjectName(QStringLiteral("recommendation"));
    recommendation_->setAccessibleName(tr("Recommendation"));
    recommendation_->setWordWrap(true);
    applyChoice_ = new QPushButton(tr("&Apply recommendation"));
    applyChoice_->setObjectName(QStringLiteral("applyRecommendation"));
    applyChoice_->setAccessibleName(tr("Apply the recommended product, cable and feed level"));
    connect(applyChoice_, &QPushButton::clicked, this, &PlannerWindow::applyRecommendation);
    choiceLayout->addWidget(choice_, 1);
    choiceLayout->addWidget(recommendation_);
    choiceLayout->addWidget(applyChoice_);
    tabs->addTab(choicePage, tr("Ch&oice"));
    layout->addWidget(tabs, 1);
    // The nine combinations take nine times as long as the runs themselves:
    // ranked only while the choice is shown.
    connect(tabs, &QTabWidget::currentChanged, this, [this] {
        if (tabs_->currentWidget() != choicePage_) {
            return;
        }
        if (rankingStale_) {
            check();
        } else {
            showChoice();
        }
    });
    return box;
}

LevelUnit PlannerWindow::unit() const {
    return unit_->currentIndex() == 1 ? LevelUnit::DBuV : LevelUnit::DBmV;
}

Wording PlannerWindow::wording() const {
    Wording words;
    words.levelUnit = unitLabel(unit());
    words.levelOffsetDb = unit() == LevelUnit::DBuV ? kMicrovoltOffsetDb : 0;
    return words;
}

Combination PlannerWindow::chosenCombination() const {
    return {static_cast<std::int16_t>(product_->currentIndex()),
            static_cast<std::int16_t>(cable_->currentIndex())};
}

PlanScenario PlannerWindow::scenario() const {
    const LevelUnit shown = unit();
    PlanScenario plan;
    plan.levelIn = toDbmv(level_->value(), shown);
    plan.analog = {toDbmv(minAnalog_->value(), shown), toDbmv(maxAnalog_->value(), shown)};
    plan.digital = {toDbmv(minDigital_->value(), shown), toDbmv(maxDigital_->value(), shown)};
    plan.plan = plan_->currentIndex() + 1;
    return plan;
}

void PlannerWindow::usePresets() {
    const double offset = unit_ != nullptr && unit() == LevelUnit::DBuV ? kMicrovoltOffsetDb : 0;
    const auto preset = [](std::string_view value) { return text(value).toDouble(); };
    minAnalog_->setValue(preset(kMinimumPresets.analog) + offset);
    minDigital_->setValue(preset(kMinimumPresets.digital) + offset);
    maxAnalog_->setValue(preset(kMaximumPresets.analog) + offset);
    maxDigital_->setValue(preset(kMaximumPresets.digital) + offset);
}

// The levels stay the same levels: each box is shifted into the new unit.
void PlannerWindow::unitChanged() {
    const LevelUnit now = unit();
    const double shift = now == shownUnit_        ? 0
                         : now == LevelUnit::DBuV ? kMicrovoltOffsetDb
                                                  : -kMicrovoltOffsetDb;
    shownUnit_ = now;
    for (QDoubleSpinBox* spin : {level_, minAnalog_, minDigital_, maxAnalog_, maxDigital_}) {
        const QSignalBlocker quiet(spin);
        spin->setValue(spin->value() + shift);
    }
    recheck();
}

// The inputs or the runs changed: what was ranked holds no more.
void PlannerWindow::recheck() {
    ranking_.clear();
    rankingStale_ = true;
    check();
}

// A large building is checked (and sorted as the table asks) on a thread of
// its own: until it is back the results shown stand (the runs edited since
// wait), and a later change supersedes an unfinished check.
void PlannerWindow::check() {
    if (maxDigital_ == nullptr || choice_ == nullptr) {
        return;  // still being built
    }
    check_.reset();
    PlanCheck asked{.scenario = scenario(),
                    .wording = wording(),
                    .runs = runs_,
                    .rank = rankingStale_ && tabs_->currentWidget() == choicePage_,
                    .sort = model_->sortAsked(),
                    .shown = chosenCombination(),
                    .unit = unit(),
                    .room = std::move(room_)};
    if (quickToCheck(asked)) {
        const std::atomic<bool> never = false;
        takeIn(checkPlan(std::move(asked), never));
        return;
    }
    check_ = std::make_unique<BackgroundCheck>(std::move(asked));
    connect(check_.get(), &BackgroundCheck::checked, this, [this] {
        BackgroundCheck* done = check_.release();
        done->deleteLater();
        takeIn(done->takeChecked());
    });
    const QString checking = tr("Checking %1 runs...").arg(runs_.size());
    statusBar()->showMessage(checking);
    if (results_.runs.empty()) {  // a file just opened: what was shown is another's
        summary_->setText(checking);
        feed_->clear();
        loadChart({});
        chartProblem_->clear();
    }
    if (tabs_->currentWidget() == choicePage_) {
        showChoice();
    }
}

void PlannerWindow::takeIn(CheckedPlan checked) {
    room_ = std::move(results_.runs);
    results_ = std::move(checked.results);
    inputsOverflow_ = checked.overflow;
    if (checked.ranked) {
        ranking_ = std::move(checked.ranking);
        rankingStale_ = false;
    }
    model_->checked(wording(), std::move(checked.order));
    if (sizeColumns_) {
        sizeColumns_ = false;
        table_->resizeColumnsToContents();
    }
    summary_->setText(inputsOverflow_ ? tr("Run-time error: Overflow")
                      : runs_.empty() ? tr("No runs: open a runs file (Ctrl+O) or add a run.")
                                      : text(results_.summaryLine));
    feed_->setText(text(results_.feedLine));
    if (tabs_->currentWidget() == choicePage_) {
        showChoice();
    }
    showChart(checked);
    statusBar()->clearMessage();
}

void PlannerWindow::showChoice() {
    for (int row = 0; row < choice_->rowCount(); ++row) {
        for (int column = 0; column < choice_->columnCount(); ++column) {
            choice_->setItem(row, column, new QTableWidgetItem);
        }
    }
    applyChoice_->setEnabled(!ranking_.empty());
    if (ranking_.empty()) {
        recommendation_->clear();
        return;
    }
    for (std::size_t rank = 0; rank < ranking_.size(); ++rank) {
        const CombinationSummary& entry = ranking_[rank];
        QString cell = tr("%1 of %2 pass, smallest margin %3")
                           .arg(entry.plan.runsPassed)
                           .arg(entry.plan.runsChecked)
                           .arg(text(decibels(entry.plan.smallestMargin)));
        if (rank == 0) {
            cell = tr("Recommended: ") + cell;
        }
        choice_->item(entry.combination.product, entry.combination.cable)->setText(cell);
    }
    recommendation_->setText(text(recommendationLine(ranking_.front(), wording())));
}

void PlannerWindow::showChart(const CheckedPlan& checked) {
    loadChart(QByteArray::fromStdString(checked.chart));
    if (checked.chart.empty()) {
        chartProblem_->setText(
            tr("No chart: %1").arg(QString::fromStdString(checked.chartProblem)));
        return;
    }
    chartProblem_->clear();
}

void PlannerWindow::edit(const RunsEdit& change, const QString& what) {
    undo_.push(new RunsCommand(change, what, [this](const RunsEdit& e) { apply(e); }));
}

void PlannerWindow::editAgain(const QPersistentModelIndex& cell, const QString& typed) {
    if (!cell.isValid()) {
        return;
    }
    table_->setFocus();
    table_->setCurrentIndex(cell);
    table_->edit(cell);
    if (auto* editor = qobject_cast<QLineEdit*>(table_->indexWidget(cell))) {
        editor->setText(typed);
    }
}

void PlannerWindow::apply(const RunsEdit& change) {
    changeRuns(change);
    recheck();
}

// The results kept in step with the runs until they are checked again.
void PlannerWindow::changeRuns(const RunsEdit& change) {
    stopReadingRuns();
    planning::apply(runs_, change);
    planning::apply(results_.runs, change);
    model_->edited(change);
}

void PlannerWindow::stopReadingRuns() {
    check_.reset();
    recovery_.reset();  // the next edit writes the recovery file again
}

void PlannerWindow::addRun() {
    const std::size_t at = runs_.size();
    edit(RunsEdit{at, {}, {PlannedRun{"new " + std::to_string(at + 1), 30, chosenCombination()}}},
         tr("Add Run"));
    const QModelIndex added = model_->index(model_->rowOf(at), 0);
    // Alone, though Ctrl is held: Delete next removes only the run added.
    table_->selectionModel()->setCurrentIndex(
        added, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    table_->edit(added);
}

// Each block of adjacent selected runs is one removal, last block first so
// that the earlier positions stay valid; all are undone together.
void PlannerWindow::deleteRuns() {
    std::set<std::size_t> rows;
    for (const QModelIndex& index : table_->selectionModel()->selectedIndexes()) {
        rows.insert(model_->runAt(index.row()));
    }
    if (rows.empty()) {
        return;
    }
    const std::vector<std::size_t> sorted(rows.begin(), rows.end());
    undo_.beginMacro(tr("Delete Runs"));
    for (std::size_t end = sorted.size(); end > 0;) {
        std::size_t begin = end - 1;
        while (begin > 0 && sorted[begin - 1] + 1 == sorted[begin]) {
            --begin;
        }
        const auto first = runs_.begin() + static_cast<std::ptrdiff_t>(sorted[begin]);
        edit(RunsEdit{sorted[begin], {first, first + static_cast<std::ptrdiff_t>(end - begin)}, {}},
             tr("Delete Runs"));
        end = begin;
    }
    undo_.endMacro();
}

// The rows kept with their line and reason (a hundred thousand items would
// take the window most of a second), the rest counted.
void PlannerWindow::listProblems(const RowProblems& problems, const QString& line,
                                 const QString& lines) {
    for (const RowProblem& problem : problems.kept) {
        const QString where = problem.firstLine == problem.lastLine
                                  ? line.arg(problem.firstLine)
                                  : lines.arg(problem.firstLine).arg(problem.lastLine);
        problemList_->addItem(where + ": " + QString::fromStdString(problem.reason));
    }
    if (problems.count > problems.kept.size()) {
        problemList_->addItem(tr("... and %1 more rows that could not be read")
                                  .arg(problems.count - problems.kept.size()));
    }
    problemList_->setVisible(problemList_->count() > 0);
}

void PlannerWindow::pasteRuns() {
    const std::string pasted = QApplication::clipboard()->text().toStdString();
    RunsDocument document;
    try {
        document = readPastedRuns(pasted, chosenCombination());
    } catch (const std::exception& error) {
        tell(tr("The clipboard holds no runs: %1").arg(QString::fromStdString(error.what())));
        return;
    }
    listProblems(document.problems, tr("Pasted line %1"), tr("Pasted lines %1-%2"));
    if (document.runs.empty()) {
        tell(tr("The clipboard holds no runs (identifier and length, separated by tabs)."));
        return;
    }
    edit(RunsEdit{runs_.size(), {}, std::move(document.runs)}, tr("Paste Runs"));
}

// The runs moved onto the recommendation and the inputs set to it: one step
// to undo, so that an undone Apply leaves nothing of it behind.
class PlannerWindow::ChoiceCommand : public QUndoCommand {
  public:
    ChoiceCommand(PlannerWindow& window, RunsMove move, Choice before, Choice after)
        : QUndoCommand(tr("Apply Recommendation")),
          window_(window),
          move_(std::move(move)),
          before_(before),
          after_(after) {}
    void redo() override { window_.applyChoice(move_, false, after_); }
    void undo() override { window_.applyChoice(move_, true, before_); }

  private:
    PlannerWindow& window_;
    RunsMove move_;
    Choice before_;
    Choice after_;
};

PlannerWindow::Choice PlannerWindow::choice() const {
    return {chosenCombination(), toDbmv(level_->value(), unit())};
}

// The inputs are set quietly and the runs checked once, not once per input.
void PlannerWindow::applyChoice(const RunsMove& move, bool back, const Choice& choice) {
    if (movesAny(move)) {
        stopReadingRuns();
        back ? undo(runs_, move) : planning::apply(runs_, move);
        std::ranges::fill(results_.runs, RunResult{});  // each waits for its check
        model_->refresh();
    }
    {
        const QSignalBlocker quietProduct(product_);
        const QSignalBlocker quietCable(cable_);
        const QSignalBlocker quietLevel(level_);
        product_->setCurrentIndex(choice.combination.product);
        cable_->setCurrentIndex(choice.combination.cable);
        level_->setValue(fromDbmv(choice.levelDbmv, unit()));
    }
    recheck();
}

void PlannerWindow::applyRecommendation() {
    if (ranking_.empty()) {
        return;
    }
    const CombinationSummary best = ranking_.front();
    const Choice before = choice();
    const Choice after{best.combination,
                       best.plan.feed.suggestedLevel().value_or(before.levelDbmv)};
    RunsMove move = moveOnto(runs_, best.combination);
    // The level box holds hundredths.
    if (!movesAny(move) && after.combination == before.combination &&
        std::abs(after.levelDbmv - before.levelDbmv) < 0.005) {
        return;  // in place already: nothing to undo
    }
    undo_.push(new ChoiceCommand(*this, std::move(move), before, after));
}

void PlannerWindow::updateTitle() {
    const QString name = path_.isEmpty() ? tr("Untitled") : QFileInfo(path_).fileName();
    setWindowTitle(name + (undo_.isClean() ? QString() : QStringLiteral("*")) +
                   QStringLiteral(" - Tarvelle Planner"));
}

}  // namespace tarvelle::planner
