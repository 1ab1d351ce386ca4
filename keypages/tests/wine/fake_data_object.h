// A data object as the shell passes one to IShellExtInit::Initialize: it offers a drop list
// (CF_HDROP in global memory), or the drop list in another medium, or nothing, and counts its
// references and the releases of the media it hands out.
#pragma once

#include <windows.h>
#include <objidl.h>

#include <string>
#include <vector>

namespace kp_test {

class FakeDataObject : public IDataObject {
public:
    enum class Offer { DropList, DropListAsStream, Nothing };

    explicit FakeDataObject(Offer offer, std::vector<std::string> files = {"C:\\windows\\notepad.exe"});

    // References taken by others than the test, which holds the first.
    LONG references() const { return references_; }
    int media_released() const { return media_released_; }
    const std::vector<FORMATETC>& asked() const { return asked_; }

    STDMETHODIMP QueryInterface(REFIID iid, void** object) override;
    STDMETHODIMP_(ULONG) AddRef() override { return ++references_; }
    STDMETHODIMP_(ULONG) Release() override { return --references_; }
    STDMETHODIMP GetData(FORMATETC* format, STGMEDIUM* medium) override;
    STDMETHODIMP GetDataHere(FORMATETC*, STGMEDIUM*) override { return E_NOTIMPL; }
    STDMETHODIMP QueryGetData(FORMATETC*) override { return E_NOTIMPL; }
    STDMETHODIMP GetCanonicalFormatEtc(FORMATETC*, FORMATETC*) override { return E_NOTIMPL; }
    STDMETHODIMP SetData(FORMATETC*, STGMEDIUM*, BOOL) override { return E_NOTIMPL; }
    STDMETHODIMP EnumFormatEtc(DWORD, IEnumFORMATETC**) override { return E_NOTIMPL; }
    STDMETHODIMP DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override { return E_NOTIMPL; }
    STDMETHODIMP DUnadvise(DWORD) override { return E_NOTIMPL; }
    STDMETHODIMP EnumDAdvise(IEnumSTATDATA**) override { return E_NOTIMPL; }

private:
    // Handed out with every medium, so that ReleaseStgMedium reports back here.
    class MediumOwner : public IUnknown {
    public:
        explicit MediumOwner(FakeDataObject& data) : data_(data) {}
        STDMETHODIMP QueryInterface(REFIID, void**) override { return E_NOINTERFACE; }
        STDMETHODIMP_(ULONG) AddRef() override { return 2; }
        STDMETHODIMP_(ULONG) Release() override {
            ++data_.media_released_;
            if (data_.handed_out_ != nullptr) GlobalFree(data_.handed_out_);
            data_.handed_out_ = nullptr;
            return 1;
        }

    private:
        FakeDataObject& data_;
    };

    Offer offer_;
    std::vector<std::string> files_;
    LONG references_ = 1;
    int media_released_ = 0;
    HGLOBAL handed_out_ = nullptr;  // the drop list's memory until its medium is released
    std::vector<FORMATETC> asked_;
    MediumOwner owner_{*this};
};

}  // namespace kp_test
