// The main window with the measured-data windows, for the GUI tests of the
// data-set editor, the calculator and the tangent window.
#pragma once

#include "shell/StateOwner.h"
#include "support/GuiTestSupport.h"

namespace vrn::test {

class DataWindows : public MainWindowTest {
protected:
    // Replaces the data set: rows of t, c(A), T, k (aus 0).
    static void setzeDaten(std::initializer_list<std::array<double, 4>> rows) { setDataRows(rows); }
    // A first-order set: c(A) = 0.1 exp(-0.1 t) at t = 0, 2, ..., 2 (n - 1).
    void ersteOrdnung(int n);
    // Types text into a widget key by key, as a user would.
    static void tippe(QWidget* w, const QString& text);

    MsgRecorder rec;
};

}  // namespace vrn::test
