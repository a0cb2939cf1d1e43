// What a reader takes from the chart: axes that run to their ends and hold
// every allowed length, runs counted in bands of a round width up to the
// chart's limit, notes that count the runs drawn on other inputs than the
// chart's lines or not drawn, and length labels where they have room.

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

#include "tests/cli/run_cli.h"

namespace {

struct Text {
    double x;
    double y;
    bool endAnchored;
};

struct Chart {
    QRectF frame;              // the plot area's outline
    QList<double> metreTicks;  // x, below the plot
    QList<double> feetTicks;   // x, above it
    QList<double> levelTicks;  // y, at its left
    QList<double> lineEnds;    // y of the band edges' lines
    QList<QRectF> bars;        // allowed lengths, top down
    QStringList texts;
    QHash<QString, Text> placeOf;  // of each text
    QStringList titles;            // what pointing at a band shows
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
        } else if (xml.name() == u"rect" && a.value("height") == u"10" &&
                   !a.hasAttribute("stroke")) {
            chart.bars << QRectF(number("x"), number("y"), number("width"), number("height"));
        } else if (xml.name() == u"text") {
            chart.texts << xml.readElementText(QXmlStreamReader::IncludeChildElements);
            chart.placeOf[chart.texts.last()] = {number("x"), number("y"),
                                                 a.value("text-anchor") == u"end"};
        } else if (xml.name() == u"title") {
            chart.titles << xml.readElementText();
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
        // Cat6A's worst case (41.91 to 73.34 m; its digital window to 76.56
        // m) reaches beyond Cat5/5e's lengths (to 60.67 m).
        QTest::newRow("a run on Cat6A beside Cat5/5e")
            << QStringList{"--pin", "20", "--product", "8-port", "--cable", "cat5e"}
            << QByteArray("room,length,cable\na,10m,cat6a\n");
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
        QVERIFY(!chart.bars.isEmpty());
        for (const QRectF& bar : chart.bars) {
            QVERIFY2(bar.left() >= chart.frame.left() && bar.right() <= chart.frame.right() + 0.01,
                     "an allowed length's bar leaves the plot");
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

    // On the 8-port hub and Cat6 at 20 dBmV the chart's lengths end at 76.43 m
    // (1.1 times the digital window's 69.48 m): it draws runs up to 1 km, and
    // the legend counts every failing run, drawn or not (32 m is too short).
    // Its axis runs to 1.05 times the longest run, and its ticks a round step
    // apart, about six: on 210 m every 50 m, a fifth of it a band; on 357 m
    // every 100 m, a fifth; on 472.5 m, over four ticks, half a tick.
    void runs_are_counted_in_bands_up_to_the_limit_data() {
        QTest::addColumn<QByteArray>("runs");
        QTest::addColumn<QStringList>("says");
        QTest::newRow("a run at the limit drawn, one beyond it counted")
            << QByteArray("a,32m\nb,1000m\nc,1000.01m\n")
            << QStringList{"1 run from 1000.00 to 1050.00 m: 0 pass, 1 fail",
                           "1 longer than 1000.00 m not drawn", "runs that fail, dark (3)"};
        QTest::newRow("200 m") << QByteArray("a,200m\n")
                               << QStringList{"Runs by length, counted in bands of 10 m",
                                              "1 run from 200.00 to 210.00 m: 0 pass, 1 fail"};
        QTest::newRow("340 m") << QByteArray("a,340m\n")
                               << QStringList{"Runs by length, counted in bands of 20 m",
                                              "1 run from 340.00 to 360.00 m: 0 pass, 1 fail"};
        QTest::newRow("450 m") << QByteArray("a,450m\n")
                               << QStringList{"Runs by length, counted in bands of 50 m",
                                              "1 run from 450.00 to 500.00 m: 0 pass, 1 fail"};
        QByteArray many;
        for (int i = 0; i < 9'600; ++i) {
            many += "r" + QByteArray::number(i) + ",32m\n";
        }
        QTest::newRow("9,600 runs of 32 m in a band of 5 m")
            << many << QStringList{"9.6k", "9600 runs from 30.00 to 35.00 m: 0 pass, 9600 fail"};
    }

    void runs_are_counted_in_bands_up_to_the_limit() {
        QFETCH(QByteArray, runs);
        QFETCH(QStringList, says);
        const Chart chart = drawn(kEightPortCat6, runs);
        for (const QString& text : says) {
            QVERIFY2(chart.texts.contains(text) || chart.titles.contains(text), qPrintable(text));
        }
    }

    // A label right of its bar, else left of it when it fits there, else on
    // a line of its own under it, the next row below that.
    void length_labels_stand_where_they_have_room_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArray>("runs");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("where");
        QTest::newRow("long, right of a bar ending at 83% of the axis")
            << kEightPortCat6 << QByteArray("room,length,product\na,50m,16-port\n")
            << "34.78 to 63.56 m, 1 run on the 16-port hub to balun"
            << "right";
        // 48.20 m is 87% of the axis's 55.54 m (1.1 times 50.49 m, the end
        // of the 16-port hub's digital window on Cat6A).
        QTest::newRow("long, left of a bar ending at 87% of the axis")
            << QString("--pin 20 --pmin-analog 10 --pmin-digital 0 --product balun --cable cat6a")
                   .split(' ')
            << QByteArray("room,length,product\na,50m,16-port\n")
            << "37.72 to 48.20 m, 1 run on the 16-port hub to balun"
            << "left";
        // 38.64 to 67.62 m: from 51% to 88% of the axis's 76.43 m.
        QTest::newRow("long, under a bar from 51% to 88% of the axis")
            << QStringList{"--pin", "20", "--product", "16-port", "--cable", "cat6"}
            << QByteArray("room,length,product\na,50m,8-port\nb,50m,\n")
            << "38.64 to 67.62 m, 1 run on the 8-port hub to balun"
            << "under";
    }

    void length_labels_stand_where_they_have_room() {
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, runs);
        QFETCH(QString, label);
        QFETCH(QString, where);
        const Chart chart = drawn(arguments, runs);
        QVERIFY2(chart.placeOf.contains(label), qPrintable(chart.texts.join('\n')));
        const Text text = chart.placeOf[label];
        const auto bar = std::find_if(chart.bars.rbegin(), chart.bars.rend(),
                                      [&](const QRectF& b) { return b.top() < text.y; });
        QVERIFY(bar != chart.bars.rend());
        QCOMPARE(text.endAnchored, where == "left");
        if (where == "under") {
            QVERIFY(text.y - 12 > bar->bottom() && text.x >= chart.frame.left());
            QVERIFY(bar != chart.bars.rbegin() && (bar - 1)->top() > text.y + 3);
        } else {
            QVERIFY(where == "left" ? text.x < bar->left() : text.x > bar->right());
            QCOMPARE(bar->center().y(), text.y - 4);
        }
    }
};

QTEST_GUILESS_MAIN(ChartReadingTest)
#include "chart_reading_test.moc"
