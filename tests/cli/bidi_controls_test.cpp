// A run's identifier may hold characters that reorder the text around them or
// do not show; on a terminal and on standard error they are shown escaped,
// never obeyed.

#include <QTest>

#include "tests/cli/run_cli.h"

class BidiControlsTest : public QObject {
    Q_OBJECT

  private slots:
    void identifiers_show_bidi_controls_escaped_data() {
        QTest::addColumn<uint>("codePoint");
        QTest::addColumn<bool>("escaped");
        const char* names[] = {"left-to-right embedding", "right-to-left embedding",
                               "pop directional formatting", "left-to-right override",
                               "right-to-left override"};
        for (uint c = 0x202A; c <= 0x202E; ++c) {
            QTest::newRow(names[c - 0x202A]) << c << true;
        }
        const char* isolates[] = {"left-to-right isolate", "right-to-left isolate",
                                  "first strong isolate", "pop directional isolate"};
        for (uint c = 0x2066; c <= 0x2069; ++c) {
            QTest::newRow(isolates[c - 0x2066]) << c << true;
        }
        QTest::newRow("soft hyphen") << 0xADu << true;
        QTest::newRow("narrow no-break space, shown as it is") << 0x202Fu << false;
        QTest::newRow("e acute, shown as it is") << 0xE9u << false;
    }

    // Twice, so that standard error warns of the repeat and names it.
    void identifiers_show_bidi_controls_escaped() {
        QFETCH(uint, codePoint);
        QFETCH(bool, escaped);
        const char32_t character[] = {char32_t(codePoint)};
        const QByteArray raw = QString::fromUcs4(character, 1).toUtf8();
        const QByteArray id = "room " + raw + "12";
        const Outcome outcome =
            runCli({"--pin", "20", "--product", "8-port", "--cable", "cat6", "--runs", "-"},
                   id + ",45m\n" + id + ",50m\n");
        QCOMPARE(outcome.status, 0);
        const QByteArray shown =
            escaped ? "room \\u" + QByteArray::number(codePoint, 16).rightJustified(4, '0') + "12"
                    : id;
        QCOMPARE(outcome.rawOut.count(shown), 2);
        QCOMPARE(outcome.rawErr.count(shown), 1);
        if (escaped) {
            QVERIFY(!outcome.rawOut.contains(raw));
            QVERIFY(!outcome.rawErr.contains(raw));
        }
    }
};

QTEST_GUILESS_MAIN(BidiControlsTest)
#include "bidi_controls_test.moc"
