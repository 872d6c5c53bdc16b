// The tips window: a tip of the day from the tips file, "Nächster Tipp", and
// the one persisted setting "Show Tips at Startup".
#pragma once

#include <QStringList>

#include <functional>

#include "platform/Forms.h"

class QCheckBox;
class QLabel;
class QPushButton;

namespace vrn {

class frmTip : public VrnForm {
    Q_OBJECT
public:
    frmTip();

    // Reads the tips file, one tip per line (UTF-8 when valid, else Latin-1);
    // false when there is no such file. A file that cannot be read as text
    // (larger than 1 MB, no text, unreadable) gives no tips and an empty tip
    // text, and counts as read.
    bool LoadTips(const QString& fileName);
    void DisplayCurrentTip();
    void NextTip();

    void cmdTipsZeigen_Click();
    void cmdNextTip_Click();
    void chkLoadTipsAtStartup_Click();
    void cmdOK_Click();

    QLabel* lblTipdesTages = nullptr;
    QLabel* lblTipText = nullptr;
    QPushButton* cmdNextTip = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdTipsZeigen = nullptr;
    QCheckBox* chkLoadTipsAtStartup = nullptr;

    QString TipsDateiName;
    QStringList tips;
    int CurrentTip = 0;

    // Random numbers in [0, 1); tests replace it.
    static std::function<double()> random;

protected:
    void Form_Load() override;
};

}  // namespace vrn
