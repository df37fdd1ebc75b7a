// The KBD files' MIME type as a desktop reads it: the package's XML compiled by
// update-mime-database, as the package trigger does, and looked up by Qt's MIME database,
// which a file manager's "Open With" goes through.
#include "layout/keyboard_layout.h"
#include "layout/writer.h"

#include <QDir>
#include <QFile>
#include <QMimeDatabase>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QString kType = u"application/x-kbdgen-kbd"_s;

} // namespace

class MimeTypeTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        QVERIFY(mime_.isValid());
        const QString packages = mime_.filePath(u"mime/packages"_s);
        QVERIFY(QDir().mkpath(packages));
        QVERIFY(QFile::copy(QStringLiteral(KBD_MIME_XML), packages + "/kbdgen.xml"));
        // Qt reads the folders at its first look-up, which comes after this: ours first,
        // then the system's. update-mime-database warns about a folder outside them.
        qputenv("XDG_DATA_DIRS", QFile::encodeName(mime_.path()) + ":/usr/local/share:/usr/share");
        QProcess update;
        update.start(u"update-mime-database"_s, {mime_.filePath("mime")});
        QVERIFY(update.waitForFinished());
        QCOMPARE(update.exitCode(), 0);
        QCOMPARE(update.readAllStandardError(), QByteArray());
        QVERIFY(QFile::exists(mime_.filePath(u"mime/mime.cache"_s)));
    }

    void typeOfFile_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<bool>("ours");
        const kbd::KbdImage image = kbd::BuildKbdImage(kbd::DefaultLayout());
        const QByteArray saved(reinterpret_cast<const char*>(image.data()),
                               static_cast<qsizetype>(image.size()));
        QByteArray early(688, '\0');
        early.replace(33, 5, "Tavik");
        QByteArray between(688, '\0');
        between.replace(34, 5, "Tavik");
        QTest::newRow("saved, lower case") << "a.kbd" << saved << true;
        QTest::newRow("saved, upper case") << "KBDUS.KBD" << saved << true;
        QTest::newRow("saved, no extension") << "layout" << saved << true;
        QTest::newRow("signature at 33, no extension") << "layout" << early << true;
        QTest::newRow("signature at 34, no extension") << "layout" << between << false;
        QTest::newRow("another name, mixed case") << "Mine.Kbd" << QByteArray("x") << true;
    }

    void typeOfFile() {
        QFETCH(QString, name);
        QFETCH(QByteArray, contents);
        QFETCH(bool, ours);
        const QTemporaryDir folder;
        QFile file(folder.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(contents);
        file.close();
        QCOMPARE(QMimeDatabase().mimeTypeForFile(file.fileName()).name() == kType, ours);
    }

private:
    QTemporaryDir mime_{QDir::tempPath() + "/kbdgen-mime-XXXXXX"};
};

QTEST_GUILESS_MAIN(MimeTypeTest)
#include "mime_type_test.moc"
