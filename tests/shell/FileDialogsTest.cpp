#include "support/TestSupport.h"

using namespace vrn;
using namespace vrn::test;

namespace {

const std::string kZweiPunkte =
    "Zwei Punkte\r\nmin\r\nkopf\r\n2\r\n0,1,0,0,0,0,0,0,0,0,0,0,0\r\n5,.5,0,0,0,0,0,0,0,0,0,0,0\r\n";

// Scripted dialogs; the real hooks and the current directory come back after each test.
class FileDialogsTest : public ::testing::Test {
protected:
    void SetUp() override {
        savedCwd = std::filesystem::current_path();
        resetAppState(dir.str());
        auto& h = hooks().fileDialogs;
        h.openDialog = [this](OpenDialogRequest& r) {
            openRequests.push_back(r);
            if (!openAnswer) return false;
            r.fileName = openName;
            r.directory = openDir;
            return true;
        };
        h.askSaveFileName = [this](const SaveBoxRequest& r, std::string& chosen) {
            saveRequests.push_back(r);
            chosen = saveAnswer;
            return !saveAnswer.empty();
        };
        h.askProjectComment = [] { app.ProjKommentar = "eingetippt"; };
        h.shortDateText = [] { return std::string("03.04.2024"); };
    }
    void TearDown() override { std::filesystem::current_path(savedCwd); }
    TempFolder dir;
    Restore<FileDialogHooks> savedHooks{hooks().fileDialogs};
    std::filesystem::path savedCwd;
    std::vector<OpenDialogRequest> openRequests;
    std::vector<SaveBoxRequest> saveRequests;
    bool openAnswer = false;
    std::string openName, openDir, saveAnswer;
};

}  // namespace

TEST_F(FileDialogsTest, LoadingThroughTheDialogReplacesAndNamesTheDataSet) {
    writeFile(dir.file("zwei.VRD"), kZweiPunkte);
    app.ExpDateiName = "/irgendwo/vorher.VRD";
    app.ExpDateiPfad = "/irgendwo";
    app.bDatenGeaendert = true;
    openAnswer = true;
    openName = "zwei.VRD";
    openDir = dir.str();
    bool ok = false, cancelled = true;
    LoadExpDataDialog(false, ok, cancelled);
    ASSERT_EQ(openRequests.size(), 1u);
    const OpenDialogRequest& r = openRequests[0];
    EXPECT_EQ(std::tuple(r.pattern, r.fileName, r.directory), std::tuple("*.VRD", "vorher.VRD", "/irgendwo"));
    EXPECT_EQ(std::tuple(ok, app.nExpPunkte, app.ExpDateiName, app.ExpDateiPfad, app.bDatenGeaendert),
              std::tuple(true, 2, dir.file("zwei.VRD"), dir.str(), false));

    // Appending: the other title, the points go after the present ones, the data set takes the new name.
    writeFile(dir.file("mehr.VRD"), kZweiPunkte);
    openName = "mehr.VRD";
    LoadExpDataDialog(true, ok, cancelled);
    EXPECT_EQ(openRequests.back().title, "Daten aus gewähltem File anfügen");
    EXPECT_EQ(std::tuple(ok, app.nExpPunkte, app.ExpDateiName), std::tuple(true, 4, dir.file("mehr.VRD")));
}

TEST_F(FileDialogsTest, FailedOrCancelledLoadKeepsTheDataSet) {
    app.ExpKommentar = "alt";
    app.nExpPunkte = 1;
    app.ExpDaten[1].c[1] = 0.7;
    app.ExpDateiName = "alt.VRD";
    app.bDatenGeaendert = true;
    bool ok = true, cancelled = false;
    LoadExpDataDialog(false, ok, cancelled);  // cancelled
    EXPECT_EQ(std::tuple(ok, cancelled), std::tuple(false, true));

    writeFile(dir.file("kaputt.VRD"), "k\r\ns\r\nh\r\n3\r\n");
    openAnswer = true;
    openName = "kaputt.VRD";
    openDir = dir.str() + "/";
    MsgRecorder rec;
    LoadExpDataDialog(false, ok, cancelled);
    EXPECT_FALSE(ok);
    ASSERT_EQ(rec.count(), 1u);
    EXPECT_EQ(rec.last().title, "Meldung von LoadDataFile");
    EXPECT_EQ(std::tuple(app.nExpPunkte, app.ExpDaten[1].c[1], app.ExpKommentar, app.ExpDateiName, app.bDatenGeaendert),
              std::tuple(1, 0.7, "alt", "alt.VRD", true));
    EXPECT_EQ(app.ExpDateiPfad, dir.str() + "/");  // where the user went is remembered
}

TEST_F(FileDialogsTest, SavingNamesTheDataSetOnlyWhenWritten) {
    std::filesystem::create_directories(dir.file("unter"));
    app.ExpKommentar = "k";
    app.ExpDateiName = "vorher.VRD";
    app.ExpDateiPfad = dir.str();
    app.bDatenGeaendert = true;
    bool failed = false;
    SaveDataFileAs(failed);  // cancelled
    EXPECT_TRUE(failed);
    ASSERT_EQ(saveRequests.size(), 1u);
    EXPECT_EQ(std::tuple(saveRequests[0].fileName, saveRequests[0].initialDir), std::tuple("vorher.VRD", dir.str()));

    saveAnswer = dir.file("unter/neu.VRD");
    SaveDataFileAs(failed);
    EXPECT_EQ(std::tuple(failed, app.ExpDateiName, app.ExpDateiPfad, app.bDatenGeaendert),
              std::tuple(false, dir.file("unter/neu.VRD"), dir.file("unter/"), false));
    EXPECT_EQ(std::filesystem::current_path(), std::filesystem::path(dir.file("unter")));
    EXPECT_EQ(readFile(dir.file("unter/neu.VRD")).substr(0, 8), "k\r\ns\r\nt,");

    MsgRecorder rec;
    app.bDatenGeaendert = true;
    saveAnswer = dir.file("fehlt/x.VRD");
    SaveDataFileAs(failed);
    EXPECT_TRUE(failed);
    EXPECT_EQ(rec.last().title, "Meldung von WriteDataFile");
    // A failed save does not rename.
    EXPECT_EQ(std::tuple(app.ExpDateiName, app.bDatenGeaendert), std::tuple(dir.file("unter/neu.VRD"), true));
}

TEST_F(FileDialogsTest, AskingToSaveChangedData) {
    // answer, file chosen in the save box, abort, written
    const std::tuple<MsgAnswer, std::string, bool, bool> cases[] = {
        {MsgAnswer::No, "", false, false},
        {MsgAnswer::Cancel, "", true, false},
        {MsgAnswer::Yes, "", true, false},  // the save box was cancelled
        {MsgAnswer::Yes, "gesichert.VRD", false, true},
    };
    for (const auto& [answer, saveTo, aborts, written] : cases) {
        MsgRecorder rec;
        rec.answer(answer);
        saveAnswer = saveTo.empty() ? "" : dir.file(saveTo);
        bool abort = !aborts;
        AskSaveChangedData(abort);
        EXPECT_EQ(abort, aborts);
        ASSERT_GE(rec.count(), 1u);
        EXPECT_TRUE(isMessage(rec.messages()[0], "Die experimentellen Daten wurden geändert.\r\nJetzt speichern?",
                              "WARNUNG", MsgIcon::Exclamation));
        EXPECT_EQ(rec.messages()[0].buttons, MsgButtons::YesNoCancel);
        EXPECT_EQ(std::filesystem::exists(dir.file("gesichert.VRD")), written);
    }
}

TEST_F(FileDialogsTest, SavingAndLoadingAProject) {
    std::filesystem::create_directories(dir.file("proj"));
    app.ProjDateiName = "alt.VRP";
    app.ProjDateiPfad = dir.str();
    app.ExpDateiName = dir.file("daten.VRD");
    app.iModell = 6;
    app.k = {0, 0.2, 0.05, 0};
    EXPECT_FALSE(SaveProjectAs());  // cancelled: nothing written, nothing shown
    EXPECT_EQ(std::tuple(saveRequests.back().fileName, saveRequests.back().defaultExt), std::tuple("alt.VRP", "VRP"));

    saveAnswer = dir.file("proj/neu.VRP");
    EXPECT_TRUE(SaveProjectAs());
    // The name is not changed by saving.
    EXPECT_EQ(std::tuple(app.ProjDateiPfad, app.ProjDateiName, app.ProjKommentar),
              std::tuple(dir.file("proj/"), "alt.VRP", "eingetippt"));
    EXPECT_EQ(readFile(dir.file("proj/neu.VRP")).substr(0, 35), "03.04.2024\r\neingetippt\r\ndaten.VRD\r\n");
    EXPECT_EQ(std::filesystem::current_path(), std::filesystem::path(dir.file("proj")));

    app.iModell = 2;
    app.ProjKommentar.clear();
    std::string file, dat;
    bool ok = true, cancelled = false;
    LoadProjectDialog(file, dat, ok, cancelled);  // cancelled
    EXPECT_EQ(std::tuple(ok, cancelled, app.iModell), std::tuple(false, true, 2));
    EXPECT_EQ(std::tuple(openRequests.back().pattern, openRequests.back().fileName), std::tuple("*.VRP", "alt.VRP"));

    openAnswer = true;
    openName = "neu.VRP";
    openDir = dir.file("proj");
    LoadProjectDialog(file, dat, ok, cancelled);
    EXPECT_EQ(
        std::tuple(ok, file, dat, app.iModell, app.k[2], app.ProjKommentar, app.ProjDateiName, app.ProjDateiPfad),
        std::tuple(true, dir.file("proj/neu.VRP"), "daten.VRD", 6, 0.05, "eingetippt", "neu.VRP", dir.file("proj")));
}

TEST(FolderNames, JoinAndSplit) {
    for (auto [folder, joined] :
         {std::pair{"/a/b", "/a/b/c.VRD"}, {"/a/b/", "/a/b/c.VRD"}, {"C:\\x\\", "C:\\x\\c.VRD"}, {"", "c.VRD"}})
        EXPECT_EQ(joinFolderName(folder, "c.VRD"), joined);
    EXPECT_EQ(std::tuple(folderWithSeparator("/a/b/c.VRD"), folderWithSeparator("c.VRD")), std::tuple("/a/b/", ""));
}
