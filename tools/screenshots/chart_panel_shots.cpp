// chart_panel_shots <folder>: opens the chart window of a simulated model
// inside the main window at 1000 x 720 and at 1366 x 768, opens each design
// panel in turn and writes one PNG per panel and size into the folder, for a
// person to look at.
#include <QApplication>
#include <QDir>
#include <QLocale>
#include <QMdiSubWindow>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTemporaryDir>

#include <cstdio>
#include <functional>
#include <utility>

#include "chart/DesignAxisTabs.h"
#include "chart/DesignPanel.h"
#include "chart/Grafik.h"
#include "chart/ToolFrame.h"
#include "chart/frmGraph2D.h"
#include "engine/ModelMasks.h"
#include "engine/Simulation.h"
#include "platform/Forms.h"
#include "platform/MsgBox.h"
#include "platform/Paths.h"
#include "shell/AppState.h"
#include "shell/DataPreparation.h"
#include "app/MDIVRN.h"
#include "app/StartUp.h"

using namespace vrn;

namespace {

void warte() {
    for (int i = 0; i < 3; ++i) QApplication::processEvents();
}

frmGraph2D* diagramm() {
    // A few measured points of A, so that the point-set panel has a set to show.
    app.ExpDaten.assign(7, Messpunkt{});
    app.nExpPunkte = 6;
    for (int i = 1; i <= 6; ++i) {
        Messpunkt& p = app.ExpDaten[static_cast<std::size_t>(i)];
        p.t = 5.0 * (i - 1);
        p.c[1] = 0.1 / (1 + 0.08 * p.t);
    }
    PrepareExpDaten();
    app.gMitMesspunkten = true;
    app.iModell = 4;
    SetSpeziesMaske(app.iModell);
    app.c0 = {};
    app.c0[1] = 0.1;
    app.c0[2] = 0.15;
    app.k = {};
    app.k[1] = 0.5;
    app.tEnd = 30;
    Integer err = 0;
    calc_diagramfunctioncT(app.iModell, err);
    app.iDiagrammTyp = 4;
    zeigeDiagramm();
    warte();
    return Forms::loaded<frmGraph2D>();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: chart_panel_shots <folder>\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QStandardPaths::setTestModeEnabled(true);
    QApplication qapp(argc, argv);
    const QString out = QDir(QString::fromLocal8Bit(argv[1])).absolutePath();
    QDir().mkpath(out);
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QTemporaryDir dir;
    setProgramFolder(dir.path());
    installPlatform(qapp);
    setMsgHandler([](const MsgRequest& r) { return firstAnswer(r.buttons); });

    const std::pair<int, int> groessen[] = {{1000, 720}, {1366, 768}};
    for (const auto& [b, h] : groessen) {
        resetAppState(toStd(dir.path()));
        MDIVRN main;
        main.resize(b, h);
        main.show();
        warte();
        main.Picture1->hide();
        frmGraph2D* w = diagramm();
        if (!w) return 1;
        // The chart window fills the main window's area, as a user would make it.
        if (QWidget* f = w->frame(); f != w && f->parentWidget()) f->setGeometry(f->parentWidget()->rect());
        warte();
        const QString groesse = QString("%1x%2").arg(b).arg(h);
        auto bild = [&](const QString& name, const std::function<void()>& oeffnen) {
            w->versteckeWerkzeugRahmen();
            oeffnen();
            warte();
            main.grab().save(out + "/chart_" + name + "_" + groesse + ".png");
        };
        bild("window", [] {});
        bild("coord", [w] { w->mnuCoord_Click(); });
        bild("curves", [w] { w->openCurvePanelAt(2); });
        bild("text", [w] { w->mnuTextDesign_Click(4); });
        bild("header", [w] { w->mnuTextDesign_Click(1); });
        bild("points", [w] { w->openPointPanelAt(1); });
        bild("resolution", [w] { w->mnuResolution_Click(); });
        for (int t = 0; t < 11; ++t)
            bild(QString("design%1").arg(t, 2, 10, QChar('0')), [w, t] { w->openDesignTab(t); });
        bild("design07_manuell", [w] {
            w->openDesignTab(7);
            w->designPanel->achsen->optStandardOrigin[1]->click();
        });
        Forms::destroyAll();
        warte();
    }
    return 0;
}
