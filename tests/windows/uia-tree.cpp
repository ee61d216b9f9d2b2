// SPDX-FileCopyrightText: 2026 The Towers project
// SPDX-License-Identifier: GPL-3.0-or-later
//
// What a Windows screen reader reads of a window through UI Automation, as
// Narrator or NVDA start: the element of the window's handle, then each
// element's children (FindAll), down the tree. Printed one element a line,
// indented by depth, as the AT-SPI check prints its tree:
//   role | name | description | value | showing[ checked][ disabled]
//
//   uia-tree TITLE                the tree of the window with that title
//   uia-tree TITLE --can          what this UI Automation can read of the
//                                 window, a line each: "WHAT: yes" or
//                                 "WHAT: no (CALL returns HRESULT)"
//   uia-tree TITLE --events SECONDS
//                                 every event a screen reader could subscribe
//                                 to there, for that long, a line each:
//                                 event | role | name | what | new value
//   uia-tree TITLE --walks SECONDS
//                                 the tree read over and over for that long,
//                                 printing nothing, while the window may be
//                                 busy or closing: it says how many walks
//                                 there were and how many ended whole
// Exit status 0, or 1 with the reason on the standard error.

#include "uiautomation-client.h"

#include <fcntl.h>
#include <io.h>
#include <shellapi.h>

#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

using namespace uia;

namespace {

IUIAutomation *automation;
IUIAutomationCondition *everything;

std::string utf8(const std::wstring &text)
{
    std::string out(WideCharToMultiByte(CP_UTF8, 0, text.data(), int(text.size()), nullptr, 0, nullptr, nullptr), 0);
    WideCharToMultiByte(CP_UTF8, 0, text.data(), int(text.size()), out.data(), int(out.size()), nullptr, nullptr);
    return out;
}

void print(const std::wstring &line)
{
    const std::string bytes = utf8(line + L"\n");
    std::fwrite(bytes.data(), 1, bytes.size(), stdout);
    std::fflush(stdout);
}

// A text as one line: the instructions run over many, and only their start
// tells which text they are.
std::wstring oneLine(const std::wstring &text)
{
    std::wstring line;
    for (wchar_t c : text) {
        const wchar_t put = c == L'\r' || c == L'\n' || c == L'\t' ? L' ' : c;
        if (put != L' ' || (!line.empty() && line.back() != L' '))
            line += put;
    }
    while (!line.empty() && line.back() == L' ')
        line.pop_back();
    return line.size() > 40 ? line.substr(0, 40) + L"…" : line;
}

std::wstring text(const VARIANT &value)
{
    return value.vt == VT_BSTR && value.bstrVal ? oneLine(value.bstrVal) : std::wstring();
}

// Through the Ex call, as Wine 10's GetCurrentPropertyValue is a stub; with
// the property's default where the provider gives none, as the plain call does.
VARIANT property(IUIAutomationElement *element, PROPERTYID id)
{
    VARIANT value;
    VariantInit(&value);
    if (FAILED(element->GetCurrentPropertyValueEx(id, FALSE, &value)))
        VariantInit(&value);
    return value;
}

std::wstring textProperty(IUIAutomationElement *element, PROPERTYID id)
{
    VARIANT value = property(element, id);
    std::wstring result = text(value);
    VariantClear(&value);
    return result;
}

bool flag(IUIAutomationElement *element, PROPERTYID id, bool otherwise)
{
    VARIANT value = property(element, id);
    const bool result = value.vt == VT_BOOL ? value.boolVal != VARIANT_FALSE : otherwise;
    VariantClear(&value);
    return result;
}

// The role in AT-SPI's words, so that one expectation serves both.
std::wstring role(IUIAutomationElement *element)
{
    VARIANT value = property(element, ControlTypeProperty);
    const int type = value.vt == VT_I4 ? value.lVal : 0;
    switch (type) {
    case Button: return L"push button";
    case CheckBox: return L"check box";
    case Edit: return L"text";
    case Image: return L"image";
    case RadioButton: return L"radio button";
    case Text: return L"label";
    case Group: return L"panel";
    case Pane: return L"panel";
    case Document: return L"document";
    case Window: return L"frame";
    case TitleBar: return L"title bar";
    default: return L"control " + std::to_wstring(type);
    }
}

std::wstring describe(IUIAutomationElement *element)
{
    std::wstring states = flag(element, IsOffscreenProperty, false) ? L"hidden" : L"showing";
    if (flag(element, IsSelectedProperty, false))
        states += L" checked";
    if (!flag(element, IsEnabledProperty, true))
        states += L" disabled";
    return role(element) + L" | " + textProperty(element, NameProperty) + L" | "
        + textProperty(element, FullDescriptionProperty) + L" | " + textProperty(element, ValueProperty) + L" | "
        + states;
}

// Walks the tree below an element; false where it broke off (the window went).
bool walk(IUIAutomationElement *element, int depth, bool printing)
{
    if (printing)
        print(std::wstring(2 * depth, L' ') + describe(element));
    if (depth > 20)
        return true;
    IUIAutomationElementArray *children = nullptr;
    if (FAILED(element->FindAll(TreeScope_Children, everything, &children)))
        return false;
    if (!children) // none found
        return true;
    int count = 0;
    bool whole = SUCCEEDED(children->get_Length(&count));
    for (int i = 0; whole && i < count; ++i) {
        IUIAutomationElement *child = nullptr;
        whole = SUCCEEDED(children->GetElement(i, &child)) && child && walk(child, depth + 1, printing);
        if (child)
            child->Release();
    }
    children->Release();
    return whole;
}

// Reports each event as it arrives, on UI Automation's own thread.
class Listener : public IUIAutomationEventHandler, public IUIAutomationPropertyChangedEventHandler
{
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void **object) override
    {
        if (iid == IID_IUnknown || iid == IID_IUIAutomationEventHandler)
            *object = static_cast<IUIAutomationEventHandler *>(this);
        else if (iid == IID_IUIAutomationPropertyChangedEventHandler)
            *object = static_cast<IUIAutomationPropertyChangedEventHandler *>(this);
        else
            return *object = nullptr, E_NOINTERFACE;
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return InterlockedIncrement(&references); }
    ULONG STDMETHODCALLTYPE Release() override { return InterlockedDecrement(&references); }

    HRESULT STDMETHODCALLTYPE HandleAutomationEvent(IUIAutomationElement *sender, EVENTID id) override
    {
        report(sender, L"event " + std::to_wstring(id), L"");
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE HandlePropertyChangedEvent(IUIAutomationElement *sender, PROPERTYID id,
                                                         VARIANT value) override
    {
        std::wstring said = text(value);
        if (value.vt == VT_BOOL)
            said = value.boolVal != VARIANT_FALSE ? L"true" : L"false";
        report(sender, L"property " + std::to_wstring(id), said);
        return S_OK;
    }

private:
    void report(IUIAutomationElement *sender, const std::wstring &what, const std::wstring &value)
    {
        print(L"event | " + (sender ? role(sender) + L" | " + textProperty(sender, NameProperty) : L" | ") + L" | "
              + what + L" | " + value);
    }
    LONG references = 1;
};

PROPERTYID announced[] = {FullDescriptionProperty, NameProperty, ValueProperty, IsSelectedProperty,
                          ToggleStateProperty};

// Subscribes to what changes after a move; says on the standard error what
// this UI Automation refused, then "listening".
int listen(IUIAutomationElement *window, int seconds)
{
    static Listener listener;
    HRESULT result = automation->AddPropertyChangedEventHandlerNativeArray(
        window, TreeScope_Subtree, nullptr, &listener, announced, int(std::size(announced)));
    if (FAILED(result))
        std::fprintf(stderr, "no property events: 0x%08lx\n", result);
    for (Event event : {StructureChangedEvent, ElementSelectedEvent, TextChangedEvent, LiveRegionChangedEvent}) {
        result = automation->AddAutomationEventHandler(event, window, TreeScope_Subtree, nullptr, &listener);
        if (FAILED(result))
            std::fprintf(stderr, "no events %d: 0x%08lx\n", int(event), result);
    }
    std::fprintf(stderr, "listening\n");
    Sleep(DWORD(seconds) * 1000);
    automation->RemoveAllEventHandlers();
    return 0;
}

// The elements below the window, in tree order.
std::vector<IUIAutomationElement *> below(IUIAutomationElement *element)
{
    std::vector<IUIAutomationElement *> found;
    IUIAutomationElementArray *all = nullptr;
    if (SUCCEEDED(element->FindAll(TreeScope_Descendants, everything, &all)) && all) {
        int count = 0;
        all->get_Length(&count);
        for (int i = 0; i < count; ++i) {
            IUIAutomationElement *child = nullptr;
            if (SUCCEEDED(all->GetElement(i, &child)) && child)
                found.push_back(child);
        }
        all->Release();
    }
    return found;
}

void say(const char *what, const char *call, HRESULT result)
{
    if (SUCCEEDED(result))
        std::printf("%s: yes\n", what);
    else
        std::printf("%s: no (%s returns 0x%08lx)\n", what, call, result);
}

// The smallest probe of what a screen reader needs beyond names and
// descriptions: an edit's value, a radio button's state, and events.
int can(IUIAutomationElement *window)
{
    HRESULT value = E_FAIL, selection = E_FAIL;
    for (IUIAutomationElement *element : below(window)) {
        VARIANT type = property(element, ControlTypeProperty), read;
        VariantInit(&read);
        if (type.vt == VT_I4 && type.lVal == Edit && value == E_FAIL)
            value = element->GetCurrentPropertyValueEx(ValueProperty, FALSE, &read);
        if (type.vt == VT_I4 && type.lVal == RadioButton && selection == E_FAIL)
            selection = element->GetCurrentPropertyValueEx(IsSelectedProperty, FALSE, &read);
        VariantClear(&read);
        element->Release();
    }
    say("value", "GetCurrentPropertyValueEx(UIA_ValueValuePropertyId)", value);
    say("selection", "GetCurrentPropertyValueEx(UIA_SelectionItemIsSelectedPropertyId)", selection);
    static Listener listener;
    say("property events", "AddPropertyChangedEventHandlerNativeArray",
        automation->AddPropertyChangedEventHandlerNativeArray(window, TreeScope_Subtree, nullptr, &listener,
                                                              announced, int(std::size(announced))));
    say("automation events", "AddAutomationEventHandler",
        automation->AddAutomationEventHandler(StructureChangedEvent, window, TreeScope_Subtree, nullptr,
                                              &listener));
    automation->RemoveAllEventHandlers();
    return 0;
}

} // namespace

int main()
{
    int argc = 0;
    wchar_t **argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    if (argc < 2 || argc > 4) {
        std::fprintf(stderr, "usage: uia-tree TITLE [--can | --events SECONDS | --walks SECONDS]\n");
        return 2;
    }
    _setmode(_fileno(stdout), _O_BINARY); // lines end in \n, as the AT-SPI tree's do
    // Events arrive on a thread of UI Automation's, not in a message loop of ours.
    CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    if (FAILED(CoCreateInstance(CLSID_CUIAutomation, nullptr, CLSCTX_INPROC_SERVER, IID_IUIAutomation,
                                reinterpret_cast<void **>(&automation)))) {
        std::fprintf(stderr, "no UI Automation client here (CUIAutomation is not registered)\n");
        return 1;
    }
    automation->CreateTrueCondition(&everything);

    HWND handle = nullptr;
    for (int tries = 0; !handle && tries < 100; ++tries) {
        handle = FindWindowW(nullptr, argv[1]);
        if (!handle)
            Sleep(100);
    }
    IUIAutomationElement *window = nullptr;
    if (!handle || FAILED(automation->ElementFromHandle(handle, &window)) || !window) {
        std::fprintf(stderr, "no window with that title\n");
        return 1;
    }

    if (argc == 2)
        return walk(window, 0, true) ? 0 : 1;
    if (argc == 3 && std::wcscmp(argv[2], L"--can") == 0)
        return can(window);
    if (argc == 3)
        return 2;
    const int seconds = _wtoi(argv[3]);
    if (std::wcscmp(argv[2], L"--events") == 0)
        return listen(window, seconds);
    int walks = 0, whole = 0;
    for (const ULONGLONG end = GetTickCount64() + 1000ull * seconds; GetTickCount64() < end; ++walks)
        whole += walk(window, 0, false);
    std::printf("%d walks, %d whole\n", walks, whole);
    return 0;
}
