// What Compose from Unicode gives one dead accent and one base, in the code pages whose
// keyboards use them: expected characters written out by hand, one row per accent.
#include "form_driver.h"
#include "ui/Morelayers/compose_from_unicode.h"

#include <QTest>
#include <algorithm>
#include <array>

using namespace kbd;
using namespace kbd::test;

namespace {

struct Row {
    const char* name;
    int codePage;
    const char16_t* accent;
    const char16_t* base;
    const char16_t* result; // empty: no composition
};

constexpr std::array kRows{
    Row{"circumflex e", 1252, u"^", u"e", u"\u00EA"},
    Row{"grave a", 1252, u"`", u"a", u"\u00E0"},
    Row{"tilde n", 1252, u"~", u"n", u"\u00F1"},
    Row{"modifier circumflex O", 1252, u"\u02C6", u"O", u"\u00D4"},
    Row{"caron s", 1250, u"\u02C7", u"s", u"\u0161"},
    Row{"degree u", 1250, u"\u00B0", u"u", u"\u016F"},
    Row{"acute e", 1250, u"\u00B4", u"e", u"\u00E9"},
    Row{"cedilla k", 1257, u"\u00B8", u"k", u"\u0137"},
    Row{"tonos alpha", 1253, u"\u0384", u"\u03B1", u"\u03AC"},
    Row{"dialytika tonos iota", 1253, u"\u0385", u"\u03B9", u"\u0390"},
    Row{"dialytika tonos alpha", 1253, u"\u0385", u"\u03B1", u""},
    Row{"circumflex in Cyrillic", 1251, u"^", u"\u0430", u""},
    Row{"no accent", 1252, u"a", u"e", u""},
};

std::uint8_t Byte(const CodePage& page, const QString& text) {
    return page.byteFor(text.toUcs4().front()).value();
}

} // namespace

class ComposeFromUnicodeTest : public QObject {
    Q_OBJECT
private slots:
    void composes_data() {
        Columns<int, QString, QString, QString>("codePage", "accent", "base", "result");
        for (const Row& row : kRows) {
            QTest::newRow(row.name)
                << row.codePage << QString::fromUtf16(row.accent) << QString::fromUtf16(row.base)
                << QString::fromUtf16(row.result);
        }
    }
    void composes() {
        const auto [codePage, accent, base, result] =
            Fetch<int, QString, QString, QString>("codePage", "accent", "base", "result");
        const CodePage page = *CodePage::Load(codePage);
        const std::uint8_t dead = Byte(page, accent);
        const std::uint8_t from = Byte(page, base);
        QString made;
        for (const Composition& c : ComposeFromUnicode(page, dead)) {
            if (c.dead == dead && c.base == from) {
                made = QString::fromStdString(page.utf8(c.result));
            }
        }
        QCOMPARE(made, result);
    }

    // Each accent the table adds to Unicode's decompositions is a row above.
    void everyTabledAccentHasARow() {
        for (const AccentMark& tabled : UndecomposedAccents()) {
            const QString accent = QString::fromUcs4(&tabled.accent, 1);
            QVERIFY2(std::any_of(kRows.begin(), kRows.end(),
                                 [&](const Row& row) {
                                     return QString::fromUtf16(row.accent) == accent &&
                                            *row.result != 0;
                                 }),
                     qPrintable(accent));
        }
    }
};

QTEST_MAIN(ComposeFromUnicodeTest)
#include "compose_from_unicode_test.moc"
