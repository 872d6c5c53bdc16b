// Menus built from rows of data: a menu bar with its submenus (or popup
// menus), the action of every item by its control name, a handler per name,
// and F1 on a highlighted item opening the help at the item's context (its
// own, else the nearest menu's).
#pragma once

#include <QObject>
#include <QString>

#include <functional>
#include <map>
#include <span>

#include "platform/MenuRows.h"

class QAction;
class QMenu;
class QMenuBar;
class QWidget;

namespace vrn {

class MenuTree : public QObject {
    Q_OBJECT
public:
    explicit MenuTree(QWidget* owner);

    // Adds the rows to the menu bar, or, with bar nullptr, makes their
    // top-level menus free-standing popups. An item runs its handler when
    // chosen, a menu when it opens.
    void build(std::span<const MenuRow> rows, QMenuBar* bar);

    QAction* item(const QString& name) const;
    QMenu* menu(const QString& name) const;
    int helpContext(const QString& name) const;

    void setHandler(const QString& name, std::function<void()> handler);
    // Runs the handler as a choice would (disabled items too).
    void click(const QString& name);
    void setEnabled(const QString& name, bool on);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* owner_;
    std::map<QString, QAction*> actions_;
    std::map<QString, QMenu*> menus_;
    std::map<QString, int> help_;
    std::map<QString, QString> parentOf_;
    std::map<QString, std::function<void()>> handlers_;
};

}  // namespace vrn
