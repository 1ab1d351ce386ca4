// CShellExtension: the object the shell creates for each property sheet it opens. It hands
// the sheet its pages and lives on through them until the sheet closes.
#pragma once

#include <windows.h>
#include <commctrl.h>
#include <shlobj.h>

namespace sheetext {

class CShellPropPage;

class CShellExtension : public IShellExtInit, public IShellPropSheetExt {
public:
    CShellExtension(const CShellExtension&) = delete;
    CShellExtension& operator=(const CShellExtension&) = delete;

    // Extension objects live in the shell's task allocator; new gives null when it is out of
    // memory.
    static void* operator new(size_t size) noexcept;
    static void operator delete(void* object) noexcept;

    // IUnknown, one count for both interfaces.
    STDMETHODIMP QueryInterface(REFIID iid, void** object) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;

    // IShellExtInit
    STDMETHODIMP Initialize(PCIDLIST_ABSOLUTE folder, IDataObject* data, HKEY prog_id_key) override;

    // IShellPropSheetExt
    STDMETHODIMP AddPages(LPFNSVADDPROPSHEETPAGE add_page, LPARAM parameter) override;
    STDMETHODIMP ReplacePage(EXPPS page_id, LPFNSVADDPROPSHEETPAGE replace_with, LPARAM parameter) override;

protected:
    // The server's extension holds its pages as members, built in page order after this base.
    CShellExtension();
    virtual ~CShellExtension();

    virtual int PageCount() const = 0;
    virtual CShellPropPage& Page(int index) = 0;

private:
    void ReleaseInitialization();

    LONG references_ = 1;
    IDataObject* data_ = nullptr;
    HKEY prog_id_key_ = nullptr;
    PCIDLIST_ABSOLUTE folder_ = nullptr;  // borrowed from the shell, never freed
};

}  // namespace sheetext
