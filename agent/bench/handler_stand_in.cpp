#include "agent/bench/handler_stand_in.h"

#include "sheetext/win32/extension_interfaces.h"
#include "tools/winsupport/build_files.h"

// Passes every call on to the handler and holds one reference to it while anyone holds the
// stand-in, or until the host lets go of it.
class HandlerStandIn : public IShellExtInit, public IShellPropSheetExt {
public:
    explicit HandlerStandIn(IShellPropSheetExt* handler) : handler_(handler) {}
    HandlerStandIn(const HandlerStandIn&) = delete;
    HandlerStandIn& operator=(const HandlerStandIn&) = delete;
    virtual ~HandlerStandIn() { LetGo(); }

    bool kept() const { return handler_ != nullptr; }
    void LetGo() {
        if (handler_) handler_->Release();
        handler_ = nullptr;
    }

    STDMETHODIMP QueryInterface(REFIID iid, void** object) override {
        return sheetext::QueryExtensionInterface(this, iid, object);
    }
    STDMETHODIMP_(ULONG) AddRef() override { return static_cast<ULONG>(++references_); }
    STDMETHODIMP_(ULONG) Release() override {
        const LONG left = --references_;
        if (left == 0) LetGo();
        return static_cast<ULONG>(left);
    }

    STDMETHODIMP Initialize(PCIDLIST_ABSOLUTE folder, IDataObject* data, HKEY key) override {
        IShellExtInit* init = nullptr;
        if (!handler_ || FAILED(handler_->QueryInterface(IID_IShellExtInit, reinterpret_cast<void**>(&init))))
            return E_FAIL;
        const HRESULT result = init->Initialize(folder, data, key);
        init->Release();
        return result;
    }
    STDMETHODIMP AddPages(LPFNSVADDPROPSHEETPAGE add, LPARAM parameter) override {
        return handler_ ? handler_->AddPages(add, parameter) : E_FAIL;
    }
    STDMETHODIMP ReplacePage(EXPPS page, LPFNSVADDPROPSHEETPAGE replace, LPARAM parameter) override {
        return handler_ ? handler_->ReplacePage(page, replace, parameter) : E_FAIL;
    }

private:
    LONG references_ = 1;
    IShellPropSheetExt* handler_;
};

HandlerStandIns::HandlerStandIns(const char* file, const CLSID& clsid) : clsid_(clsid) {
    server_ = LoadLibraryA(winsupport::BuildFile(file).c_str());
    get_class_object_ = reinterpret_cast<decltype(get_class_object_)>(
        reinterpret_cast<void*>(GetProcAddress(server_, "DllGetClassObject")));
    IClassFactory* factory = ServerFactory();
    if (!factory) return;
    factory->Release();
    if (FAILED(CoRegisterClassObject(clsid, this, CLSCTX_INPROC_SERVER, REGCLS_MULTIPLEUSE, &cookie_))) cookie_ = 0;
}

HandlerStandIns::~HandlerStandIns() {
    if (cookie_) CoRevokeClassObject(cookie_);
    stand_ins_.clear();
}

IClassFactory* HandlerStandIns::ServerFactory() const {
    IClassFactory* factory = nullptr;
    if (!get_class_object_ || FAILED(get_class_object_(clsid_, IID_IClassFactory, reinterpret_cast<void**>(&factory))))
        return nullptr;
    return factory;
}

int HandlerStandIns::LetGoOfKept() {
    int kept = 0;
    for (const std::unique_ptr<HandlerStandIn>& stand_in : stand_ins_) kept += stand_in->kept();
    // shell32 never calls a stand-in it kept again: the array it came from is gone.
    stand_ins_.clear();
    return kept;
}

bool HandlerStandIns::ServerIdle() const {
    auto idle = reinterpret_cast<HRESULT(STDAPICALLTYPE*)()>(
        reinterpret_cast<void*>(GetProcAddress(server_, "DllCanUnloadNow")));
    return idle && idle() == S_OK;
}

STDMETHODIMP HandlerStandIns::QueryInterface(REFIID iid, void** object) {
    if (object == nullptr) return E_POINTER;
    *object = nullptr;
    if (!IsEqualIID(iid, IID_IUnknown) && !IsEqualIID(iid, IID_IClassFactory)) return E_NOINTERFACE;
    *object = static_cast<IClassFactory*>(this);
    return S_OK;
}

STDMETHODIMP HandlerStandIns::CreateInstance(IUnknown* outer, REFIID iid, void** object) {
    if (object == nullptr) return E_POINTER;
    *object = nullptr;
    if (outer != nullptr) return CLASS_E_NOAGGREGATION;
    IClassFactory* factory = ServerFactory();
    if (!factory) return E_FAIL;
    IShellPropSheetExt* handler = nullptr;
    const HRESULT made = factory->CreateInstance(nullptr, IID_IShellPropSheetExt, reinterpret_cast<void**>(&handler));
    factory->Release();
    if (FAILED(made)) return made;
    stand_ins_.push_back(std::make_unique<HandlerStandIn>(handler));
    HandlerStandIn& stand_in = *stand_ins_.back();
    const HRESULT result = stand_in.QueryInterface(iid, object);
    stand_in.Release();
    return result;
}

STDMETHODIMP HandlerStandIns::LockServer(BOOL lock) {
    IClassFactory* factory = ServerFactory();
    if (!factory) return E_FAIL;
    const HRESULT result = factory->LockServer(lock);
    factory->Release();
    return result;
}
