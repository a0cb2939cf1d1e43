#include "ui/planner/background_write.h"

#include <QSaveFile>
#include <algorithm>
#include <sstream>
#include <string_view>

namespace tarvelle::planner {

namespace {

// A few milliseconds of writing between looks at the stop request.
constexpr std::size_t kRowsAtATime = 16'384;

bool put(QSaveFile& file, std::string_view bytes) {
    return file.write(bytes.data(), static_cast<qint64>(bytes.size())) ==
           static_cast<qint64>(bytes.size());
}

}  // namespace

BackgroundWrite::BackgroundWrite(QString path, std::span<const planning::PlannedRun> runs,
                                 std::function<bool()> before)
    : thread_([path = std::move(path), runs, before = std::move(before)](std::stop_token stop) {
          QSaveFile file(path);
          if (!before() || !file.open(QIODevice::WriteOnly) ||
              !put(file, planning::kRunsCsvHeader)) {
              return;
          }
          std::ostringstream piece;
          for (std::size_t at = 0; at < runs.size(); at += kRowsAtATime) {
              if (stop.stop_requested()) {
                  return;  // not committed: the file as it was
              }
              piece.str({});
              planning::writeRunsCsvRows(
                  piece, runs.subspan(at, std::min(kRowsAtATime, runs.size() - at)));
              if (!put(file, piece.view())) {
                  return;
              }
          }
          file.commit();
      }) {}

}  // namespace tarvelle::planner
