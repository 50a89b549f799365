#include "framework/win32/AccessibleText.h"

#include "framework/win32/SystemHeaders.h"
// After <windows.h>, whose types they use.
#include <commctrl.h>
#include <oleacc.h>

#include "platform/win32/WideString.h"

namespace framework::win32 {

namespace {

// The texts a control was given; empty where the system's own answer stands.
struct CAccessibleTexts {
    std::wstring name;
    std::wstring description;
};

constexpr UINT_PTR kSubclassId = 0xACC;
// Where a control keeps its texts, found again by the window.
constexpr const wchar_t* kTextsProperty = L"FrameworkAccessibleTexts";

// The system's accessible object of a control, answering with the control's own name
// and description where it has them, and passing every other question on.
class CNamedAccessible final : public IAccessible {
public:
    CNamedAccessible(IAccessible* pInner, const CAccessibleTexts& texts)
        : m_pInner(pInner), m_texts(texts) {}

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** ppv) override {
        if (iid == __uuidof(IUnknown) || iid == __uuidof(IDispatch) || iid == __uuidof(IAccessible)) {
            *ppv = static_cast<IAccessible*>(this);
            AddRef();
            return S_OK;
        }
        return m_pInner->QueryInterface(iid, ppv);
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++m_nReferences; }
    ULONG STDMETHODCALLTYPE Release() override {
        const ULONG count = --m_nReferences;
        if (count == 0) {
            m_pInner->Release();
            delete this;
        }
        return count;
    }

    // IDispatch
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* pCount) override {
        return m_pInner->GetTypeInfoCount(pCount);
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID lcid, ITypeInfo** ppInfo) override {
        return m_pInner->GetTypeInfo(index, lcid, ppInfo);
    }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID lcid,
                                            DISPID* ids) override {
        return m_pInner->GetIDsOfNames(iid, names, count, lcid, ids);
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID iid, LCID lcid, WORD flags,
                                     DISPPARAMS* params, VARIANT* result, EXCEPINFO* exception,
                                     UINT* argument) override {
        return m_pInner->Invoke(id, iid, lcid, flags, params, result, exception, argument);
    }

    // IAccessible: the name and description of the control itself are its own.
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* pName) override {
        return Own(child, m_texts.name, pName) ? S_OK : m_pInner->get_accName(child, pName);
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* pText) override {
        return Own(child, m_texts.description, pText) ? S_OK
                                                      : m_pInner->get_accDescription(child, pText);
    }
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** ppParent) override {
        return m_pInner->get_accParent(ppParent);
    }
    HRESULT STDMETHODCALLTYPE get_accChildCount(long* pCount) override {
        return m_pInner->get_accChildCount(pCount);
    }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** ppChild) override {
        return m_pInner->get_accChild(child, ppChild);
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* pValue) override {
        return m_pInner->get_accValue(child, pValue);
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* pRole) override {
        return m_pInner->get_accRole(child, pRole);
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* pState) override {
        return m_pInner->get_accState(child, pState);
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* pHelp) override {
        return m_pInner->get_accHelp(child, pHelp);
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* pFile, VARIANT child, long* pTopic) override {
        return m_pInner->get_accHelpTopic(pFile, child, pTopic);
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* pKeys) override {
        return m_pInner->get_accKeyboardShortcut(child, pKeys);
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* pChild) override {
        return m_pInner->get_accFocus(pChild);
    }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* pChildren) override {
        return m_pInner->get_accSelection(pChildren);
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* pAction) override {
        return m_pInner->get_accDefaultAction(child, pAction);
    }
    HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT child) override {
        return m_pInner->accSelect(flags, child);
    }
    HRESULT STDMETHODCALLTYPE accLocation(long* pLeft, long* pTop, long* pWidth, long* pHeight,
                                          VARIANT child) override {
        return m_pInner->accLocation(pLeft, pTop, pWidth, pHeight, child);
    }
    HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT* pEnd) override {
        return m_pInner->accNavigate(direction, start, pEnd);
    }
    HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT* pChild) override {
        return m_pInner->accHitTest(x, y, pChild);
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
        return m_pInner->accDoDefaultAction(child);
    }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override {
        return m_pInner->put_accName(child, name);
    }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override {
        return m_pInner->put_accValue(child, value);
    }

private:
    // Answers with `text` when the question is about the control itself and it has one.
    static bool Own(const VARIANT& child, const std::wstring& text, BSTR* pAnswer) {
        if (text.empty() || child.vt != VT_I4 || child.lVal != CHILDID_SELF) {
            return false;
        }
        *pAnswer = ::SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
        return true;
    }

    IAccessible* m_pInner;
    CAccessibleTexts m_texts;
    ULONG m_nReferences = 1;
};

LRESULT CALLBACK AccessibleProcedure(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam,
                                     UINT_PTR, DWORD_PTR data) {
    auto* pTexts = reinterpret_cast<CAccessibleTexts*>(data);
    if (message == WM_GETOBJECT && static_cast<LONG>(lParam) == OBJID_CLIENT) {
        IAccessible* pInner = nullptr;
        if (SUCCEEDED(::CreateStdAccessibleObject(hWnd, OBJID_CLIENT, __uuidof(IAccessible),
                                                  reinterpret_cast<void**>(&pInner)))) {
            auto* pNamed = new CNamedAccessible(pInner, *pTexts);
            const LRESULT result = ::LresultFromObject(__uuidof(IAccessible), wParam, pNamed);
            pNamed->Release();
            return result;
        }
    } else if (message == WM_NCDESTROY) {
        ::RemoveWindowSubclass(hWnd, AccessibleProcedure, kSubclassId);
        ::RemovePropW(hWnd, kTextsProperty);
        delete pTexts;
    }
    return ::DefSubclassProc(hWnd, message, wParam, lParam);
}

}  // namespace

void SetAccessibleText(void* hWnd, AccessibleProperty property, const std::string& text) {
    const HWND hControl = static_cast<HWND>(hWnd);
    auto* pTexts = static_cast<CAccessibleTexts*>(::GetPropW(hControl, kTextsProperty));
    if (pTexts == nullptr) {
        pTexts = new CAccessibleTexts;
        ::SetPropW(hControl, kTextsProperty, pTexts);
        ::SetWindowSubclass(hControl, AccessibleProcedure, kSubclassId,
                            reinterpret_cast<DWORD_PTR>(pTexts));
    }
    (property == AccessibleProperty::Name ? pTexts->name : pTexts->description) =
        platform::win32::Wide(text);
}

}  // namespace framework::win32
