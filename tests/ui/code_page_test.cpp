// The code page the widgets show bytes through: it agrees with Qt on combining marks, and a
// change is all or nothing.
#include "ui/toolkit/code_page.h"

#include <QSignalSpy>
#include <QTest>

using kbd::toolkit::CodePage;

class CodePageTest : public QObject {
    Q_OBJECT
private slots:
    // The code page module finds marks without Qt; the widgets must agree with Qt on them.
    void findsTheMarksQtFinds() {
        for (const kbd::Script& script : kbd::Scripts()) {
            const auto page = kbd::CodePage::Load(script.codePage);
            QVERIFY(page);
            for (int code = 0x20; code < 0x100; ++code) {
                const auto byte = static_cast<std::uint8_t>(code);
                const QString text = QString::fromStdString(page->utf8(byte));
                if (text.size() == 1) {
                    QVERIFY2(page->isMark(byte) == text.front().isMark(),
                             qPrintable(
                                 QStringLiteral("%1 0x%2").arg(script.codePage).arg(code, 0, 16)));
                }
            }
        }
    }

    void changesOnlyToAKnownCodePage() {
        CodePage page;
        QSignalSpy changes(&page, &CodePage::changed);
        QVERIFY(!page.setNumber(99999));
        QCOMPARE(page.number(), 1250);
        QCOMPARE(page.text(0xA3), QStringLiteral("\u0141"));
        QCOMPARE(changes.count(), 0);
        QVERIFY(page.setNumber(1251));
        QCOMPARE(changes.count(), 1);
        QCOMPARE(page.text(0xA3), QStringLiteral("\u0408")); // Cyrillic Je
    }
};

QTEST_GUILESS_MAIN(CodePageTest)
#include "code_page_test.moc"
