#include "support/GuiTestSupport.h"

#include <QAction>
#include <QApplication>
#include <QMenuBar>
#include <QDir>
#include <QWidget>

#include <vector>

#include "platform/Forms.h"
#include "platform/Paths.h"
#include "shell/AppState.h"
#include "shell/StartUp.h"

namespace vrn::test {

namespace {
std::vector<MsgRequest>& unexpected() {
    static std::vector<MsgRequest> v;
    return v;
}
}  // namespace

const std::vector<MsgRequest>& unexpectedMessages() { return unexpected(); }
void clearUnexpectedMessages() { unexpected().clear(); }

void installDefaultTestHandler() {
    setMsgHandler([](const MsgRequest& r) {
        unexpected().push_back(r);
        return firstAnswer(r.buttons);
    });
    setBeepHandler([] {});
}

GuiTest::GuiTest() : dir_(std::make_unique<QTemporaryDir>()) {
    Forms::destroyAll();
    processEvents();
    setProgramFolder(dir_->path() + "/prog");
    QDir().mkpath(dir_->path() + "/prog");
    resetAppState(toStd(programFolder()));
    syncNumberLocale();
    clearUnexpectedMessages();
}

GuiTest::~GuiTest() {
    Forms::destroyAll();
    processEvents();
}

QString GuiTest::folder() const { return dir_->path() + "/prog"; }
std::string GuiTest::folderStd() const { return toStd(folder()); }

LocaleGuard::LocaleGuard(const QLocale& locale) : old_(QLocale()) {
    QLocale::setDefault(locale);
    syncNumberLocale();
}

LocaleGuard::~LocaleGuard() {
    QLocale::setDefault(old_);
    syncNumberLocale();
}

namespace {
// The folder the test program started in; the program itself moves the
// current folder into its program folder.
QString& screenshotBase() {
    static QString base = QDir::currentPath();
    return base;
}
}  // namespace

void rememberStartFolder() { screenshotBase(); }

QString saveScreenshot(QWidget* w, const QString& name) {
    const QString dir = screenshotBase() + "/screenshots";
    QDir().mkpath(dir);
    const QString path = dir + "/" + name + ".png";
    w->grab().save(path);
    return path;
}

void processEvents() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QAction* menuActionByPath(QMenuBar* bar, const QString& path) {
    QList<QAction*> actions = bar->actions();
    QAction* found = nullptr;
    for (const QString& part : path.split("::")) {
        found = nullptr;
        for (QAction* a : actions)
            if (a->text() == part) found = a;
        if (!found) return nullptr;
        if (found->menu()) actions = found->menu()->actions();
    }
    return found;
}

}  // namespace vrn::test
