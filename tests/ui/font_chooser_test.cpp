// The font chooser: what confirming and cancelling leave in its font, and what its sample
// shows.
#include "form_driver.h"
#include "ui/toolkit/font_chooser.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <tuple>

using kbd::test::WhenModalShows;
using kbd::toolkit::DisplayFont;
using kbd::toolkit::FontChooser;

namespace {

auto Summarize(const DisplayFont& f) {
    return std::tuple(f.font.family(), f.font.pixelSize(), f.font.bold(), f.font.italic(),
                      f.font.underline(), f.font.strikeOut(), f.color.rgba(), f.codePage);
}

template <typename W> W* Find(QWidget& dialog, const char* name) {
    return dialog.findChild<W*>(QString::fromLatin1(name));
}

void Pick(QWidget& dialog, const char* list, const QString& text) {
    auto* widget = Find<QListWidget>(dialog, list);
    widget->setCurrentItem(widget->findItems(text, Qt::MatchExactly).value(0));
}

void Choose(QWidget& dialog, const char* box, const QString& text) {
    auto* combo = Find<QComboBox>(dialog, box);
    combo->setCurrentIndex(combo->findText(text));
}

void TypeSize(QWidget& dialog, const QString& points) {
    QLineEdit* edit = Find<QComboBox>(dialog, "SizeBox")->lineEdit();
    edit->clear();
    QTest::keyClicks(edit, points);
}

// Lets `act` work the controls, then presses OK, or Cancel where OK is disabled or not
// wanted, so that a test never waits on a window nobody closes.
bool Run(FontChooser& chooser, const std::function<void(QWidget&)>& act, bool confirm = true) {
    WhenModalShows([&act, confirm](QWidget* modal) {
        act(*modal);
        QDialogButtonBox* buttons = Find<QDialogButtonBox>(*modal, "Buttons");
        QPushButton* ok = buttons->button(QDialogButtonBox::Ok);
        QTest::mouseClick(confirm && ok->isEnabled() ? ok
                                                     : buttons->button(QDialogButtonBox::Cancel),
                          Qt::LeftButton);
        return true;
    });
    return chooser.Execute();
}

void ChangeEverything(QWidget& dialog) {
    Pick(dialog, "FaceList", QStringLiteral("DejaVu Serif"));
    Pick(dialog, "StyleList", QStringLiteral("Italic"));
    TypeSize(dialog, QStringLiteral("14"));
    Find<QCheckBox>(dialog, "Underline")->click();
    Choose(dialog, "ColorBox", QStringLiteral("Maroon"));
    Choose(dialog, "ScriptBox", QStringLiteral("Cyrillic"));
}

DisplayFont Font(const QString& family, int points, bool bold, QColor color, int codePage) {
    DisplayFont font;
    font.font = QFont(family);
    font.setPoints(points);
    font.font.setBold(bold);
    font.color = color;
    font.codePage = codePage;
    return font;
}

} // namespace

class FontChooserTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        window_ = std::make_unique<QWidget>();
        chooser_ = new FontChooser(window_.get());
    }

    void cleanup() { window_.reset(); }

    void confirmingWritesEveryControl() {
        QString sampleFamily;
        QVERIFY(Run(*chooser_, [&sampleFamily](QWidget& dialog) {
            ChangeEverything(dialog);
            sampleFamily = Find<QLabel>(dialog, "Sample")->font().family();
        }));
        QCOMPARE(Summarize(chooser_->font()),
                 std::tuple(QStringLiteral("DejaVu Serif"), 19, false, true, true, false,
                            qRgb(0x80, 0, 0), 1251));
        QCOMPARE(chooser_->font().points(), 14);
        QCOMPARE(sampleFamily, QStringLiteral("DejaVu Serif"));
    }

    void cancellingLeavesTheFont() {
        const auto before = Summarize(chooser_->font());
        QVERIFY(!Run(
            *chooser_,
            [](QWidget& dialog) {
                ChangeEverything(dialog);
                Find<QCheckBox>(dialog, "StrikeOut")->click();
            },
            false));
        QCOMPARE(Summarize(chooser_->font()), before);
    }

    void confirmingUnchangedGivesTheFontBack_data() {
        QTest::addColumn<DisplayFont>("font");
        QTest::newRow("face the system lacks, custom colour, unlisted code page")
            << Font(QStringLiteral("Tahoma"), 12, false, QColor(0x12, 0x34, 0x56), 437);
        DisplayFont oblique = Font(QStringLiteral("DejaVu Sans Mono"), 22, true, Qt::blue, 1257);
        oblique.font.setItalic(true);
        oblique.font.setStrikeOut(true);
        QTest::newRow("bold oblique, struck out") << oblique;
    }

    void confirmingUnchangedGivesTheFontBack() {
        QFETCH(DisplayFont, font);
        chooser_->setFont(font);
        QVERIFY(Run(*chooser_, [](QWidget&) {}));
        QCOMPARE(Summarize(chooser_->font()), Summarize(font));
    }

    void takesAnySize_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("pixels"); // 0: OK stays disabled
        QTest::newRow("1 point") << QStringLiteral("1") << 1;
        QTest::newRow("4000 points") << QStringLiteral("4000") << 5333;
        QTest::newRow("0 points") << QStringLiteral("0") << 0;
        QTest::newRow("empty") << QString() << 0;
    }

    void takesAnySize() {
        QFETCH(QString, typed);
        QFETCH(int, pixels);
        const bool confirmed =
            Run(*chooser_, [&typed](QWidget& dialog) { TypeSize(dialog, typed); });
        QCOMPARE(confirmed, pixels > 0);
        QCOMPARE(chooser_->font().font.pixelSize(), pixels > 0 ? pixels : 13);
    }

    void sampleFollowsTheScript_data() {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("letters"); // bytes 0xC0 and 0xE0
        QTest::newRow("Cyrillic") << QStringLiteral("Cyrillic") << QStringLiteral("\u0410\u0430");
        QTest::newRow("Western") << QStringLiteral("Western") << QStringLiteral("\u00C0\u00E0");
        // 0xC0 is a vowel point there, which the sample leaves out.
        QTest::newRow("Hebrew") << QStringLiteral("Hebrew") << QStringLiteral("\u05D0");
    }

    void sampleFollowsTheScript() {
        QFETCH(QString, script);
        QFETCH(QString, letters);
        QString sample;
        Run(*chooser_, [&](QWidget& dialog) {
            Choose(dialog, "ScriptBox", script);
            sample = Find<QLabel>(dialog, "Sample")->text();
        });
        QVERIFY(sample.startsWith(QStringLiteral("AaBbYyZz")));
        for (QChar letter : letters) {
            QVERIFY2(sample.contains(letter), qPrintable(sample));
        }
        QVERIFY(!sample.contains(QChar(0x25CC)));
    }

private:
    std::unique_ptr<QWidget> window_;
    FontChooser* chooser_ = nullptr;
};

QTEST_MAIN(FontChooserTest)
#include "font_chooser_test.moc"
