// The code page turns bytes into what the widgets show, and nothing else.
#include "ui/toolkit/code_page.h"

#include <QSignalSpy>
#include <QStringDecoder>
#include <QTest>

using kbd::toolkit::CodePage;
using kbd::toolkit::CodePageTable;

class CodePageTest : public QObject {
    Q_OBJECT
private slots:
    void readsWindows1250_data();
    void readsWindows1250();
    void agreesWithAnotherConverter();
    void showsControlCodesAsPictures();
    void putsLoneCombiningMarkOnACircle();
    void refusesUnknownCodePage();
    void announcesAChange();
};

void CodePageTest::readsWindows1250_data() {
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("shown");
    QTest::newRow("letter A") << 0x41 << QStringLiteral("A");
    QTest::newRow("space") << 0x20 << QStringLiteral(" ");
    QTest::newRow("ampersand as itself") << 0x26 << QStringLiteral("&");
    QTest::newRow("S with caron") << 0x8A << QStringLiteral("\u0160");
    QTest::newRow("L with stroke") << 0xA3 << QStringLiteral("\u0141");
    QTest::newRow("a with ogonek") << 0xB9 << QStringLiteral("\u0105");
    QTest::newRow("dot above") << 0xFF << QStringLiteral("\u02D9");
    QTest::newRow("undefined 0x81") << 0x81 << QStringLiteral("\uFFFD");
    QTest::newRow("undefined 0x98") << 0x98 << QStringLiteral("\uFFFD");
    QTest::newRow("nothing for 0") << 0 << QString();
}

void CodePageTest::readsWindows1250() {
    QFETCH(int, code);
    QFETCH(QString, shown);
    QCOMPARE(CodePage().text(static_cast<std::uint8_t>(code)), shown);
}

void CodePageTest::agreesWithAnotherConverter() {
    QStringDecoder icu("windows-1250");
    if (!icu.isValid()) {
        QSKIP("Qt was built without a Windows-1250 decoder");
    }
    const CodePage page;
    for (int code = 0x20; code < 0x100; ++code) {
        if (code == 0x7F) {
            continue;
        }
        const char byte = static_cast<char>(code);
        const QString decoded = icu.decode(QByteArrayView(&byte, 1));
        if (decoded == QStringLiteral("\uFFFD") ||
            decoded.front().category() == QChar::Other_Control) {
            continue;
        }
        QCOMPARE(page.text(static_cast<std::uint8_t>(code)), decoded);
    }
}

void CodePageTest::showsControlCodesAsPictures() {
    const CodePage page;
    QCOMPARE(page.text(1), QStringLiteral("\u2401"));
    QCOMPARE(page.text(31), QStringLiteral("\u241F"));
    QCOMPARE(page.text(127), QStringLiteral("\u2421"));
}

void CodePageTest::putsLoneCombiningMarkOnACircle() {
    const auto vietnamese = CodePageTable::Load(1258);
    if (!vietnamese) {
        QSKIP("iconv has no Windows-1258");
    }
    QCOMPARE(vietnamese->text(0xCC), QStringLiteral("\u25CC\u0300"));
}

void CodePageTest::refusesUnknownCodePage() {
    CodePage page;
    QSignalSpy changes(&page, &CodePage::changed);
    QVERIFY(!page.setNumber(99999));
    QCOMPARE(page.number(), 1250);
    QCOMPARE(page.text(0xA3), QStringLiteral("\u0141"));
    QCOMPARE(changes.count(), 0);
}

void CodePageTest::announcesAChange() {
    CodePage page;
    QSignalSpy changes(&page, &CodePage::changed);
    QVERIFY(page.setNumber(1251));
    QCOMPARE(changes.count(), 1);
    QCOMPARE(page.text(0xA3), QStringLiteral("\u0408")); // Cyrillic Je
}

QTEST_GUILESS_MAIN(CodePageTest)
#include "code_page_test.moc"
