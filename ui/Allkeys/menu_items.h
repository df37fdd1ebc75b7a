// How the menus put their items on the bar: each menu and item carries the object name
// the program has always given it.
#pragma once

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace kbd::allkeys {

inline QMenu* AddMenu(QMenuBar* bar, const char* name, const QString& caption) {
    QMenu* menu = bar->addMenu(caption);
    menu->setObjectName(QString::fromLatin1(name));
    return menu;
}

// `handler` runs on `receiver`, which also bounds the connection's life.
template <typename Receiver, typename Handler>
QAction* AddItem(Receiver* receiver, QMenu* menu, const char* name, const QString& caption,
                 Handler handler) {
    QAction* item = menu->addAction(caption);
    item->setObjectName(QString::fromLatin1(name));
    QObject::connect(item, &QAction::triggered, receiver, handler);
    return item;
}

} // namespace kbd::allkeys
