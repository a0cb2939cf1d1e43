// A drop-down list whose entries do not all fit its closed box takes a
// narrower face, whichever entry it is that does not fit.

#include "tests/ui/offscreen_fixture.h"
#include "ui/widgets/list_font.h"

using namespace tarvelle::ui::testing;

class NarrowListFaceTest : public QObject {
    Q_OBJECT

  public:
    static void initMain() { useOffscreenPlatform(); }

  private slots:
    void takes_the_narrow_face_when_any_entry_is_too_wide_data() {
        const QString wide = "Vidra Hub 16-port (281662) to Vidra Balun (281657)";
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<bool>("narrow");
        QTest::newRow("every entry fits") << QStringList{"Cat5/5e", "Cat6", "Cat6A/Cat7"} << false;
        QTest::newRow("only the first too wide") << QStringList{wide, "Cat6", "Cat6A"} << true;
        QTest::newRow("only the last too wide") << QStringList{"Cat5/5e", "Cat6", wide} << true;
    }

    // A box 150 pixels wide holds the short entries whole, not the long one.
    void takes_the_narrow_face_when_any_entry_is_too_wide() {
        QFETCH(QStringList, entries);
        QFETCH(bool, narrow);
        QComboBox list;
        list.setFont(QFont("Arial", 8));
        list.addItems(entries);
        list.resize(150, 21);
        const QFont before = list.font();
        fitEntries(list);
        const int widest = QFontMetrics(before).horizontalAdvance(entries.join(""));
        if (narrow) {
            QVERIFY(QFontMetrics(list.font()).horizontalAdvance(entries.join("")) < widest);
        } else {
            QCOMPARE(list.font(), before);
        }
    }
};

QTEST_MAIN(NarrowListFaceTest)
#include "narrow_list_face_test.moc"
