// fitting_screenshots <folder> <screen w> <screen h> <main w> <main h>:
// renders the fitting window beside its chart inside the main window after
// an auto-fit, once for the sample first-order data set (mode 1) and once
// for a three-isotherm data set (mode 6, Arrhenius), on an offscreen screen
// of the given size. Writes fitting_<mode>_<main w>.png into the folder.
// A tool, not a test; used with 1024 x 768 / 1000 x 720 (the default main
// window) and 1366 x 768 / 1366 x 768.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "data/frmFitting.h"
#include "platform/Forms.h"
#include "platform/MsgBox.h"
#include "platform/NumberField.h"
#include "platform/Paths.h"
#include "shell/AppState.h"
#include "shell/DataPreparation.h"
#include "shell/FileDialogs.h"
#include "app/MDIVRN.h"
#include "app/StartUp.h"
#include "shell/frmTip.h"

using namespace vrn;

namespace {

void settle() {
    for (int i = 0; i < 5; ++i) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QApplication::processEvents();
    }
}

// Three isotherms of A => P with A = 1e10 1/s, EA = 60000 J/mol, 1 % noise-free.
void threeIsotherms() {
    app.ExpDaten.assign(1, Messpunkt{});
    for (double T : {300.0, 310.0, 320.0})
        for (int i = 0; i <= 8; ++i) {
            Messpunkt m;
            m.t = 0.5 * i;
            m.Temp = T;
            m.c[1] = std::exp(-1e10 * std::exp(-60000 / (8.3145 * T)) * m.t) * (1 + 0.01 * std::sin(7.0 * i + T));
            app.ExpDaten.push_back(m);
        }
    app.nExpPunkte = static_cast<Integer>(app.ExpDaten.size() - 1);
    app.ExpDaten.push_back(Messpunkt{});
    PrepareExpDaten();
    app.c0Daten[1] = 1;
}

void shoot(int screenW, int mainW, int mainH, int mode, const QString& out) {
    MDIVRN w;
    w.resize(mainW, mainH);
    w.show();
    w.MDIForm_Load();
    Forms::unload<frmTip>();
    settle();
    if (mode == 1) {
        fileDialogHooks().openDialog = [](OpenDialogRequest& r) {
            r.fileName = "1st_order.VRP";
            r.directory = toStd(programFolder());
            return true;
        };
        w.clickMenu("mnuLoadProject");
        w.clickMenu("mnuCtFitting");
    } else {
        threeIsotherms();
        w.clickMenu("mnuNonIsothermFitting(1)");
    }
    settle();
    if (frmFitting* f = Forms::loaded<frmFitting>()) {
        if (mode == 6) {
            f->Inp[10]->setText("1");
            f->Inp[11]->setText("1");
        }
        f->cmdAutoFitting_Click();
        f->SetFocus();
    }
    settle();
    w.grab().save(out);
    std::printf("%s (screen %d wide)\n", qPrintable(out), screenW);
    Forms::destroyAll();
    settle();
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc < 6) {
        std::printf("fitting_screenshots <folder> <screen width> <screen height> <main width> <main height>\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    const int screenW = std::atoi(argv[2]), screenH = std::atoi(argv[3]);
    const int mainW = std::atoi(argv[4]), mainH = std::atoi(argv[5]);
    // The offscreen platform takes its screen from a small configuration file.
    QTemporaryDir dir;
    const QString config = dir.path() + "/screen.json";
    QFile f(config);
    if (!f.open(QIODevice::WriteOnly)) return 1;
    f.write(QString(R"({"screens":[{"name":"s","x":0,"y":0,"width":%1,"height":%2,"logicalDpi":96}]})")
                .arg(screenW)
                .arg(screenH)
                .toUtf8());
    f.close();
    qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + config).toUtf8());
    QStandardPaths::setTestModeEnabled(true);
    int qargc = 1;
    QApplication qapp(qargc, argv);
    QCoreApplication::setApplicationName("varnolt");
    setResourceFolder(VARNOLT_SOURCE_RESOURCES);
    installPlatform(qapp);
    setMsgHandler([](const MsgRequest& r) {
        std::printf("message: %s\n", r.text.c_str());
        return firstAnswer(r.buttons);
    });
    QFile::copy(resourceFolder() + "/samples/1st_order.VRP", programFolder() + "/1st_order.VRP");
    QFile::copy(resourceFolder() + "/samples/1st_order.VRD", programFolder() + "/1st_order.VRD");
    for (int mode : {1, 6}) shoot(screenW, mainW, mainH, mode, folder + QString("/fitting_%1_%2.png").arg(mode).arg(mainW));
    return 0;
}
