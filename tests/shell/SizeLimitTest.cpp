// Saving under a limit on the size of files (ulimit -f, as shared machines and
// some login scripts set it): every save the limit stops fails as on a full
// disk, with a German message that names the user's file; the old file stays
// byte for byte, nothing is left beside it, the program goes on, and the same
// save goes through once the limit is lifted. Each case runs in a child
// process that starts the program's platform as the program does, so that the
// limit (and a signal it may send) never reaches the test itself.
#include <QSettings>

#include <csignal>
#include <filesystem>

#include <sys/resource.h>

#include "app/StartUp.h"
#include "data/XYFileDialogs.h"
#include "engine/frmSimTabelle.h"
#include "platform/ChartControl.h"
#include "platform/ChartTemplate.h"
#include "platform/Paths.h"
#include "platform/Settings.h"
#include "reactors/Protocol.h"
#include "shell/DataFile.h"
#include "shell/ProjectFile.h"
#include "shell/frmTip.h"
#include "support/GuiTestSupport.h"

using namespace vrn;

namespace {

// As `prlimit --fsize=60`: no file may grow beyond 60 bytes.
constexpr rlim_t kLimit = 60;

std::string listing(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(folder)) names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    std::string out;
    for (const std::string& n : names) out += n + " ";
    return out;
}

class SizeLimit : public test::MainWindowTest {
protected:
    // A save as the user makes it; returns the failure it reported ("" when saved).
    using Save = std::function<std::string(const std::string& path)>;

    // In a child: the program's start-up, the limit, the save; then the
    // limit lifted and the same save again. What the child saw, line by line.
    std::string underTheLimit(const std::string& path, const Save& save) {
        const std::string old = test::readFile(path);
        const std::string folder = std::filesystem::path(path).parent_path().string();
        const test::InChild c = test::runInChild([&] {
            std::signal(SIGXFSZ, SIG_DFL);  // as in a process just started
            installPlatform(*qApp);
            // The platform's message boxes are recorded again, answered with their first button.
            test::MsgRecorder rec;
            recorder_ = &rec;
            rlimit before{};
            ::getrlimit(RLIMIT_FSIZE, &before);
            rlimit small = before;
            small.rlim_cur = kLimit;
            ::setrlimit(RLIMIT_FSIZE, &small);
            std::string seen = "refused: " + save(path) + "\n";
            seen += test::readFile(path) == old ? "old file kept\n" : "old file changed\n";
            seen += "folder: " + listing(folder) + "\n";
            ::setrlimit(RLIMIT_FSIZE, &before);
            const std::string again = save(path);
            const std::string now = test::readFile(path);
            seen += "again: " + again + (now != old && now.size() > kLimit ? " saved\n" : " not saved\n");
            seen += "folder: " + listing(folder) + "\n";
            return seen;
        });
        EXPECT_TRUE(c.exited) << "the program was ended by signal " << c.signal;
        return c.text;
    }

    // What the child must have seen for a file of the folder and a message that ends in reason.
    static std::string expected(const std::string& message, const std::string& folderListing) {
        return "refused: " + message + "\nold file kept\nfolder: " + folderListing + "\nagain:  saved\nfolder: " +
               folderListing + "\n";
    }

    // Runs the step; the text of the last message it showed, "" when none.
    std::string shown(const std::function<void()>& step) const {
        const std::size_t from = recorder_ ? recorder_->count() : 0;
        step();
        return recorder_ && recorder_->count() > from ? recorder_->last().text : std::string();
    }

private:
    const test::MsgRecorder* recorder_ = nullptr;
};

}  // namespace

TEST_F(SizeLimit, EverySaveFailsAsOnAFullDiskAndTheProgramGoesOn) {
    test::TempFolder dir;
    const std::string folder = dir.str();
    const std::string old = "ein alter Inhalt, der bleiben muss\r\n";
    const auto tooLarge = [](const std::string& path) {
        return "Die Datei ist zu groß: " + path + "\r\nDie vorhandene Datei blieb unverändert.";
    };
    test::setDataSet(3, [](Messpunkt& p, int i) {
        p.t = i;
        p.c[1] = 0.1 / i;
    });
    app.XYDaten = {XYPunkt{}, XYPunkt{1.5f, 2.5f, 0}, XYPunkt{3.5f, 4.5f, 0}, XYPunkt{5.5f, 6.5f, 0}};
    app.nXYPunkte = 3;
    ChartControl chart;
    chart.resize(300, 200);

    app.bDatenGeaendert = false;
    // what, file name, the save, what the message says before the reason
    struct Row {
        const char* what;
        const char* name;
        Save save;
        std::string before = "";
    };
    const auto picture = [&chart](ChartPicture format) {
        return [&chart, format](const std::string& path) {
            QString why;
            chart.savePicture(QString::fromStdString(path), format, &why);
            return why.toStdString();
        };
    };
    const std::vector<Row> rows = {
        {"data set", "daten.VRD",
         [&](const std::string& p) {
             return shown([&] {
                 bool ok = false;
                 WriteDataFile(p, ok);
             });
         }},
        {"project through the menu", "projekt.VRP",
         [&](const std::string& p) {
             test::answerFileBoxes(p);
             hooks().fileDialogs.askProjectComment = [] { app.ProjKommentar = "unter einer Grenze"; };
             return shown([&] { main->clickMenu("mnuSaveProject"); });
         }},
        {"last session", "VrnLastSession.VRP",
         [&](const std::string& p) { return shown([&] { WriteProjectFile(p); }); }},
        {"x-y list", "liste.XY",
         [&](const std::string& p) {
             test::answerFileBoxes(p);
             return shown([&] { speichereXYDatei("Kommentar der Liste"); });
         }},
        {"curve", "kurve.XY",
         [&](const std::string& p) {
             test::answerFileBoxes(p);
             return shown([&] { speichereKurveAlsXY({0, 1, 2, 3}, {0.5, 0.25, 0.125, 0.0625}); });
         }},
        {"template", "vorlage.oc2",
         [&](const std::string& p) { return chart.saveTemplate(QString::fromStdString(p)).message; },
         "Die Diagrammvorlage kann nicht gespeichert werden.\r\n"},
        {"protocol", "protokoll.txt",
         [&](const std::string& p) {
             app.ProtDateiName = p;
             ProtTabRow row{};
             row.fill(0.5f);
             app.ProtTabelle = {row};
             app.nProtZeilen = 1;
             return writeProtocolFile(kQuelleBatch, {2024, 5, 17}).text;
         }},
        {"value table", "tabelle.txt",
         [&](const std::string& p) { return writeValueTableFile(p, std::string(200, 'x')); }},
        {"PNG", "bild.png", picture(ChartPicture::Png)},
        {"SVG", "bild.svg", picture(ChartPicture::Svg)},
        {"PDF", "bild.pdf", picture(ChartPicture::Pdf)},
        {"BMP", "bild.bmp", picture(ChartPicture::Bmp)},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        const std::string path = folder + "/" + r.name;
        std::filesystem::remove_all(folder);
        std::filesystem::create_directories(folder);
        test::writeFile(path, old);
        EXPECT_EQ(underTheLimit(path, r.save), expected(r.before + tooLarge(path), std::string(r.name) + " "));
    }
}

// The settings: clearing "Dieses Fenster bei jedem Start anzeigen" under the
// limit names the settings file, never a copy of it elsewhere.
TEST_F(SizeLimit, TheSettingsNameTheirFile) {
    test::TempFolder dir;
    const QString saved = QFileInfo(QFileInfo(settingsFilePath()).absolutePath()).absolutePath();
    setSettingsFolder(QString::fromStdString(dir.str()));
    const std::string file = toStd(settingsFilePath());
    std::filesystem::create_directories(std::filesystem::path(file).parent_path());
    test::writeFile(file, "[Options]\nShow%20Tips%20at%20Startup=1\n\n[Fenster]\nBreite=1000\nHoehe=720\n");
    frmTip& t = Forms::get<frmTip>();
    t.Show();
    const std::string seen = underTheLimit(file, [&](const std::string&) {
        t.chkLoadTipsAtStartup->setChecked(true);
        return shown([&] { QTest::mouseClick(t.chkLoadTipsAtStartup, Qt::LeftButton); });
    });
    setSettingsFolder(saved);
    EXPECT_EQ(seen, expected("Die Einstellung lässt sich nicht speichern.\r\nDie Datei ist zu groß: " + file +
                                 "\r\nDie vorhandene Datei blieb unverändert.",
                             "varnolt.ini "));
}
