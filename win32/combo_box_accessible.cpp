#include "win32/combo_box_accessible.h"

#include "win32/subclass.h"

#include <oleacc.h>

#include <string>

namespace win32 {
namespace {

// The system's accessible object of a control, but for its name.
class NamedAccessible final : public IAccessible {
 public:
  NamedAccessible(IAccessible* system, std::u16string_view name)
      : system_(system), name_(name.begin(), name.end()) {}

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override {
    if (id == __uuidof(IUnknown) || id == __uuidof(IDispatch) || id == __uuidof(IAccessible)) {
      *object = static_cast<IAccessible*>(this);
      AddRef();
      return S_OK;
    }
    return system_->QueryInterface(id, object);
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return InterlockedIncrement(&references_); }
  ULONG STDMETHODCALLTYPE Release() override {
    const ULONG left = InterlockedDecrement(&references_);
    if (left == 0) {
      system_->Release();
      delete this;
    }
    return left;
  }

  HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
    if (child.vt != VT_I4 || child.lVal != CHILDID_SELF) return system_->get_accName(child, name);
    *name = SysAllocStringLen(name_.data(), static_cast<UINT>(name_.size()));
    return *name != nullptr ? S_OK : E_OUTOFMEMORY;
  }

  // The rest is the system's.
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
    return system_->GetTypeInfoCount(count);
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT i, LCID l, ITypeInfo** t) override {
    return system_->GetTypeInfo(i, l, t);
  }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID r, LPOLESTR* n, UINT c, LCID l,
                                          DISPID* d) override {
    return system_->GetIDsOfNames(r, n, c, l, d);
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID d, REFIID r, LCID l, WORD f, DISPPARAMS* p, VARIANT* v,
                                   EXCEPINFO* e, UINT* a) override {
    return system_->Invoke(d, r, l, f, p, v, e, a);
  }
  HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** p) override {
    return system_->get_accParent(p);
  }
  HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* c) override {
    return system_->get_accChildCount(c);
  }
  HRESULT STDMETHODCALLTYPE get_accChild(VARIANT c, IDispatch** d) override {
    return system_->get_accChild(c, d);
  }
  HRESULT STDMETHODCALLTYPE get_accValue(VARIANT c, BSTR* v) override {
    return system_->get_accValue(c, v);
  }
  HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT c, BSTR* d) override {
    return system_->get_accDescription(c, d);
  }
  HRESULT STDMETHODCALLTYPE get_accRole(VARIANT c, VARIANT* r) override {
    return system_->get_accRole(c, r);
  }
  HRESULT STDMETHODCALLTYPE get_accState(VARIANT c, VARIANT* s) override {
    return system_->get_accState(c, s);
  }
  HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT c, BSTR* h) override {
    return system_->get_accHelp(c, h);
  }
  HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* f, VARIANT c, LONG* t) override {
    return system_->get_accHelpTopic(f, c, t);
  }
  HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT c, BSTR* k) override {
    return system_->get_accKeyboardShortcut(c, k);
  }
  HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* f) override { return system_->get_accFocus(f); }
  HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* s) override {
    return system_->get_accSelection(s);
  }
  HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT c, BSTR* a) override {
    return system_->get_accDefaultAction(c, a);
  }
  HRESULT STDMETHODCALLTYPE accSelect(LONG f, VARIANT c) override {
    return system_->accSelect(f, c);
  }
  HRESULT STDMETHODCALLTYPE accLocation(LONG* x, LONG* y, LONG* w, LONG* h, VARIANT c) override {
    return system_->accLocation(x, y, w, h, c);
  }
  HRESULT STDMETHODCALLTYPE accNavigate(LONG d, VARIANT s, VARIANT* e) override {
    return system_->accNavigate(d, s, e);
  }
  HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* c) override {
    return system_->accHitTest(x, y, c);
  }
  HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT c) override {
    return system_->accDoDefaultAction(c);
  }
  HRESULT STDMETHODCALLTYPE put_accName(VARIANT c, BSTR n) override {
    return system_->put_accName(c, n);
  }
  HRESULT STDMETHODCALLTYPE put_accValue(VARIANT c, BSTR v) override {
    return system_->put_accValue(c, v);
  }

 private:
  ~NamedAccessible() = default;

  IAccessible* system_;
  std::wstring name_;
  LONG references_ = 1;
};

// Answers a screen reader's question for the control's accessible object.
std::optional<LRESULT> answerWithName(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                      std::u16string_view name) {
  if (message != WM_GETOBJECT || static_cast<LONG>(lParam) != OBJID_CLIENT) return std::nullopt;
  IAccessible* system = nullptr;
  // MinGW's IID_IAccessible links to an import thunk, not to the interface's ID.
  if (FAILED(CreateStdAccessibleObject(hwnd, OBJID_CLIENT, __uuidof(IAccessible),
                                       reinterpret_cast<void**>(&system)))) {
    return std::nullopt;
  }
  auto* named = new NamedAccessible(system, name);  // it deletes itself at its last Release
  const LRESULT result = LresultFromObject(__uuidof(IAccessible), wParam, named);
  named->Release();
  return result;
}

}  // namespace

void nameByCaption(const ComboBox& combo, std::u16string_view caption) {
  for (HWND part : {combo.hwnd(), combo.editPart()}) {
    subclass(part, [name = std::u16string(caption)](HWND hwnd, UINT message, WPARAM wParam,
                                                     LPARAM lParam) {
      return answerWithName(hwnd, message, wParam, lParam, name);
    });
  }
}

}  // namespace win32
