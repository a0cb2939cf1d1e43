#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QStyleOption>

#include "app/resources/qt_text.h"
#include "tests/ui/offscreen_fixture.h"
#include "ui/main/main_layout.h"

using namespace tarvelle::ui;
using namespace tarvelle::ui::testing;

namespace {

QString captionOf(const QWidget& widget) {
    if (auto* label = qobject_cast<const QLabel*>(&widget)) {
        return label->text();
    }
    if (auto* button = qobject_cast<const QAbstractButton*>(&widget)) {
        return button->text();
    }
    if (auto* frame = qobject_cast<const QGroupBox*>(&widget)) {
        return frame->title();
    }
    return {};
}

// Where a control's text does not fit the room the control gives it, with
// the reason; empty when every text fits.
QString overflow(const QWidget& control) {
    const QFontMetrics metrics = control.fontMetrics();
    const QStyle& style = *control.style();
    const auto misfit = [&control](const QString& text) {
        return control.objectName() + ": \"" + text + "\" does not fit";
    };
    if (const auto* label = qobject_cast<const QLabel*>(&control)) {
        const QRect room = label->contentsRect();
        const int flags = int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
        return room.contains(metrics.boundingRect(room, flags, label->text()))
                   ? QString()
                   : misfit(label->text());
    }
    if (const auto* option = qobject_cast<const QRadioButton*>(&control)) {
        QStyleOptionButton look;
        look.initFrom(option);
        look.text = option->text();
        const QRect room = style.subElementRect(QStyle::SE_RadioButtonContents, &look, option);
        const bool fits = metrics.horizontalAdvance(option->text()) <= room.width() &&
                          metrics.height() <= room.height();
        return fits ? QString() : misfit(option->text());
    }
    if (const auto* frame = qobject_cast<const QGroupBox*>(&control)) {
        QStyleOptionGroupBox look;
        look.initFrom(frame);
        look.text = frame->title();
        const QRect caption =
            style.subControlRect(QStyle::CC_GroupBox, &look, QStyle::SC_GroupBoxLabel, frame);
        return frame->rect().contains(caption) ? QString() : misfit(frame->title());
    }
    if (const auto* list = qobject_cast<const QComboBox*>(&control)) {
        QStyleOptionComboBox look;
        look.initFrom(list);
        look.frame = true;
        const int room =
            style.subControlRect(QStyle::CC_ComboBox, &look, QStyle::SC_ComboBoxEditField, list)
                .width();
        for (int i = 0; i < list->count(); ++i) {
            if (metrics.horizontalAdvance(list->itemText(i)) > room) {
                return misfit(list->itemText(i));
            }
        }
    }
    return {};
}

// The colour most pixels of a picture have.
QColor mainColour(const QImage& picture) {
    QHash<QRgb, int> counts;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            ++counts[picture.pixel(x, y)];
        }
    }
    return QColor(std::max_element(counts.cbegin(), counts.cend()).key());
}

}  // namespace

class MainLayoutTest : public QObject {
    Q_OBJECT

  public:
    static void initMain() { useOffscreenPlatform(); }

  private slots:
    void every_control_stands_where_the_table_puts_it() {
        MainWindowHarness main;
        QCOMPARE(main.window.centralWidget()->size(), QSize(727, 462));
        for (const ControlSpec& row : mainWindowControls()) {
            const QString name = toQString(row.name);
            auto* widget = main.layoutControl(name);
            const QString container = row.container.empty() ? "client" : toQString(row.container);
            QCOMPARE(widget->parentWidget()->objectName(), container);
            QCOMPARE(widget->geometry(), row.rect.pixels);
            QCOMPARE(widget->property("kindName").toString(), QString(kindName(row.kind)));
            QCOMPARE(widget->property("Tag").toString(), QString());
            // A list whose entries would not read whole may take a narrower face.
            if (row.kind != ControlKind::ComboBox) {
                QCOMPARE(widget->font().family(), toQString(row.font.family));
            }
            QCOMPARE(widget->font().pointSizeF(), row.font.points);
            QCOMPARE(widget->font().bold(), row.font.bold);
            QVERIFY2(widget->toolTip().isEmpty(), qPrintable(name));
            if (row.kind != ControlKind::TextBox && row.kind != ControlKind::ComboBox) {
                QCOMPARE(captionOf(*widget), toQString(row.caption));
            }
        }
    }

    void pictures_are_their_natural_size() {
        MainWindowHarness main;
        QCOMPARE(main.layoutControl<QLabel>("Image1")->pixmap().size(), QSize(170, 36));
        auto* go = main.ui().Calculate;
        QCOMPARE(go->iconSize(), QSize(56, 36));
        QVERIFY(go->text().isEmpty());
        QVERIFY(!go->isDefault());
        QVERIFY(!go->autoDefault());
        QCOMPARE(go->palette().color(QPalette::Button), QColor(255, 255, 192));
    }

    // Pixels are twips / 15; positions on the window's client area.
    void a_few_numbers_straight_from_the_layout() {
        MainWindowHarness main;
        QWidget* client = main.window.centralWidget();
        QCOMPARE(client->size(), QSize(727, 462));  // 10905 x 6930
        const auto onWindow = [&main, client](const char* name) {
            QWidget* control = main.layoutControl(name);
            return QRect(control->mapTo(client, QPoint(0, 0)), control->size());
        };
        QCOMPARE(onWindow("Combo_ProductConfig"), QRect(216, 8, 257, 21));  // 3240, 120, 3855, 315
        QCOMPARE(onWindow("OptionDocsysMin"), QRect(304, 88, 73, 37));      // 4560, 1320, 1095, 555
        QCOMPARE(onWindow("OptionCustomMin"), QRect(376, 88, 73, 37));      // 5640, 1320
        QCOMPARE(onWindow("Frame1"), QRect(24, 136, 433, 57));              // 360, 2040, 6495, 855
        QCOMPARE(onWindow("OptionDocsysMax"), QRect(304, 152, 73, 37));     // Frame1 + 4200, 240
        QCOMPARE(onWindow("OptionFrequency1"), QRect(40, 264, 273, 13));    // Frame2 + 240, 960
        QCOMPARE(onWindow("Calculate"), QRect(336, 256, 145, 57));          // 5040, 3840, 2175, 855
        QCOMPARE(onWindow("MaxWorstCaseM"), QRect(600, 400, 73, 19));       // Frame4 + 8640, 1200
        QCOMPARE(mainColour(main.ui().Calculate->grab().toImage()), QColor(255, 255, 192));
        QCOMPARE(main.layoutControl("Label11")->font().pointSizeF(), 9.75);
        QVERIFY(main.layoutControl("Label1")->font().bold());
        QCOMPARE(main.layoutControl("Frame5")->font().family(), "Arial");
        QCOMPARE(main.layoutControl("Frame5")->font().pointSizeF(), 12.0);
    }

    void every_caption_and_entry_fits_its_control() {
        MainWindowHarness main;
        QCOMPARE(main.ui().Combo_ProductConfig->count(), 3);
        for (const QWidget* control : main.window.centralWidget()->findChildren<QWidget*>()) {
            QCOMPARE(overflow(*control), QString());
        }
    }

    void go_button_face_is_light_yellow_pressed_or_focused() {
        MainWindowHarness main;
        QVERIFY(QTest::qWaitForWindowActive(&main.window));
        auto* go = main.ui().Calculate;
        const QColor lightYellow(255, 255, 192);
        const QImage plain = go->grab().toImage();
        QCOMPARE(mainColour(plain), lightYellow);

        QTest::keyClick(main.ui().Combo_ProductConfig, Qt::Key_Tab, Qt::ShiftModifier);
        QVERIFY(go->hasFocus());
        const QImage focused = go->grab().toImage();
        QCOMPARE(mainColour(focused), lightYellow);
        QVERIFY(focused != plain);

        QTest::keyPress(go, Qt::Key_Space);
        const QImage pressed = go->grab().toImage();
        QCOMPARE(mainColour(pressed), lightYellow);
        QVERIFY(pressed != focused);
        QCOMPARE(main.results(), QStringList(12, QString()));
        QTest::keyRelease(go, Qt::Key_Space);
        QCOMPARE(main.field(TextBox::MaxDistanceDigitalM)->text(), "12.13");
    }

    void frequency_plan_captions_keep_their_spacing() {
        MainWindowHarness main;
        const QString plan1 = main.ui().OptionFrequency1->text();
        QCOMPARE(plan1.size(), 55);
        QCOMPARE(plan1, QString(14, ' ') + "55-450 MHz" + QString(10, ' ') + "-" + QString(9, ' ') +
                            "450-860 MHz");
    }

    void tab_order_follows_the_tab_indexes() {
        MainWindowHarness main;
        main.click(main.ui().OptionCustomMin);
        main.click(main.ui().OptionCustomMax);
        const QStringList expected{
            "Combo_ProductConfig",  "Pin",
            "PminAnalog",           "PminDigital",
            "PmaxAnalog",           "PmaxDigital",
            "OptionDocsysMin",      "OptionCustomMin",
            "OptionDocsysMax",      "OptionCustomMax",
            "Combo_CableType",      "OptionFrequency1",
            "OptionFrequency2",     "MinDistanceAnalogFt",
            "MinDistanceAnalogM",   "MaxDistanceAnalogM",
            "MaxDistanceAnalogFt",  "MinDistanceDigitalM",
            "MinDistanceDigitalFt", "MaxDistanceDigitalM",
            "MaxDistanceDigitalFt", "MinWorstCaseM",
            "MinWorstCaseFt",       "MaxWorstCaseM",
            "MaxWorstCaseFt",       "Calculate",
        };
        QStringList chain;
        QWidget* widget = main.ui().Combo_ProductConfig;
        while (chain.size() < expected.size()) {
            if (expected.contains(widget->objectName())) {
                chain << widget->objectName();
            }
            widget = widget->nextInFocusChain();
        }
        QCOMPARE(chain, expected);
    }

    void inputs_options_and_results_have_spoken_names() {
        MainWindowHarness main;
        for (const ControlSpec& row : mainWindowControls()) {
            const bool spoken =
                row.kind == ControlKind::TextBox || row.kind == ControlKind::ComboBox ||
                row.kind == ControlKind::OptionButton || row.kind == ControlKind::CommandButton;
            if (spoken) {
                QVERIFY2(!main.layoutControl(toQString(row.name))->accessibleName().isEmpty(),
                         row.name.data());
            }
        }
        QCOMPARE(main.ui().Calculate->accessibleName(), "Calculate");
        QCOMPARE(main.field(TextBox::Pin)->accessibleName(), "Input Signal Strength (dBmV)");
        QCOMPARE(main.field(TextBox::MinDistanceAnalogFt)->accessibleName(),
                 "Minimum distance, analog channels, feet");
        QCOMPARE(main.layoutControl<QLabel>("Label2")->buddy(), main.field(TextBox::Pin));
        QCOMPARE(main.layoutControl<QLabel>("Label29")->buddy(), main.field(TextBox::PmaxDigital));
        QCOMPARE(main.layoutControl<QLabel>("Label2")->text(), "Input Signal Strength (dBmV)");
    }

    void the_window_cannot_be_resized() {
        MainWindowHarness main;
        QCOMPARE(main.window.minimumSize(), main.window.maximumSize());
        const Qt::WindowFlags flags = main.window.windowFlags();
        QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
        QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
    }
};

QTEST_MAIN(MainLayoutTest)
#include "main_layout_test.moc"
