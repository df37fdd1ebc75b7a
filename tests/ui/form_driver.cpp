#include "form_driver.h"

#include "layout/keyboard_layout.h"
#include "ui/toolkit/cell_drag.h"
#include "ui/toolkit/fonts.h"

#include <QAction>
#include <QApplication>
#include <QDragEnterEvent>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QPointer>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QWindow>

namespace kbd::test {

namespace {

QPoint InWindow(QWidget* form, QWidget* widget) {
    return widget->mapTo(form, widget->rect().center());
}

} // namespace

std::unique_ptr<ProgramWindows> OpenProgram() {
    ResetLayoutDefaults(ProgramLayout());
    auto windows = std::make_unique<ProgramWindows>();
    windows->AllKeysForm.show();
    if (!QTest::qWaitForWindowExposed(&windows->AllKeysForm)) {
        return nullptr;
    }
    return windows;
}

void ProgramTest::initTestCase() {
    toolkit::InstallFontSubstitutes();
}

void ProgramTest::init() {
    windows_ = OpenProgram();
    QVERIFY(windows_);
    QVERIFY(QTest::qWaitForWindowActive(form()));
}

void ProgramTest::cleanup() {
    windows_.reset();
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

toolkit::ByteButton* Key(QWidget* form, int number) {
    return form->findChild<toolkit::ByteButton*>(QStringLiteral("Button%1").arg(number));
}

toolkit::ByteLabel* Cell(QWidget* form, int number) {
    return form->findChild<toolkit::ByteLabel*>(QStringLiteral("Label%1").arg(number));
}

toolkit::ByteLabel* Magnifier(QWidget* form) {
    return form->findChild<toolkit::ByteLabel*>(QStringLiteral("LabelBigLet"));
}

QRadioButton* Radio(QWidget* form, const char* name) {
    return form->findChild<QRadioButton*>(QString::fromLatin1(name));
}

QAction* Item(QWidget* form, const char* name) {
    return form->findChild<QAction*>(QString::fromLatin1(name));
}

bool Drop(QWidget* form, int cell, int key) {
    return DragAndDrop(form, Key(form, key), *toolkit::CellMimeData(cell, QString())).dropped;
}

void Hover(QWidget* form, QWidget* widget) {
    // Qt drops a move to where the mouse already is, and a new window of a test stands
    // where the last one stood: start each hover from the menu bar.
    QTest::mouseMove(form->windowHandle(), QPoint(1, 1));
    QTest::mouseMove(form->windowHandle(), InWindow(form, widget));
}

DropOutcome DragAndDrop(QWidget* form, QWidget* widget, const QMimeData& data) {
    // Sent to the window, as the platform does, so that the window itself finds the widget
    // under the mouse and the toolkit's drop-target rules apply.
    QWindow* window = form->windowHandle();
    const QPoint at = InWindow(form, widget);
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

ChooserAnswer::ChooserAnswer(const QString& name, const QString& path) {
    chooserWatch_ = WhenModalShows([this, name, path](QWidget* modal) {
        auto* chooser = qobject_cast<QFileDialog*>(modal);
        if (chooser == nullptr || chooser->objectName() != name) {
            return false;
        }
        proposed = chooser->selectedFiles().value(0);
        if (path.isEmpty()) {
            chooser->reject();
            return true;
        }
        // Typed into the name field, as a user does.
        chooser->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(path);
        static_cast<QDialog*>(chooser)->accept(); // as the chooser's own button does
        return true;
    });
    boxWatch_ = WhenModalShows([this](QWidget* modal) {
        auto* message = qobject_cast<QMessageBox*>(modal);
        if (message == nullptr) {
            return false;
        }
        boxText = message->text();
        boxTitle = message->windowTitle();
        message->button(QMessageBox::Ok)->click();
        return true;
    });
}

ChooserAnswer::~ChooserAnswer() {
    delete chooserWatch_.data();
    delete boxWatch_.data();
}

} // namespace kbd::test
