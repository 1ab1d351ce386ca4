#include "statusapplet/win32/app.h"

#include <type_traits>

#include "statusapplet/logic/applet_resources.h"
#include "statusapplet/win32/skyrel_status.h"

namespace applet {
namespace {

CApp g_app;
// Nothing is torn down when the library is unloaded: CPL_EXIT has let the entries go.
static_assert(std::is_trivially_destructible<CApp>::value, "no destructor runs at unload");

}  // namespace

CApp& TheApp() {
    return g_app;
}

void CApp::CreateApplets() {
    AddApplet(CControlPanelApplet(KB_IDI_APPLET, KB_IDS_APPLET_NAME, KB_IDS_APPLET_INFO, &CSkyrelStatus::Run));
}

}  // namespace applet
