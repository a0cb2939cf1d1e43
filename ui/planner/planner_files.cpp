// The planner window's files: the runs read and saved, the report saved,
// recent files, and the recovery of unsaved edits.

#include "ui/planner/planner_window.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QProgressDialog>
#include <QPushButton>
#include <QSaveFile>
#include <QSettings>
#include <QStatusBar>
#include <QTableView>
#include <QTimer>
#include <sstream>

#include "engine/arithmetic_error.h"
#include "planning/plan_report.h"
#include "ui/planner/background_check.h"
#include "ui/planner/background_read.h"
#include "ui/planner/background_write.h"
#include "ui/planner/runs_model.h"

namespace tarvelle::planner {

using namespace tarvelle::planning;

namespace {

constexpr int kMostRecent = 8;
const QString kRecentKey = QStringLiteral("planner/recentFiles");

}  // namespace

void PlannerWindow::chooseFile() {
    const QString path =
        QFileDialog::getOpenFileName(this, tr("Open Runs File"), QFileInfo(path_).absolutePath(),
                                     tr("Runs files (*.csv *.tsv *.txt);;All files (*)"));
    if (!path.isEmpty()) {
        openFile(path);
    }
}

// A named pipe would hold the reading until something writes to it, and
// quitting waits for the reading: what is not a regular file is refused.
void PlannerWindow::openFile(const QString& path) {
    if (const QFileInfo file(path); file.exists() && !file.isFile()) {
        tell(tr("%1 cannot be read: it is not a regular file").arg(path));
        return;
    }
    if (!keepOrDiscard()) {
        return;
    }
    auto* job = new BackgroundRead(path, chosenCombination(), this);
    auto* progress = new QProgressDialog(tr("Reading %1...").arg(QFileInfo(path).fileName()),
                                         tr("Cancel"), 0, 1000, this);
    progress->setObjectName(QStringLiteral("readProgress"));
    progress->setWindowModality(Qt::WindowModal);
    progress->setMinimumDuration(300);
    progress->setAutoReset(false);
    progress->setAutoClose(false);
    auto* poll = new QTimer(progress);
    connect(poll, &QTimer::timeout, progress, [job, progress] {
        const qint64 size = std::max<qint64>(job->stamp().size, 1);
        progress->setValue(static_cast<int>(1000 * static_cast<qint64>(job->bytesRead()) / size));
    });
    poll->start(50);
    connect(progress, &QProgressDialog::canceled, job, &BackgroundRead::cancel);
    const auto done = [job, progress, poll] {
        // Hidden for good before any message, which runs its own event loop
        // while the box waits to be deleted: neither its wait to show nor the
        // poll can bring it back over the message.
        poll->stop();
        progress->cancel();
        progress->deleteLater();
        job->deleteLater();
    };
    connect(job, &BackgroundRead::cancelled, this, [this, done] {
        done();
        statusBar()->showMessage(tr("Reading cancelled"), 5000);
    });
    connect(job, &BackgroundRead::failed, this,
            [this, done](const QString& name, const QString& reason) {
                done();
                tell(tr("%1 cannot be read: %2").arg(name, reason));
            });
    connect(job, &BackgroundRead::read, this, [this, job, done](const QString& name) {
        done();
        adopt(name, job->takeDocument(), false);
        onDisk_ = job->stamp();
    });
}

void PlannerWindow::adopt(const QString& path, RunsDocument document, bool modified) {
    undo_.clear();
    undo_.setClean();  // clear() leaves an empty stack's mark, that of runs recovered
    stopReadingRuns();
    runs_ = std::move(document.runs);
    results_ = PlanResults{};
    model_->reset();
    problems_ = std::move(document.problems);
    otherColumns_ = std::move(document.otherColumns);
    path_ = path;
    readFrom_ = path;
    problemList_->clear();
    listProblems(problems_, tr("Line %1"), tr("Lines %1-%2"));
    sizeColumns_ = true;
    recheck();
    if (modified) {
        undo_.resetClean();  // recovered runs are unsaved until saved
    } else if (!path.isEmpty()) {
        rememberRecent(path);
    }
    updateTitle();
}

bool PlannerWindow::writeFile(const QString& path, const std::string& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(bytes.data(), static_cast<qint64>(bytes.size())) !=
            static_cast<qint64>(bytes.size()) ||
        !file.commit()) {
        tell(tr("%1 cannot be written: %2").arg(path, file.errorString()));
        return false;
    }
    return true;
}

// Saved over a file another program changed since, the runs would replace
// that change unseen: said first.
bool PlannerWindow::save() {
    if (path_.isEmpty()) {
        return saveAs();
    }
    if (FileStamp::of(path_) != onDisk_) {
        if (const auto saved = askSavingOver(
                tr("%1 was changed by another program since it was opened: saved over, the "
                   "file loses that change. Save the runs as a new file?")
                    .arg(QFileInfo(path_).fileName()))) {
            return *saved;
        }
    }
    return saveRuns(path_);
}

bool PlannerWindow::saveAs() {
    const QString path =
        QFileDialog::getSaveFileName(this, tr("Save Runs"), path_, tr("Runs files (*.csv)"));
    return !path.isEmpty() && saveRuns(path);
}

// Saved over the file they were read from, the runs replace what they do not
// keep of it: said first, with a new file offered instead.
bool PlannerWindow::saveRuns(const QString& path) {
    const QString target = QFileInfo(path).canonicalFilePath();
    const bool over = !target.isEmpty() && target == QFileInfo(readFrom_).canonicalFilePath();
    if (over && (problems_.count > 0 || !otherColumns_.empty())) {
        QStringList unkept;
        if (problems_.count > 0) {
            unkept << (problems_.count == 1
                           ? tr("1 row that could not be read")
                           : tr("%1 rows that could not be read").arg(problems_.count));
        }
        if (!otherColumns_.empty()) {
            QStringList names;
            for (const std::string& name : otherColumns_) {
                names << QString::fromStdString(name);
            }
            unkept << (names.size() == 1 ? tr("the column %1") : tr("the columns %1"))
                          .arg(names.join(QStringLiteral(", ")));
        }
        if (const auto saved =
                askSavingOver(tr("%1 holds %2, which the runs do not keep: saved over, the "
                                 "file loses them. Save the runs as a new file?")
                                  .arg(QFileInfo(path).fileName(), unkept.join(tr(" and "))))) {
            return *saved;
        }
    }
    std::ostringstream csv;
    writeRunsCsv(csv, runs_);
    if (!writeFile(path, std::move(csv).str())) {
        return false;
    }
    onDisk_ = FileStamp::of(path);
    if (over) {
        readFrom_.clear();  // it holds the runs alone now
    }
    if (path != path_) {
        path_ = path;
        rememberRecent(path);
    }
    undo_.setClean();
    updateTitle();
    dropRecovery();
    statusBar()->showMessage(tr("Saved %1").arg(path_), 5000);
    return true;
}

std::optional<bool> PlannerWindow::askSavingOver(const QString& text) {
    QMessageBox question(QMessageBox::Warning, windowTitle(), text, QMessageBox::Cancel, this);
    QPushButton* newFile = question.addButton(tr("Save &As..."), QMessageBox::AcceptRole);
    QPushButton* anyway = question.addButton(tr("Save Any&way"), QMessageBox::DestructiveRole);
    question.setDefaultButton(newFile);
    question.exec();
    if (question.clickedButton() == newFile) {
        return saveAs();
    }
    if (question.clickedButton() != anyway) {
        return false;
    }
    return std::nullopt;
}

void PlannerWindow::saveReport() {
    const QFileInfo runs(path_);
    const QString suggested = path_.isEmpty()
                                  ? QStringLiteral("report.html")
                                  : runs.dir().filePath(runs.completeBaseName() + "-report.html");
    const QString path =
        QFileDialog::getSaveFileName(this, tr("Save Report"), suggested, tr("Web pages (*.html)"));
    if (path.isEmpty()) {
        return;
    }
    try {
        if (writeFile(path, reportHtml())) {
            statusBar()->showMessage(tr("Saved the report as %1").arg(path), 5000);
        }
    } catch (const ArithmeticError&) {
        tell(tr("No report: Run-time error: Overflow"));
    }
}

bool PlannerWindow::keepOrDiscard() {
    if (undo_.isClean()) {
        return true;
    }
    const auto answer = QMessageBox::question(
        this, windowTitle(), tr("The runs have changes that are not saved. Save them first?"),
        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save);
    if (answer == QMessageBox::Save) {
        return save();
    }
    if (answer == QMessageBox::Discard) {
        dropRecovery();
        undo_.clear();
        return true;
    }
    return false;
}

void PlannerWindow::closeEvent(QCloseEvent* event) {
    if (keepOrDiscard()) {
        // Nothing is left unsaved: no write outlives the window, nor a file of
        // edits undone since it was written.
        dropRecovery();
        keepSettings();
        event->accept();
    } else {
        event->ignore();
    }
}

void PlannerWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls()) {
        event->acceptProposedAction();
    }
}

void PlannerWindow::dropEvent(QDropEvent* event) {
    const QList<QUrl> urls = event->mimeData()->urls();
    if (!urls.isEmpty() && urls.front().isLocalFile()) {
        openFile(urls.front().toLocalFile());
        event->acceptProposedAction();
    }
}

void PlannerWindow::rememberRecent(const QString& path) {
    QSettings settings;
    QStringList recent = settings.value(kRecentKey).toStringList();
    const QString absolute = QFileInfo(path).absoluteFilePath();
    recent.removeAll(absolute);
    recent.prepend(absolute);
    settings.setValue(kRecentKey, recent.mid(0, kMostRecent));
}

void PlannerWindow::showRecent() {
    recentMenu_->clear();
    const QStringList recent = QSettings().value(kRecentKey).toStringList();
    for (const QString& path : recent) {
        recentMenu_->addAction(path, this, [this, path] { openFile(path); });
    }
    recentMenu_->setEnabled(!recent.isEmpty());
}

void PlannerWindow::scheduleRecovery() {
    recoveryTimer_->start();
}

// Written whole or not at all, so that a crash while writing leaves the
// previous recovery file; on a thread of its own, so that the window answers
// while a large building is written. The file the runs came from is recorded
// as an absolute path: the next start may be in another folder.
void PlannerWindow::writeRecovery() {
    if (undo_.isClean()) {
        dropRecovery();
        return;
    }
    recovery_.reset();  // one write at a time
    if (!recoveryFile_.hold()) {
        return;
    }
    const QString source = path_.isEmpty() ? QString() : QFileInfo(path_).absoluteFilePath();
    recovery_ = std::make_unique<BackgroundWrite>(recoveryFile_.runsPath(), runs_,
                                                  recoveryFile_.sourceRecorder(source));
}

// An unfinished write stopped first, so that it cannot put back what is removed.
void PlannerWindow::dropRecovery() {
    recovery_.reset();
    recoveryFile_.remove();
}

void PlannerWindow::offerRecovery() {
    PlannerWindow* into = this;
    for (RecoveryFile& found : RecoveryFile::unclaimed()) {
        const QString source = found.source();
        const QString question =
            source.isEmpty()
                ? tr("Runs edited in a new, untitled plan were not saved. Recover them?")
                : tr("Runs edited in %1 were not saved. Recover them?")
                      .arg(QDir::toNativeSeparators(source));
        if (QMessageBox::question(this, windowTitle(), question, QMessageBox::Yes | QMessageBox::No,
                                  QMessageBox::Yes) != QMessageBox::Yes) {
            found.remove();
            continue;
        }
        PlannerWindow* window = into != nullptr ? into : windowOfItsOwn();
        if (window->recover(std::move(found))) {
            window->show();
            into = nullptr;
        } else if (window != this) {
            delete window;
        }
    }
}

void PlannerWindow::openGiven(const QString& path) {
    if (undo_.isClean()) {
        openFile(path);
    } else if (path_.isEmpty() || QFileInfo(path) != QFileInfo(path_)) {
        PlannerWindow* window = windowOfItsOwn();
        window->show();
        window->openFile(path);
    }
}

PlannerWindow* PlannerWindow::windowOfItsOwn() const {
    auto* window = new PlannerWindow;
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->present_ = present_;
    return window;
}

// The file recovered becomes this window's own, still held: its runs stay
// until saved or written anew. One that cannot be read is left for the next
// start.
bool PlannerWindow::recover(RecoveryFile found) {
    try {
        FileInput input(found.runsPath().toStdString());
        std::atomic<bool> never = false;
        std::atomic<std::size_t> bytes = 0;
        RunsDocument document = readRuns(input, chosenCombination(), never, bytes);
        recovery_.reset();
        recoveryFile_ = std::move(found);
        adopt(recoveryFile_.source(), std::move(document), true);
        onDisk_ = FileStamp::of(path_);  // as found now: earlier changes cannot be told
        return true;
    } catch (const std::exception& error) {
        tell(tr("The recovered runs cannot be read: %1").arg(QString::fromStdString(error.what())));
        return false;
    }
}

}  // namespace tarvelle::planner
