// setup_shell_pages.exe "<applet key>": the pages shell32 finds for a control panel applet, as
// the control panel's own process would: the handlers registered below the applet's key under
// HKEY_LOCAL_MACHINE, created through COM and asked for their pages. The exit code is the number
// of pages. In a process of its own, so that the settings servers it loads (which Wine's shell32
// keeps) are not held by the test when the uninstaller comes to remove them.
#include <windows.h>

#include <string>

#include "tools/fixtures/sheets/page_collector.h"
#include "tools/fixtures/sheets/shell_handlers.h"

int main(int argc, char** argv) {
    if (argc != 2) return -1;
    const std::string key = argv[1];
    if (FAILED(CoInitialize(nullptr))) return -1;
    sheet_test::PageCollector collector;
    {
        sheet_test::ShellHandlers handlers(std::wstring(key.begin(), key.end()).c_str());
        handlers.AddPages(collector);
    }
    for (HPROPSHEETPAGE page : collector.pages) DestroyPropertySheetPage(page);
    CoUninitialize();
    return static_cast<int>(collector.pages.size());
}
