// The main window with a reactor window opened from its menu, and typing
// into the reactor's fields as a user does.
#pragma once

#include <QColor>
#include <QImage>

#include "base/NumberText.h"
#include "engine/frmKinModel.h"
#include "shell/StateOwner.h"
#include "platform/Twips.h"
#include "reactors/ReactorDrawings.h"
#include "reactors/ReactorPicture.h"
#include "support/GuiTestSupport.h"

namespace vrn::test {

class ReactorWindowTest : public MainWindowTest {
protected:
    void SetUp() override { MDIVRN::endProgram = [] {}; }

    // Chooses the model in the model window, as a click on its option does.
    void chooseModel(int model) {
        frmKinModel& m = Forms::get<frmKinModel>();
        m.optTyp_Click(model == 20 ? 0 : model);
        processEvents();
    }
    // Opens a reactor window from the menu with the model chosen.
    template <class W>
    W& open(const char* item, int model) {
        {
            // The model chosen before, as another window announces it.
            Aenderung vorher;
            app.iModell = static_cast<Integer>(model);
        }
        main->clickMenu(item);
        chooseModel(model);
        W* w = Forms::loaded<W>();
        EXPECT_NE(w, nullptr);
        return *w;
    }

    // Types each text into its field, as a user does.
    static void tippe(ReactorForm& r, std::initializer_list<std::pair<std::size_t, const char*>> felder) {
        for (auto [feld, text] : felder) typeInto(r.Inp[feld], text);
    }

    // The colour shown at a point of the picture given in twips.
    static QColor colourAt(ReactorPicture* pic, const QRect& area, int x, int y) {
        const QImage img = pic->shown();
        const int px = twipsToPixelsX((x - area.left()) * kBildMassstab);
        const int py = twipsToPixelsY((y - area.top()) * kBildMassstab);
        return QColor(img.pixel(px * img.width() / pic->width(), py * img.height() / pic->height()));
    }

    MsgRecorder rec;
};

}  // namespace vrn::test

using vrn::test::clickButton;
using vrn::test::typeInto;
