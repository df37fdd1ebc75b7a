// The code page turns bytes into what the widgets show, and nothing else.
#include "ui/toolkit/code_page.h"

#include <QSignalSpy>
#include <QStringDecoder>
#include <QTest>

using kbd::toolkit::CodePage;

class CodePageTest : public QObject {
    Q_OBJECT
private slots:
    void agreesWithAnotherConverter();
    void findsTheMarksQtFinds();
    void refusesUnknownCodePage();
    void announcesAChange();
};

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

// The code page module finds marks without Qt; the widgets must agree with Qt on them.
void CodePageTest::findsTheMarksQtFinds() {
    for (const kbd::Script& script : kbd::Scripts()) {
        const auto page = kbd::CodePage::Load(script.codePage);
        if (!page) {
            continue;
        }
        for (int code = 0x20; code < 0x100; ++code) {
            const auto byte = static_cast<std::uint8_t>(code);
            const QString text = QString::fromStdString(page->utf8(byte));
            if (text.size() == 1) {
                QVERIFY2(
                    page->isMark(byte) == text.front().isMark(),
                    qPrintable(QStringLiteral("%1 0x%2").arg(script.codePage).arg(code, 0, 16)));
            }
        }
    }
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
