// The status applet library's application object: one entry, "Skyrel", whose dialog is the
// status dialog.
#pragma once

#include "statusapplet/win32/control_panel_app.h"

namespace applet {

class CApp : public CControlPanelApp {
protected:
    void CreateApplets() override;
};

CApp& TheApp();

}  // namespace applet
