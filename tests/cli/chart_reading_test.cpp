// What a reader takes from the chart: axes that run to their ends, and a note
// that counts the runs drawn on other inputs than the chart's lines.

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

#include "tests/cli/run_cli.h"

namespace {

struct Chart {
    QRectF frame;              // the plot area's outline
    QList<double> metreTicks;  // x, below the plot
    QList<double> feetTicks;   // x, above it
    QList<double> levelTicks;  // y, at its left
    QList<double> lineEnds;    // y of the band edges' lines
    QStringList texts;
};

// Draws the chart of runs.csv in a fresh folder and reads it back.
Chart drawn(const QStringList& arguments, const QByteArray& runs) {
    QTemporaryDir dir;
    QFile input(dir.filePath("runs.csv"));
    input.open(QIODevice::WriteOnly);
    input.write(runs);
    input.close();
    const Outcome outcome = runCli(
        arguments + QStringList{"--runs", "runs.csv", "--plot", "chart.svg"}, {}, dir.path());
    if (outcome.status < 0 || outcome.status > 1) {
        qWarning("%s", qPrintable(outcome.err));
    }
    QFile file(dir.filePath("chart.svg"));
    file.open(QIODevice::ReadOnly);
    QXmlStreamReader xml(&file);
    Chart chart;
    QList<QXmlStreamAttributes> lines;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) {
            continue;
        }
        const QXmlStreamAttributes a = xml.attributes();
        const auto number = [&a](const char* name) { return a.value(name).toDouble(); };
        if (xml.name() == u"rect" && a.value("fill") == u"none" && a.value("stroke") == u"#444") {
            chart.frame = QRectF(number("x"), number("y"), number("width"), number("height"));
        } else if (xml.name() == u"line" && a.value("stroke") == u"#444") {
            lines << a;
        } else if (xml.name() == u"line" && a.value("class") == u"series") {
            chart.lineEnds << number("y1") << number("y2");
        } else if (xml.name() == u"text") {
            chart.texts << xml.readElementText(QXmlStreamReader::IncludeChildElements);
        }
    }
    const QRectF f = chart.frame;
    for (const QXmlStreamAttributes& a : lines) {
        const double x1 = a.value("x1").toDouble(), y1 = a.value("y1").toDouble();
        const double x2 = a.value("x2").toDouble(), y2 = a.value("y2").toDouble();
        if (x1 == x2 && y1 == f.bottom() && y2 == f.bottom() + 5) {
            chart.metreTicks << x1 - f.left();
        } else if (x1 == x2 && y1 == f.top() - 5 && y2 == f.top()) {
            chart.feetTicks << x1 - f.left();
        } else if (y1 == y2 && x1 == f.left() - 5 && x2 == f.left()) {
            chart.levelTicks << f.bottom() - y1;
        }
    }
    return chart;
}

// The last tick lies on the axis, and nearer its end than to the tick before
// it: one more tick would lie beyond the end.
void endsNearItsEnd(QList<double> ticks, double length, const char* axis) {
    std::sort(ticks.begin(), ticks.end());
    QVERIFY2(ticks.size() >= 3, axis);
    const double last = ticks.last();
    QVERIFY2(last <= length + 0.01, axis);
    QVERIFY2(length - last < last - ticks[ticks.size() - 2], axis);
}

const QStringList kEightPortCat6{"--pin", "20", "--product", "8-port", "--cable", "cat6"};

}  // namespace

class ChartReadingTest : public QObject {
    Q_OBJECT

  private slots:
    void axes_end_with_a_tick_and_hold_every_line_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArray>("runs");
        QTest::newRow("runs from 12 to 70 m") << kEightPortCat6 << QByteArray("a,12m\nb,70m\n");
        QTest::newRow("windows crossed, one run")
            << QStringList{"--pin", "30", "--product", "balun", "--cable", "cat5e"}
            << QByteArray("a,45m\n");
        QTest::newRow("levels in dBuV, a run of 300 m")
            << QStringList{"--units", "dBuV", "--pin", "83"} << QByteArray("a,300m\n");
    }

    void axes_end_with_a_tick_and_hold_every_line() {
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, runs);
        const Chart chart = drawn(arguments, runs);
        QVERIFY(chart.frame.width() > 0);
        endsNearItsEnd(chart.metreTicks, chart.frame.width(), "metres");
        endsNearItsEnd(chart.feetTicks, chart.frame.width(), "feet");
        endsNearItsEnd(chart.levelTicks, chart.frame.height(), "levels");
        QVERIFY(!chart.lineEnds.isEmpty());
        for (const double y : chart.lineEnds) {
            QVERIFY2(y >= chart.frame.top() - 0.01 && y <= chart.frame.bottom() + 0.01,
                     "a band edge's line leaves the plot");
        }
        QCOMPARE(chart.texts.filter(QRegularExpression("^Allowed cable lengths on ")).size(), 1);
        for (const char* label : {"analog", "digital", "worst case"}) {
            QVERIFY2(chart.texts.contains(label), label);
        }
    }

    void note_counts_the_runs_on_another_cable_or_product_data() {
        QTest::addColumn<QByteArray>("runs");
        QTest::addColumn<int>("others");
        const QByteArray header = "room,length,cable,product\n";
        QTest::newRow("every run on the chart's own, named or not")
            << header + "a,40m,cat6,8-port\nb,50m,,\nc,60m,cat6,\n"
            << 0;
        QTest::newRow("one on another cable")
            << header + "a,40m,cat6,8-port\nb,50m,cat5e,\nc,60m,,\n"
            << 1;
        QTest::newRow("one on another product")
            << header + "a,40m,,16-port\nb,50m,cat6,8-port\nc,60m,,\n"
            << 1;
        QTest::newRow("one on another cable and product") << header + "a,40m,cat6a,balun\nb,50m,,\n"
                                                          << 1;
        QTest::newRow("two of three") << header + "a,40m,cat6a,\nb,50m,,balun\nc,60m,,\n" << 2;
    }

    void note_counts_the_runs_on_another_cable_or_product() {
        QFETCH(QByteArray, runs);
        QFETCH(int, others);
        const Chart chart = drawn(kEightPortCat6, runs);
        const QRegularExpression note("(\\d+) on another cable or product");
        const QStringList notes = chart.texts.filter(note);
        QCOMPARE(chart.texts.filter("not drawn"), QStringList());  // every run is drawn
        if (others == 0) {
            QCOMPARE(notes, QStringList());
        } else {
            QCOMPARE(notes.size(), 1);
            QCOMPARE(note.match(notes.first()).captured(1).toInt(), others);
        }
    }
};

QTEST_GUILESS_MAIN(ChartReadingTest)
#include "chart_reading_test.moc"
