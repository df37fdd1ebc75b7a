#include "form_driver.h"

#include "layout/writer.h"
#include "ui/toolkit/cell_drag.h"

#include <QApplication>
#include <QDragEnterEvent>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QWindow>

using namespace Qt::StringLiterals;

namespace kbd::test {
namespace {

QPoint InWindow(QWidget* widget) {
    return widget->mapTo(widget->window(), widget->rect().center());
}

} // namespace

QByteArray FileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

bool SaveLayout(const KeyboardLayout& layout, const QString& path) {
    return SaveKbdFile(layout, QFile::encodeName(path).toStdString()).ok();
}

void ProgramTest::init() {
    ResetLayoutDefaults(ProgramLayout());
    windows_ = std::make_unique<ProgramWindows>();
    form()->show();
    QVERIFY(QTest::qWaitForWindowActive(form()));
}

QPointer<QTimer> CloseModalAfter(std::function<void(QWidget*)> act) {
    return WhenModalShows([act = std::move(act)](QWidget* modal) {
        if (act) {
            act(modal);
        }
        modal->close();
        return true;
    });
}

bool ProgramTest::Drop(int cell, int key) {
    return DragAndDrop(Key(key), *toolkit::CellMimeData(cell, QString())).dropped;
}

void ProgramTest::Hover(QWidget* widget) {
    // Qt drops a move to where the mouse already is, and a new window of a test stands
    // where the last one stood: start each hover from the menu bar.
    QTest::mouseMove(form()->windowHandle(), QPoint(1, 1));
    QTest::mouseMove(form()->windowHandle(), InWindow(widget));
}

ProgramTest::DropOutcome ProgramTest::DragAndDrop(QWidget* widget, const QMimeData& data) {
    // Sent to the widget's window, as the platform does, so that the window itself finds
    // the widget under the mouse and the toolkit's drop-target rules apply.
    QWindow* window = widget->window()->windowHandle();
    const QPoint at = InWindow(widget);
    DropOutcome outcome;
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(window, &enter);
    QDragMoveEvent move(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(window, &move);
    outcome.accepted = enter.isAccepted() && move.isAccepted();
    if (outcome.accepted) {
        // A platform delivers the drop only where the last move was accepted.
        QDropEvent drop(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(window, &drop);
        outcome.dropped = drop.isAccepted();
    } else {
        QDragLeaveEvent leave;
        QCoreApplication::sendEvent(window, &leave);
    }
    return outcome;
}

QPointer<QTimer> WhenModalShows(std::function<bool(QWidget*)> act) {
    // Polls, because the modal window exists only once the code under test is inside exec().
    auto* poll = new QTimer(qApp);
    poll->setInterval(5);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, act = std::move(act)] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal != nullptr && act(modal)) {
            poll->stop();
            poll->deleteLater();
        }
    });
    poll->start();
    return poll;
}

ProgramTest::ChooserSeen ProgramTest::Choose(const char* item, const QString& name,
                                             const QString& path) {
    ChooserSeen seen;
    // Watches until the command returns: the box, if any, comes after the chooser.
    const QPointer<QTimer> watch = WhenModalShows([&seen, name, path](QWidget* modal) {
        if (auto* message = qobject_cast<QMessageBox*>(modal)) {
            seen.boxTitle = message->windowTitle();
            seen.boxText = message->text();
            message->button(QMessageBox::Ok)->click();
        } else if (modal->objectName() == name) {
            auto* chooser = static_cast<QFileDialog*>(modal);
            seen.proposed = chooser->selectedFiles().value(0);
            // Typed into the name field, as a user does, and accepted as its own button does.
            chooser->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(path);
            path.isEmpty() ? chooser->reject() : static_cast<QDialog*>(chooser)->accept();
        }
        return false;
    });
    Item(item)->trigger();
    delete watch.data();
    return seen;
}

} // namespace kbd::test
