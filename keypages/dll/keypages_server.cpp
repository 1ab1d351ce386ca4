// keypages.dll as a settings server of the frame: the Keyboard applet's three pages.
#include "keypages/dll/display_page.h"
#include "keypages/dll/hot_keys_page.h"
#include "keypages/dll/keypages_clsid.h"
#include "keypages/dll/options_page.h"
#include "sheetext/win32/server.h"
#include "sheetext/win32/shell_extension.h"

namespace keypages {
namespace {

// The pages are built in page order with the object and destroyed with it, in reverse order.
class KeyboardExtension : public sheetext::CShellExtension {
protected:
    int PageCount() const override { return 3; }
    sheetext::CShellPropPage& Page(int index) override {
        switch (index) {
        case 0:
            return hot_keys_;
        case 1:
            return display_;
        default:
            return options_;
        }
    }

private:
    CPage1 hot_keys_{this};
    CPage2 display_{this};
    CPage3 options_{this};
};

sheetext::CShellExtension* CreateKeyboardExtension() {
    return new KeyboardExtension;
}

}  // namespace
}  // namespace keypages

namespace sheetext {

const ServerDefinition kServer = {keypages::kKeyPagesClsid, {"Keyboard", "Orvanta ZI Dodoveda"},
                                  keypages::CreateKeyboardExtension};

}  // namespace sheetext
