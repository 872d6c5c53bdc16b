#include "platform/MenuTree.h"

#include <QAction>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>

#include <vector>

#include "platform/HelpViewer.h"

namespace vrn {

MenuTree::MenuTree(QWidget* owner) : QObject(owner), owner_(owner) {}

void MenuTree::build(std::span<const MenuRow> rows, QMenuBar* bar) {
    std::vector<QMenu*> stack(8, nullptr);
    std::vector<QString> names(8);
    for (const MenuRow& r : rows) {
        const QString name = QString::fromUtf8(r.name);
        QMenu* parentMenu = r.level > 0 ? stack[static_cast<std::size_t>(r.level - 1)] : nullptr;
        if (!r.caption) {
            if (parentMenu) parentMenu->addSeparator();
            continue;
        }
        const QString caption = QString::fromUtf8(r.caption);
        QAction* action = nullptr;
        if (r.flags & kMenu) {
            QMenu* m = nullptr;
            if (parentMenu) m = parentMenu->addMenu(caption);
            else if (bar) m = bar->addMenu(caption);
            else m = new QMenu(caption, owner_);
            m->setObjectName(name);
            m->installEventFilter(this);
            m->setToolTipsVisible(true);
            menus_[name] = m;
            action = m->menuAction();
            stack[static_cast<std::size_t>(r.level)] = m;
            connect(m, &QMenu::aboutToShow, this, [this, name] { click(name); });
        } else {
            action = parentMenu ? parentMenu->addAction(caption) : bar->addAction(caption);
            connect(action, &QAction::triggered, this, [this, name] { click(name); });
        }
        action->setObjectName(name);
        if (r.flags & kHidden) action->setVisible(false);
        if (r.flags & kDisabled) action->setEnabled(false);
        actions_[name] = action;
        if (r.helpContext) help_[name] = r.helpContext;
        names[static_cast<std::size_t>(r.level)] = name;
        if (r.level > 0) parentOf_[name] = names[static_cast<std::size_t>(r.level - 1)];
    }
}

QAction* MenuTree::item(const QString& name) const {
    auto it = actions_.find(name);
    return it == actions_.end() ? nullptr : it->second;
}

QMenu* MenuTree::menu(const QString& name) const {
    auto it = menus_.find(name);
    return it == menus_.end() ? nullptr : it->second;
}

int MenuTree::helpContext(const QString& name) const {
    QString n = name;
    for (int guard = 0; guard < 8 && !n.isEmpty(); ++guard) {
        auto it = help_.find(n);
        if (it != help_.end()) return it->second;
        auto p = parentOf_.find(n);
        if (p == parentOf_.end()) break;
        n = p->second;
    }
    return 0;
}

void MenuTree::setHandler(const QString& name, std::function<void()> handler) { handlers_[name] = std::move(handler); }

void MenuTree::click(const QString& name) {
    auto it = handlers_.find(name);
    if (it != handlers_.end() && it->second) it->second();
}

void MenuTree::setEnabled(const QString& name, bool on) {
    if (QAction* a = item(name)) a->setEnabled(on);
}

bool MenuTree::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_F1) {
        if (auto* m = qobject_cast<QMenu*>(watched)) {
            QAction* a = m->activeAction();
            const int ctx = helpContext(a ? a->objectName() : m->objectName());
            if (ctx) HtmlHelp(ctx);
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace vrn
