#pragma once
// The control skinners of one skinned window: the window skinner owns them, frees the dead ones
// at each control walk and all of them when it uninstalls, and tells the one under the mouse
// when the mouse has left it.

#include <windows.h>

#include <vector>

class TControl;
class TSkinControl;

class TSkinnerList {
public:
    TSkinnerList() = default;
    TSkinnerList(const TSkinnerList&) = delete;
    TSkinnerList& operator=(const TSkinnerList&) = delete;
    ~TSkinnerList() { FreeAll(); }

    // Adds a skinner once. True when it was there already.
    bool Register(TSkinControl* skinner);
    // Takes a skinner out (it is being freed); forgets it as the hover skinner too.
    void Unregister(TSkinControl* skinner);
    bool Contains(const TSkinControl* skinner) const;
    TSkinControl* FindByWindow(HWND window) const;
    TSkinControl* FindByControl(const TControl* control) const;
    // Frees the skinners whose windows are gone; they have detached themselves already.
    void PurgeDead();
    // Frees every skinner; the live ones are told to detach first.
    void FreeAll();
    // Every live skinner takes the skin again.
    void RefreshAll();
    const std::vector<TSkinControl*>& Items() const { return items_; }

    // The skinner that wants to hear when the mouse leaves it.
    TSkinControl* Hover() const { return hover_; }
    void SetHover(TSkinControl* skinner) { hover_ = skinner; }
    // The hover skinner is told that the mouse left and is forgotten.
    void MouseLeftHover();
    // The same, when the cursor (screen coordinates) is outside the hover skinner's window.
    void CheckHover(POINT cursor);

private:
    std::vector<TSkinControl*> items_;
    TSkinControl* hover_ = nullptr;
};
