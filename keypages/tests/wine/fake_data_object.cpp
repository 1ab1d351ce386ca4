#include "keypages/tests/wine/fake_data_object.h"

#include <shlobj.h>

#include <cstring>

namespace kp_test {

FakeDataObject::FakeDataObject(Offer offer, std::vector<std::string> files) : offer_(offer), files_(std::move(files)) {}

STDMETHODIMP FakeDataObject::QueryInterface(REFIID iid, void** object) {
    if (!IsEqualIID(iid, IID_IUnknown) && !IsEqualIID(iid, IID_IDataObject)) {
        *object = nullptr;
        return E_NOINTERFACE;
    }
    *object = static_cast<IDataObject*>(this);
    AddRef();
    return S_OK;
}

STDMETHODIMP FakeDataObject::GetData(FORMATETC* format, STGMEDIUM* medium) {
    asked_.push_back(*format);
    if (offer_ == Offer::Nothing || format->cfFormat != CF_HDROP) return DV_E_FORMATETC;
    *medium = {};
    medium->pUnkForRelease = &owner_;
    if (offer_ == Offer::DropListAsStream) {
        medium->tymed = TYMED_ISTREAM;
        return S_OK;
    }
    // DROPFILES, then the names, each ended by a zero, and an empty name.
    std::string names;
    for (const std::string& file : files_) names += file + '\0';
    names += '\0';
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(DROPFILES) + names.size());
    auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
    drop->pFiles = sizeof(DROPFILES);
    std::memcpy(drop + 1, names.data(), names.size());
    GlobalUnlock(memory);
    medium->tymed = TYMED_HGLOBAL;
    medium->hGlobal = memory;
    handed_out_ = memory;
    return S_OK;
}

}  // namespace kp_test
