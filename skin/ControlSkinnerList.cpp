#include "skin/ControlSkinnerList.h"

#include "skin/ControlSkinner.h"

#include <algorithm>

bool TSkinnerList::Register(TSkinControl* skinner) {
    if (Contains(skinner))
        return true;
    items_.push_back(skinner);
    return false;
}

void TSkinnerList::Unregister(TSkinControl* skinner) {
    std::erase(items_, skinner);
    if (hover_ == skinner)
        hover_ = nullptr;
}

bool TSkinnerList::Contains(const TSkinControl* skinner) const {
    return std::find(items_.begin(), items_.end(), skinner) != items_.end();
}

TSkinControl* TSkinnerList::FindByWindow(HWND window) const {
    for (TSkinControl* skinner : items_) {
        if (skinner->Window() == window && skinner->State() != TSkinnerState::Destroyed)
            return skinner;
    }
    return nullptr;
}

TSkinControl* TSkinnerList::FindByControl(const TControl* control) const {
    for (TSkinControl* skinner : items_) {
        if (skinner->Control() == control && skinner->State() != TSkinnerState::Destroyed)
            return skinner;
    }
    return nullptr;
}

void TSkinnerList::PurgeDead() {
    std::vector<TSkinControl*> dead;
    for (TSkinControl* skinner : items_) {
        if (skinner->State() == TSkinnerState::Destroyed)
            dead.push_back(skinner);
    }
    // Each one takes itself out of the list as it is freed.
    for (TSkinControl* skinner : dead)
        delete skinner;
}

void TSkinnerList::FreeAll() {
    hover_ = nullptr;
    std::vector<TSkinControl*> all;
    all.swap(items_);
    for (TSkinControl* skinner : all) {
        if (skinner->State() != TSkinnerState::Destroyed)
            skinner->Detach();
    }
    for (TSkinControl* skinner : all)
        delete skinner;
}

void TSkinnerList::RefreshAll() {
    for (TSkinControl* skinner : std::vector<TSkinControl*>(items_)) {
        if (skinner->State() != TSkinnerState::Destroyed)
            skinner->Refresh();
    }
}

void TSkinnerList::MouseLeftHover() {
    TSkinControl* skinner = hover_;
    hover_ = nullptr;
    if (!skinner)
        return;
    TMessage leave{CM_MOUSELEAVE, 0, 0, 0};
    skinner->Dispatch(leave);
}

void TSkinnerList::CheckHover(POINT cursor) {
    if (!hover_)
        return;
    RECT now = hover_->ScreenRect();
    if (const HWND window = hover_->Window())
        GetWindowRect(window, &now);
    if (!PtInRect(&now, cursor))
        MouseLeftHover();
}
