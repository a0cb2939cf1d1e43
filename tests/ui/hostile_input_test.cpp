#include <QRegularExpression>

#include "tests/ui/offscreen_fixture.h"

using namespace tarvelle::ui;
using namespace tarvelle::ui::testing;

namespace {

enum class Outcome { ValidationMessage, Result, RuntimeError };

const QLocale kEnglish(QLocale::English, QLocale::UnitedStates);
const QLocale kGerman(QLocale::German, QLocale::Germany);
const QLocale kFrench(QLocale::French, QLocale::France);
const QLocale kSwiss(QLocale::German, QLocale::Switzerland);
const QLocale kArabic(QLocale::Arabic, QLocale::Egypt);  // decimal separator U+066B

}  // namespace

Q_DECLARE_METATYPE(Outcome)

class HostileInputTest : public QObject {
    Q_OBJECT

  public:
    static void initMain() { useOffscreenPlatform(); }

  private slots:
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void level_field_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("text");
        QTest::addColumn<Outcome>("outcome");
        const auto row = [](const char* name, const QLocale& locale, const QString& text,
                            Outcome outcome) { QTest::newRow(name) << locale << text << outcome; };
        using enum Outcome;
        row("whitespace only", kEnglish, "   ", ValidationMessage);
        row("lone minus", kEnglish, "-", ValidationMessage);
        row("lone plus", kEnglish, "+", ValidationMessage);
        row("lone point", kEnglish, ".", ValidationMessage);
        row("lone comma", kGerman, ",", ValidationMessage);
        row("exponent without mantissa", kEnglish, "e5", ValidationMessage);
        row("exponent without digits", kEnglish, "1e", ValidationMessage);
        row("subnormal", kEnglish, "1e-320", Result);
        row("largest decade", kEnglish, "1e308", RuntimeError);
        row("largest negative decade", kEnglish, "-1e308", RuntimeError);
        row("beyond the double range", kEnglish, "1e309", ValidationMessage);
        row("100 000 digits", kEnglish, QString(100000, '9'), ValidationMessage);
        row("tab inside", kEnglish, "1\t2", ValidationMessage);
        row("bell character", kEnglish, "12\a", ValidationMessage);
        row("NUL", kEnglish, QString("1") + QChar(0), ValidationMessage);
        row("Arabic-Indic digits", kEnglish, "\u0661\u0662", ValidationMessage);
        row("full-width digits", kEnglish, "\uff11\uff12", ValidationMessage);
        row("Unicode minus sign", kEnglish, "\u221212", ValidationMessage);
        row("English grouping", kEnglish, "1,000", ValidationMessage);
        row("German grouping", kGerman, "1.000", ValidationMessage);
        row("French narrow no-break space grouping", kFrench, "1\u202f000", ValidationMessage);
        row("German decimal comma", kGerman, "20,5", Result);
        row("French decimal comma", kFrench, "20,5", Result);
        row("Swiss decimal point", kSwiss, "20.5", Result);
        row("Swiss rejects a comma", kSwiss, "20,5", ValidationMessage);
        row("one digit, a two-byte decimal separator", kArabic, "5", Result);
    }

    void level_field() {
        QFETCH(QLocale, locale);
        QFETCH(QString, text);
        QFETCH(Outcome, outcome);
        QLocale::setDefault(locale);
        MainWindowHarness main;
        main.setText(TextBox::Pin, text);
        main.click(main.ui().Calculate);

        switch (outcome) {
            case Outcome::ValidationMessage:
                QCOMPARE(main.messages,
                         QStringList{"ERROR: Input Signal Strength must be a valid number"});
                QCOMPARE(main.field(TextBox::Pin)->text(), QString());
                break;
            case Outcome::Result:
                QVERIFY(main.messages.isEmpty() || main.messages.first().startsWith("WARNING!"));
                QVERIFY(!main.field(TextBox::MinDistanceAnalogM)->text().isEmpty());
                break;
            case Outcome::RuntimeError:
                QCOMPARE(main.messages, QStringList{"Run-time error: Overflow"});
                break;
        }
        const QRegularExpression fixed(QStringLiteral("^(\\d+%1\\d\\d)?$")
                                           .arg(QRegularExpression::escape(locale.decimalPoint())));
        for (const QString& shown : main.results()) {
            QVERIFY2(fixed.match(shown).hasMatch(), qPrintable(shown));
        }
    }
};

QTEST_MAIN(HostileInputTest)
#include "hostile_input_test.moc"
