// layout_shots <folder> <main w> <main h> [screen w screen h]
//
// Renders, inside a main window of the given size on an offscreen screen, the
// windows a user works with side by side: the fitting window beside its
// chart (the sample data set, and three isotherms fitted by Arrhenius), the
// single-point calculator beside its chart, the tangent window beside its chart, the
// tangent window and a linear evaluation opened while the fitting window stays
// open, the Arrhenius and Eyring results with their calculators, the enzyme
// model's chart beside the time-diagram window, the first-order evaluation
// opened over the model window (and with the c-t function window open), the
// enzyme chart up to 1.5E+07 s, an additional text of three lines moved to
// the bottom, the stirred tank with its
// protocol window, a chart with a two-line header, an additional text and a
// legend, and a template saved from a large window loaded into a smaller one.
// Writes layout_<view>_<main w>x<main h>.png. A tool for looking at the
// windows, not a test: it checks nothing.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPainter>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QScreen>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <functional>

#include "app/MDIVRN.h"
#include "app/StartUp.h"
#include "chart/CurvePanel.h"
#include "chart/TextPanel.h"
#include "chart/frmGraph2D.h"
#include "chart/frmGraphCalc.h"
#include "data/frmCalcTangente.h"
#include "data/frmFitting.h"
#include "engine/frmKinModel.h"
#include "engine/frmPrepareTimeDiagram.h"
#include "montecarlo/frmMonteCarlo.h"
#include "platform/ChartControl.h"
#include "platform/Forms.h"
#include "platform/MsgBox.h"
#include "platform/NumberField.h"
#include "platform/Paths.h"
#include "reactors/frmProtokoll.h"
#include "reactors/frmRKconti.h"
#include "shell/AppState.h"
#include "shell/DataPreparation.h"
#include "shell/FileDialogs.h"
#include "shell/Hooks.h"
#include "shell/frmTip.h"

using namespace vrn;

namespace {

void settle() {
    for (int i = 0; i < 5; ++i) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QApplication::processEvents();
    }
}

void loadSample(MDIVRN& w) {
    hooks().fileDialogs.openDialog = [](OpenDialogRequest& r) {
        r.fileName = "1st_order.VRP";
        r.directory = toStd(programFolder());
        return true;
    };
    w.clickMenu("mnuLoadProject");
    settle();
}

// The concentration-time chart of the default model, drawn from the time-diagram window.
frmGraph2D* openTimeChart(MDIVRN& w) {
    w.clickMenu("mnuctGraph");
    settle();
    if (auto* t = Forms::loaded<frmPrepareTimeDiagram>()) t->cmdDrawctDiagram->click();
    settle();
    return Forms::loaded<frmGraph2D>();
}

// Three isotherms of A => P with A = 1e10 1/s, EA = 60000 J/mol, 1 % scatter.
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

// Rate constants of A = 3.816322E+13 1/s and EA = 102.9 kJ/mol at 298 .. 338 K.
void kTPairs() {
    app.ExpDaten.assign(1, Messpunkt{});
    for (int i = 0; i < 5; ++i) {
        Messpunkt m;
        m.Temp = 298 + 10 * i;
        m.k = 3.816322e13 * std::exp(-102900 / (8.3145 * m.Temp));
        app.ExpDaten.push_back(m);
    }
    app.nExpPunkte = static_cast<Integer>(app.ExpDaten.size() - 1);
    app.ExpDaten.push_back(Messpunkt{});
    PrepareExpDaten();
}

void shoot(const QString& folder, const QString& view, QSize main, const std::function<void(MDIVRN&)>& steps) {
    MDIVRN w;
    MDIVRN::endProgram = [] {};
    w.resize(main);
    // Centred on the screen, as a window manager places it.
    if (const QScreen* s = QGuiApplication::primaryScreen())
        w.move(std::max(0, (s->geometry().width() - main.width()) / 2), std::max(0, (s->geometry().height() - main.height()) / 2));
    w.show();
    w.MDIForm_Load();
    Forms::unload<frmTip>();
    settle();
    steps(w);
    settle();
    const QString out = folder + QString("/layout_%1_%2x%3.png").arg(view).arg(main.width()).arg(main.height());
    // Tool windows float over the main window: paint them where they stand.
    QPixmap pic = w.grab();
    QPainter p(&pic);
    for (VrnForm* f : Forms::all())
        if (f->kind() == VrnForm::Kind::Tool && f->isVisible()) {
            const QPoint at = w.mapFromGlobal(f->mapToGlobal(QPoint(0, 0)));
            p.fillRect(QRect(at - QPoint(1, 22), f->size() + QSize(2, 23)), QColor(70, 110, 160));
            p.setPen(Qt::white);
            p.drawText(QRect(at - QPoint(-6, 22), QSize(f->width(), 22)), Qt::AlignVCenter, f->caption());
            p.drawPixmap(at, f->grab());
        }
    p.end();
    if (pic.save(out)) std::printf("%s\n", qPrintable(out));
    Forms::destroyAll();
    settle();
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc < 4) {
        std::printf("layout_shots <folder> <main width> <main height> [screen width screen height]\n");
        return 2;
    }
    const QString folder = QDir(QString::fromLocal8Bit(argv[1])).absolutePath();
    const QSize main(std::atoi(argv[2]), std::atoi(argv[3]));
    const QSize screen = argc >= 6 ? QSize(std::atoi(argv[4]), std::atoi(argv[5])) : main.expandedTo(QSize(1366, 768));
    QDir().mkpath(folder);
    QTemporaryDir dir;
    const QString config = dir.path() + "/screen.json";
    QFile f(config);
    if (!f.open(QIODevice::WriteOnly)) return 1;
    f.write(QString(R"({"screens":[{"name":"s","x":0,"y":0,"width":%1,"height":%2,"logicalDpi":96}]})")
                .arg(screen.width())
                .arg(screen.height())
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

    shoot(folder, "fitting", main, [](MDIVRN& w) {
        loadSample(w);
        w.clickMenu("mnuCtFitting");
        settle();
        if (frmFitting* fit = Forms::loaded<frmFitting>()) {
            fit->cmdAutoFitting_Click();
            fit->SetFocus();
        }
    });
    shoot(folder, "fitting_arrhenius", main, [](MDIVRN& w) {
        threeIsotherms();
        w.clickMenu("mnuNonIsothermFitting(1)");
        settle();
        if (frmFitting* fit = Forms::loaded<frmFitting>()) {
            fit->Inp[10]->setText("1");
            fit->Inp[11]->setText("1");
            fit->cmdAutoFitting_Click();
            fit->SetFocus();
        }
    });
    shoot(folder, "tangent", main, [](MDIVRN& w) {
        loadSample(w);
        w.clickMenu("mnuSubTangente(1)");
        settle();
        if (frmCalcTangente* t = Forms::loaded<frmCalcTangente>()) {
            t->txtX->setText("2");
            t->cmdCalc_Click();
            t->SetFocus();
        }
    });
    // The single-point calculator opened from the chart of the default model.
    shoot(folder, "single_calc", main, [](MDIVRN& w) {
        frmGraph2D* g = openTimeChart(w);
        if (!g) return;
        g->cmdSingleCalc->click();
        settle();
        if (frmGraphCalc* f = Forms::loaded<frmGraphCalc>()) {
            f->txtX->setText("5");
            f->cmdGraphCalcExec_Click();
        }
    });
    // The fitting window stays open while the tangent method, then a linear evaluation, is drawn.
    shoot(folder, "fitting_tangent", main, [](MDIVRN& w) {
        loadSample(w);
        w.clickMenu("mnuCtFitting");
        settle();
        if (frmFitting* fit = Forms::loaded<frmFitting>()) fit->cmdAutoFitting_Click();
        settle();
        w.clickMenu("mnuSubTangente(1)");
    });
    shoot(folder, "fitting_linear", main, [](MDIVRN& w) {
        loadSample(w);
        w.clickMenu("mnuCtFitting");
        settle();
        if (frmFitting* fit = Forms::loaded<frmFitting>()) fit->cmdAutoFitting_Click();
        settle();
        w.clickMenu("mnuctAusw(1)");
    });
    // Arrhenius and Eyring evaluations of k(T), with their results in the status bar, and the calculator.
    for (const char* item : {"mnukT(1)", "mnukT(2)"})
        shoot(folder, item[6] == '1' ? "arrhenius" : "eyring", main, [item](MDIVRN& w) {
            kTPairs();
            w.clickMenu(item);
            settle();
            w.clickMenu(item[6] == '1' ? "mnuToolArrhenius" : "mnuToolEyring");
        });
    // The enzyme model's concentration-time chart beside the time-diagram window.
    shoot(folder, "enzyme_chart", main, [](MDIVRN& w) {
        w.clickMenu("mnuctGraph");
        settle();
        if (auto* m = Forms::loaded<frmKinModel>()) m->optTyp[10]->click();
        settle();
        if (auto* t = Forms::loaded<frmPrepareTimeDiagram>()) t->cmdDrawctDiagram->click();
    });
    // The first-order evaluation of the sample, opened over the model window, and with the c-t function window open too.
    shoot(folder, "first_order", main, [](MDIVRN& w) {
        loadSample(w);
        w.clickMenu("mnuctAusw(1)");
    });
    shoot(folder, "first_order_ct_window", main, [](MDIVRN& w) {
        loadSample(w);
        w.clickMenu("mnuctGraph");
        settle();
        w.clickMenu("mnuctAusw(1)");
    });
    // The enzyme model up to t(max) = 1.5E+07 s: the x numbers written shorter or fewer.
    shoot(folder, "enzyme_large_t", main, [](MDIVRN& w) {
        w.clickMenu("mnuctGraph");
        settle();
        if (auto* m = Forms::loaded<frmKinModel>()) m->optTyp[10]->click();
        settle();
        if (auto* t = Forms::loaded<frmPrepareTimeDiagram>()) {
            t->Inp[14]->setText("15000000");
            t->cmdDrawctDiagram->click();
        }
    });
    // An additional text of three lines moved to the bottom with its position bar.
    shoot(folder, "additional_text", main, [](MDIVRN& w) {
        loadSample(w);
        w.clickMenu("mnuctAusw(1)");
        settle();
        frmGraph2D* g = Forms::loaded<frmGraph2D>();
        if (!g) return;
        g->clickMenu("mnuTextDesign(2)");
        g->textPanel->schrift->setPlainText("Messreihe 1\nbei 25 Grad\ndritte Zeile");
        settle();
        g->textPanel->VScroll1->setValue(g->textPanel->VScroll1->maximum());
    });
    shoot(folder, "tank_protocol", main, [](MDIVRN& w) {
        w.clickMenu("mnuKontRK");
        settle();
        frmRKconti* r = Forms::loaded<frmRKconti>();
        if (!r) return;
        r->optCalcConti[2]->click();
        r->Inp[14]->setText("1");
        r->Inp[15]->setText("0.2");
        r->cmdCalc->click();
        settle();
        r->cmdProtocol->click();
        settle();
    });
    shoot(folder, "chart_texts", main, [](MDIVRN& w) {
        frmGraph2D* g = openTimeChart(w);
        if (!g) return;
        ChartControl& c = *g->Chart2D1;
        c.setText(ChartTextBlock::Header, "Konzentrations-Zeit-Diagramm\r\nA => P   (n = 1), k1 = 0.15 1/s");
        c.setText(ChartTextBlock::Footer, "Zusatztext: Messreihe vom 12. Mai, 25 °C");
        c.setTextBorder(ChartTextBlock::Footer, 9);
        g->kurvenPanel->txtLegendCurves[1]->setText("c(A)");
        g->kurvenPanel->txtLegendCurves[2]->setText("c(P)");
        g->legendeSchalten(true);
        g->SetFocus();
    });
    shoot(folder, "template_smaller", main, [&folder](MDIVRN& w) {
        frmGraph2D* g = openTimeChart(w);
        if (!g) return;
        ChartControl& c = *g->Chart2D1;
        c.setText(ChartTextBlock::Header, "Vorlage aus einem großen Fenster");
        g->kurvenPanel->txtLegendCurves[1]->setText("c(A)");
        g->kurvenPanel->txtLegendCurves[2]->setText("c(P)");
        g->legendeSchalten(true);
        // Saved from a large window, loaded into a smaller one.
        g->frame()->resize(1300, 900);
        settle();
        const std::string file = toStd(folder + "/vorlage.oc2");
        hooks().fileDialogs.askSaveFileName = [file](const SaveBoxRequest&, std::string& chosen) {
            chosen = file;
            return true;
        };
        g->mnuSaveOC2_Click();
        g->frame()->setGeometry(QRect(494, 40, 500, 430));
        settle();
        hooks().fileDialogs.askOpenFileName = [file](const SaveBoxRequest&, std::string& chosen) {
            chosen = file;
            return true;
        };
        g->mnuLoadOC2_Click();
        g->SetFocus();
    });
    shoot(folder, "montecarlo_labels", main, [](MDIVRN& w) {
        w.clickMenu("mnuSubMonteCarlo(0)");
        settle();
        if (frmMonteCarlo* mc = Forms::loaded<frmMonteCarlo>()) {
            mc->calcUndPlotMCKurve(1);
            mc->calcUndPlotMCKurve(2);
        }
    });
    return 0;
}
