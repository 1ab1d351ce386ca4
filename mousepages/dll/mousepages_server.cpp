// mousepages.dll as a settings server of the frame: the Mouse applet's two wheel pages.
#include "mousepages/dll/mousepages_clsid.h"
#include "mousepages/dll/wheel_button_page.h"
#include "mousepages/dll/wheel_page.h"
#include "sheetext/win32/server.h"
#include "sheetext/win32/shell_extension.h"

namespace mousepages {
namespace {

// The pages are built in page order with the object and destroyed with it, in reverse order.
class MouseExtension : public sheetext::CShellExtension {
protected:
    int PageCount() const override { return 2; }
    sheetext::CShellPropPage& Page(int index) override {
        if (index == 0) return wheel_;
        return wheel_button_;
    }

private:
    CPage1 wheel_{this};
    CPage2 wheel_button_{this};
};

sheetext::CShellExtension* CreateMouseExtension() {
    return new MouseExtension;
}

}  // namespace
}  // namespace mousepages

namespace sheetext {

const ServerDefinition kServer = {mousepages::kMousePagesClsid, {"Mouse", "Orvanta RI Zovud"},
                                  mousepages::CreateMouseExtension};

}  // namespace sheetext
