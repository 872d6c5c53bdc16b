// An empty child window captioned "Hauptfenster" with zero size. Giving it
// the focus brings the main window forward.
#pragma once

#include "platform/Forms.h"

namespace vrn {

class frmPhantom : public VrnForm {
    Q_OBJECT
public:
    frmPhantom();
    void SetFocus() override;

protected:
    void Form_Load() override;
};

}  // namespace vrn
