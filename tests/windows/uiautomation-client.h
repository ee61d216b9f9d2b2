// SPDX-FileCopyrightText: 2026 The Towers project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The few UI Automation client interfaces a screen reader's first steps take,
// which Debian 12's mingw-w64 headers leave out: each declared up to the last
// method our client calls, in the order of the interface's definition, with
// the methods before it that we never call as placeholders that only hold
// their place in the table.

#include <windows.h>
#include <oleauto.h>
#include <uiautomationcore.h>

namespace uia {

constexpr GUID CLSID_CUIAutomation = {0xff48dba4, 0x60ef, 0x4201, {0xaa, 0x87, 0x54, 0x10, 0x3e, 0xef, 0x59, 0x4e}};
constexpr GUID IID_IUIAutomation = {0x30cbe57d, 0xd9d0, 0x452a, {0xab, 0x13, 0x7a, 0xc5, 0xac, 0x48, 0x25, 0xee}};
constexpr GUID IID_IUIAutomationPropertyChangedEventHandler = {
    0x40cd37d4, 0xc756, 0x4b0c, {0x8c, 0x6f, 0xbd, 0xdf, 0xee, 0xb1, 0x3b, 0x50}};
constexpr GUID IID_IUIAutomationEventHandler = {
    0x146c3c17, 0xf12e, 0x4e22, {0x8c, 0x27, 0xf8, 0x94, 0xb9, 0xb7, 0x9c, 0x69}};

enum TreeScope { TreeScope_Element = 1, TreeScope_Children = 2, TreeScope_Descendants = 4, TreeScope_Subtree = 7 };

enum ControlType : CONTROLTYPEID {
    Button = 50000, CheckBox = 50002, Edit = 50004, Image = 50006, RadioButton = 50013, Text = 50020,
    Group = 50026, Document = 50030, Window = 50032, Pane = 50033, TitleBar = 50037,
};
enum Property : PROPERTYID {
    ControlTypeProperty = 30003, NameProperty = 30005, IsEnabledProperty = 30010, HelpTextProperty = 30013,
    IsOffscreenProperty = 30022, ValueProperty = 30045, IsSelectedProperty = 30079, ToggleStateProperty = 30086,
    FullDescriptionProperty = 30159,
};
enum Event : EVENTID {
    StructureChangedEvent = 20002, ElementSelectedEvent = 20012, TextChangedEvent = 20015,
    LiveRegionChangedEvent = 20024,
};

struct IUIAutomationCondition : IUnknown {};
struct IUIAutomationElementArray;

struct IUIAutomationElement : IUnknown {
    virtual HRESULT STDMETHODCALLTYPE SetFocus() = 0;
    virtual HRESULT STDMETHODCALLTYPE GetRuntimeId(SAFEARRAY **) = 0;
    virtual HRESULT STDMETHODCALLTYPE FindFirst(TreeScope, IUIAutomationCondition *, IUIAutomationElement **) = 0;
    virtual HRESULT STDMETHODCALLTYPE FindAll(TreeScope, IUIAutomationCondition *, IUIAutomationElementArray **) = 0;
    virtual HRESULT STDMETHODCALLTYPE FindFirstBuildCache() = 0;
    virtual HRESULT STDMETHODCALLTYPE FindAllBuildCache() = 0;
    virtual HRESULT STDMETHODCALLTYPE BuildUpdatedCache() = 0;
    virtual HRESULT STDMETHODCALLTYPE GetCurrentPropertyValue(PROPERTYID, VARIANT *) = 0;
    virtual HRESULT STDMETHODCALLTYPE GetCurrentPropertyValueEx(PROPERTYID, BOOL ignoreDefaultValue, VARIANT *) = 0;
};

struct IUIAutomationElementArray : IUnknown {
    virtual HRESULT STDMETHODCALLTYPE get_Length(int *) = 0;
    virtual HRESULT STDMETHODCALLTYPE GetElement(int, IUIAutomationElement **) = 0;
};

struct IUIAutomationEventHandler : IUnknown {
    virtual HRESULT STDMETHODCALLTYPE HandleAutomationEvent(IUIAutomationElement *sender, EVENTID) = 0;
};

struct IUIAutomationPropertyChangedEventHandler : IUnknown {
    virtual HRESULT STDMETHODCALLTYPE HandlePropertyChangedEvent(IUIAutomationElement *sender, PROPERTYID,
                                                                 VARIANT newValue) = 0;
};

struct IUIAutomation : IUnknown {
    virtual HRESULT STDMETHODCALLTYPE CompareElements() = 0;
    virtual HRESULT STDMETHODCALLTYPE CompareRuntimeIds() = 0;
    virtual HRESULT STDMETHODCALLTYPE GetRootElement(IUIAutomationElement **) = 0;
    virtual HRESULT STDMETHODCALLTYPE ElementFromHandle(HWND, IUIAutomationElement **) = 0;
    virtual HRESULT STDMETHODCALLTYPE ElementFromPoint() = 0;
    virtual HRESULT STDMETHODCALLTYPE GetFocusedElement() = 0;
    virtual HRESULT STDMETHODCALLTYPE GetRootElementBuildCache() = 0;
    virtual HRESULT STDMETHODCALLTYPE ElementFromHandleBuildCache() = 0;
    virtual HRESULT STDMETHODCALLTYPE ElementFromPointBuildCache() = 0;
    virtual HRESULT STDMETHODCALLTYPE GetFocusedElementBuildCache() = 0;
    virtual HRESULT STDMETHODCALLTYPE CreateTreeWalker() = 0;
    virtual HRESULT STDMETHODCALLTYPE get_ControlViewWalker() = 0;
    virtual HRESULT STDMETHODCALLTYPE get_ContentViewWalker() = 0;
    virtual HRESULT STDMETHODCALLTYPE get_RawViewWalker() = 0;
    virtual HRESULT STDMETHODCALLTYPE get_RawViewCondition() = 0;
    virtual HRESULT STDMETHODCALLTYPE get_ControlViewCondition() = 0;
    virtual HRESULT STDMETHODCALLTYPE get_ContentViewCondition() = 0;
    virtual HRESULT STDMETHODCALLTYPE CreateCacheRequest() = 0;
    virtual HRESULT STDMETHODCALLTYPE CreateTrueCondition(IUIAutomationCondition **) = 0;
    virtual HRESULT STDMETHODCALLTYPE CreateFalseCondition() = 0;
    virtual HRESULT STDMETHODCALLTYPE CreatePropertyCondition() = 0;
    virtual HRESULT STDMETHODCALLTYPE CreatePropertyConditionEx() = 0;
    virtual HRESULT STDMETHODCALLTYPE CreateAndCondition() = 0;
    virtual HRESULT STDMETHODCALLTYPE CreateAndConditionFromArray() = 0;
    virtual HRESULT STDMETHODCALLTYPE CreateAndConditionFromNativeArray() = 0;
    virtual HRESULT STDMETHODCALLTYPE CreateOrCondition() = 0;
    virtual HRESULT STDMETHODCALLTYPE CreateOrConditionFromArray() = 0;
    virtual HRESULT STDMETHODCALLTYPE CreateOrConditionFromNativeArray() = 0;
    virtual HRESULT STDMETHODCALLTYPE CreateNotCondition() = 0;
    virtual HRESULT STDMETHODCALLTYPE AddAutomationEventHandler(EVENTID, IUIAutomationElement *, TreeScope,
                                                                IUnknown *cacheRequest,
                                                                IUIAutomationEventHandler *) = 0;
    virtual HRESULT STDMETHODCALLTYPE RemoveAutomationEventHandler() = 0;
    virtual HRESULT STDMETHODCALLTYPE AddPropertyChangedEventHandlerNativeArray(
        IUIAutomationElement *, TreeScope, IUnknown *cacheRequest, IUIAutomationPropertyChangedEventHandler *,
        PROPERTYID *properties, int propertyCount) = 0;
    virtual HRESULT STDMETHODCALLTYPE AddPropertyChangedEventHandler() = 0;
    virtual HRESULT STDMETHODCALLTYPE RemovePropertyChangedEventHandler() = 0;
    virtual HRESULT STDMETHODCALLTYPE AddStructureChangedEventHandler() = 0;
    virtual HRESULT STDMETHODCALLTYPE RemoveStructureChangedEventHandler() = 0;
    virtual HRESULT STDMETHODCALLTYPE AddFocusChangedEventHandler() = 0;
    virtual HRESULT STDMETHODCALLTYPE RemoveFocusChangedEventHandler() = 0;
    virtual HRESULT STDMETHODCALLTYPE RemoveAllEventHandlers() = 0;
};

} // namespace uia
