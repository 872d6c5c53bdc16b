#include "app/StartUp.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QCursor>
#include <QIcon>
#include <QPainter>
#include <QPixmap>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <csignal>

#include "chart/frmGraph2D.h"
#include "data/frmManuInput.h"
#include "platform/EnterKey.h"
#include "platform/MsgBoxQt.h"
#include "shell/CalcForm.h"
#include "shell/AppState.h"
#include "shell/FileDialogsQt.h"
#include "shell/Helpers.h"
#include "shell/StateOwner.h"
#include "shell/Hooks.h"
#include "base/NumberText.h"

namespace vrn {

void syncNumberLocale() {
    const QLocale loc;
    const QString dec = loc.decimalPoint();
    const QString grp = loc.groupSeparator();
    const char d = dec.size() == 1 && dec.at(0).unicode() < 128 ? static_cast<char>(dec.at(0).unicode()) : '.';
    char g = grp.size() == 1 && grp.at(0).unicode() < 128 ? static_cast<char>(grp.at(0).unicode()) : (d == ',' ? '.' : ',');
    setNumberLocale(d, g);
    app.bDezimalKomma = loc.toString(0.75).contains(',');
}

void installBusyCursor() {
    ScreenHooks& h = hooks().screen;
    h.getMousePointer = [] {
        const QCursor* c = QGuiApplication::overrideCursor();
        if (!c) return 0;
        return c->shape() == Qt::WaitCursor ? kHourglass : c->shape() == Qt::CrossCursor ? kCrossPointer : 0;
    };
    h.setMousePointer = [](int p) {
        while (QGuiApplication::overrideCursor()) QGuiApplication::restoreOverrideCursor();
        if (p == kHourglass) QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        if (p == kCrossPointer) QGuiApplication::setOverrideCursor(Qt::CrossCursor);
    };
}

namespace {
// The program's icon: a flask-coloured "V" on a rounded square.
QIcon programIcon() {
    QPixmap pm(64, 64);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(20, 60, 120), 3));
    p.setBrush(QColor(70, 130, 200));
    p.drawRoundedRect(QRectF(3, 3, 58, 58), 12, 12);
    QFont f("Arial", 34);
    f.setBold(true);
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(pm.rect(), Qt::AlignCenter, "V");
    return QIcon(pm);
}
}  // namespace

void installPlatform(QApplication& qapp) {
    // Under a limit on the size of files (ulimit -f) a write past it would end
    // the program; ignored, the write fails and every save reports it as it
    // reports a full disk, keeping the old file.
    std::signal(SIGXFSZ, SIG_IGN);
    QApplication::setWindowIcon(programIcon());
    if (QCoreApplication::applicationName().isEmpty() || QCoreApplication::applicationName() != "varnolt")
        QCoreApplication::setApplicationName("varnolt");
    auto* qtTr = new QTranslator(&qapp);
    if (qtTr->load(QLocale(QLocale::German), "qtbase", "_", QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qtTr);
    syncNumberLocale();
    installQtMessageBoxes();
    installEnterOnFocusedButtons(qapp);
    installBusyCursor();
    // A write of the shared state that no change announced is announced at
    // the latest when the event loop falls idle, before the user acts again.
    if (QAbstractEventDispatcher* d = QAbstractEventDispatcher::instance())
        QObject::connect(d, &QAbstractEventDispatcher::aboutToBlock, &qapp, [] { zustand().nachzuegler(); });
    installFileDialogs();
    installChartWindow();
    installXYEditor();
}

}  // namespace vrn
