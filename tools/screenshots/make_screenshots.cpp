// make_screenshots <folder> [SCREENxSIZE [MAINxSIZE]]
//
// Opens the program's windows offscreen, as a user reaches them, on a screen
// of the given size (default 1920x1080) with the main window at the given size
// (default 1000x720, the program's own), and writes one PNG per view into
// <folder>. A tool for looking at the windows, not a test: it checks nothing.
//
//   make_screenshots shots-1000 1920x1080 1000x720
//   make_screenshots shots-1366 1366x768 1366x768
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMdiArea>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextStream>

#include <cstdio>
#include <functional>

#include "chart/frmGraph2D.h"
#include "engine/frmKinModel.h"
#include "engine/frmPrepareTimeDiagram.h"
#include "engine/frmSimTabelle.h"
#include "engine/frmmatrix.h"
#include "platform/Forms.h"
#include "platform/MsgBox.h"
#include "platform/Paths.h"
#include "platform/Settings.h"
#include "shell/AppState.h"
#include "shell/FileDialogs.h"
#include "shell/Hooks.h"
#include "app/MDIVRN.h"
#include "app/StartUp.h"
#include "shell/frmOption.h"
#include "shell/frmTip.h"

using namespace vrn;

namespace {

QSize parseSize(const char* text, QSize fallback) {
    int w = 0, h = 0;
    if (text && std::sscanf(text, "%dx%d", &w, &h) == 2 && w > 0 && h > 0) return {w, h};
    return fallback;
}

// The offscreen platform takes its screen from a small JSON file.
QByteArray screenConfig(const QString& folder, QSize screen) {
    const QString path = folder + "/screen.json";
    QFile f(path);
    if (f.open(QIODevice::WriteOnly)) {
        QTextStream(&f) << QString(R"({"screens":[{"name":"S","x":0,"y":0,"width":%1,"height":%2,)"
                                   R"("logicalDpi":96,"logicalBaseDpi":96,"dpr":1}]})")
                               .arg(screen.width())
                               .arg(screen.height());
    }
    return QByteArray("offscreen:configfile=") + path.toUtf8();
}

void settle() {
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QApplication::processEvents();
    }
}

void shoot(QWidget* w, const QString& folder, const QString& name) {
    settle();
    const QString path = folder + "/" + name + ".png";
    if (w && w->grab().save(path)) std::printf("%s\n", qPrintable(path));
    else std::printf("not written: %s\n", qPrintable(path));
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: make_screenshots <folder> [SCREENxSIZE [MAINxSIZE]]\n");
        return 2;
    }
    const QSize screen = parseSize(argc > 2 ? argv[2] : nullptr, QSize(1920, 1080));
    const QSize mainSize = parseSize(argc > 3 ? argv[3] : nullptr, QSize(1000, 720));
    QTemporaryDir work;
    qputenv("QT_QPA_PLATFORM", screenConfig(work.path(), screen));
    QStandardPaths::setTestModeEnabled(true);
    QApplication qapp(argc, argv);
    QCoreApplication::setApplicationName("varnolt");
    setSettingsFolder(work.path());
    const QString out = QDir(QString::fromLocal8Bit(argv[1])).absolutePath();
    QDir().mkpath(out);

    setResourceFolder(VARNOLT_SOURCE_RESOURCES);
    installPlatform(qapp);
    setMsgHandler([](const MsgRequest& r) {
        std::printf("message \"%s\": %s\n", r.title.c_str(), r.text.c_str());
        return firstAnswer(r.buttons);
    });
    setProgramFolder(work.path() + "/prog");
    QDir().mkpath(work.path() + "/prog");
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));

    MDIVRN w;
    w.resize(mainSize);
    w.show();
    w.MDIForm_Load();
    Forms::unload<frmTip>();
    shoot(&w, out, "01_main_start");

    // The main road: a concentration-time diagram of the start model.
    w.clickMenu("mnuctGraph");
    shoot(&w, out, "02_main_time_diagram_input");
    if (auto* t = Forms::loaded<frmPrepareTimeDiagram>()) {
        t->cmdDrawctDiagram->click();
        shoot(&w, out, "03_main_chart_model2");
        if (auto* chart = Forms::loaded<frmGraph2D>()) shoot(chart->frame(), out, "04_chart_model2");
        t->cmdListe->click();
        if (auto* tab = Forms::loaded<frmSimTabelle>()) {
            shoot(tab->frame(), out, "06_value_table");
            tab->Unload();
        }
    }

    // The enzyme model with its Michaelis-Menten frame and the matrix.
    if (auto* model = Forms::loaded<frmKinModel>()) {
        model->optTyp[10]->click();
        shoot(&w, out, "07_main_enzyme_model");
        model->cmdShowMatrix->click();
        if (auto* m = Forms::loaded<frmmatrix>()) shoot(m->frame(), out, "08_matrix");
        Forms::unload<frmmatrix>();
    }

    // A project evaluated by a straight line.
    for (const char* f : {"1st_order.VRP", "1st_order.VRD"})
        QFile::copy(resourceFolder() + "/samples/" + f, work.path() + "/prog/" + f);
    const std::string prog = toStd(work.path() + "/prog");
    hooks().fileDialogs.openDialog = [prog](OpenDialogRequest& r) {
        r.fileName = "1st_order.VRP";
        r.directory = prog;
        return true;
    };
    w.clickMenu("mnuLoadProject");
    w.clickMenu("mnuctAusw(1)");
    shoot(&w, out, "09_main_evaluation_first_order");

    w.clickMenu("mnuOption");
    if (auto* o = Forms::loaded<frmOption>()) {
        shoot(o, out, "10_options");
        o->Unload();
    }
    w.clickMenu("mnuTip");
    if (auto* tip = Forms::loaded<frmTip>()) shoot(tip, out, "11_tips");
    Forms::unload<frmTip>();
    w.cmdErstnutzer_Click();
    shoot(&w, out, "12_main_hints");

    Forms::destroyAll();
    settle();
    return 0;
}
