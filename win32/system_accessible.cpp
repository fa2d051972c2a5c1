#include "win32/system_accessible.h"

#include "win32/native_text.h"
#include "win32/subclass.h"

#include <oleacc.h>

#include <utility>

namespace win32 {
namespace {

bool isSelf(const VARIANT& child) { return child.vt == VT_I4 && child.lVal == CHILDID_SELF; }

// The system's accessible object of a control, but for its changes.
class ChangedAccessible final : public IAccessible {
 public:
  ChangedAccessible(IAccessible* system, const AccessibleChanges& changes)
      : system_(system), changes_(changes) {}

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
    if (!isSelf(child) || !changes_.name) return system_->get_accName(child, name);
    const std::wstring told = wide(*changes_.name);
    *name = SysAllocStringLen(told.data(), static_cast<UINT>(told.size()));
    return *name != nullptr ? S_OK : E_OUTOFMEMORY;
  }
  HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
    if (!isSelf(child) || !changes_.role) return system_->get_accRole(child, role);
    role->vt = VT_I4;
    role->lVal = *changes_.role;
    return S_OK;
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
  ~ChangedAccessible() = default;

  IAccessible* system_;
  AccessibleChanges changes_;
  LONG references_ = 1;
};

// Answers a screen reader's question for the control's accessible object.
std::optional<LRESULT> answerWithChanges(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                         const AccessibleChanges& changes) {
  if (message != WM_GETOBJECT || static_cast<LONG>(lParam) != OBJID_CLIENT) return std::nullopt;
  IAccessible* system = nullptr;
  // MinGW's IID_IAccessible links to an import thunk, not to the interface's ID.
  if (FAILED(CreateStdAccessibleObject(hwnd, OBJID_CLIENT, __uuidof(IAccessible),
                                       reinterpret_cast<void**>(&system)))) {
    return std::nullopt;
  }
  auto* changed = new ChangedAccessible(system, changes);  // deleted at its last Release
  const LRESULT result = LresultFromObject(__uuidof(IAccessible), wParam, changed);
  changed->Release();
  return result;
}

}  // namespace

void changeAccessible(HWND control, AccessibleChanges changes) {
  subclass(control, [changes = std::move(changes)](HWND hwnd, UINT message, WPARAM wParam,
                                                   LPARAM lParam) {
    return answerWithChanges(hwnd, message, wParam, lParam, changes);
  });
}

}  // namespace win32
