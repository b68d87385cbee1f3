// The main window's pages read clearly: controls stay inside their parent's client area, visible
// neighbours never overlap, captions fit, each label sits by its box, and the tab order follows
// reading order.

#include "tests/native/form/MainFormFile.h"

#include <gtest/gtest.h>

#include <set>

namespace {

// Client size of each tab sheet with the window's default metrics (the form is 395 x 661 outside,
// the page control fills the client area, tabs on top), and the status bar along its bottom.
constexpr int64_t kSheetWidth = 379;
constexpr int64_t kSheetHeight = 599;
constexpr int64_t kStatusBarHeight = 20;
// A group box's caption takes its top; its frame takes about two pixels on the other sides.
constexpr int64_t kGroupCaption = 16;
constexpr int64_t kGroupFrame = 2;

struct LabelledBox {
    const char* label;
    const char* box;
};

// Each label and the box it names: the label stands left of the box on its row, or just above.
const LabelledBox kLabels[] = {
    {"Label1", "ComboBox1"},        {"Label2", "sq"},         {"Label3", "Edit1"},
    {"Label4", "Edit11"},           {"Label5", "Edit12"},     {"Label6", "Edit15"},
    {"Label7", "Edit60"},           {"Label8", "Edit13"},     {"Label9", "Edit14"},
    {"Label10", "Edit62"},          {"Label11", "Edit64"},    {"Label12", "DateTimePicker1"},
    {"Label13", "Edit20"},          {"Label14", "Edit21"},    {"Label15", "Edit22"},
    {"Label16", "Edit23"},          {"Label17", "ComboBox2"}, {"Label53", "Edit18"},
    {"Label54", "DateTimePicker2"}, {"Label55", "ComboBox8"}, {"Label56", "Edit72"},
    {"Label57", "Edit63"},          {"Label58", "Edit65"},    {"Label59", "Edit24"},
    {"Label60", "Edit25"},          {"Label61", "Edit26"},    {"Label62", "Edit27"},
    {"Label66", "Edit9"},           {"Label67", "Edit10"},    {"Label68", "Edit77"},
    {"Label69", "Edit78"},          {"Label70", "Edit80"},    {"Label71", "Edit81"},
    {"Label72", "Edit82"},          {"Label73", "Edit83"},    {"Label74", "Edit79"},
    {"Label75", "Edit107"},         {"Label76", "Edit108"},   {"Label30", "Edit30"},
    {"Label31", "Edit31"},          {"Label32", "Edit36"},    {"Label33", "ComboBox3"},
    {"Label22", "Edit28"},          {"Label42", "Edit54"},    {"Label27", "Edit34"},
    {"Label28", "Edit35"},          {"Label29", "Edit37"},    {"Label41", "Edit55"},
    {"Label126", "Edit111"},        {"Label127", "Edit112"},  {"Label128", "Edit113"},
    {"Label129", "Edit114"},        {"Label131", "Edit115"},  {"Label34", "ComboBox5"},
    {"Label35", "ComboBox10"},      {"Label47", "ComboBox6"}, {"Label50", "ComboBox7"},
    {"Label51", "Edit59"},          {"Label65", "Edit70"},    {"Label63", "ComboBox9"},
    {"Label48", "Edit57"},          {"Label49", "Edit58"},
};

bool Overlap(const Rect& a, const Rect& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

bool SameRow(const Rect& a, const Rect& b) {
    return a.top < b.bottom && b.top < a.bottom;
}

// b comes before a when read left to right, top to bottom.
bool ReadsBefore(const Rect& b, const Rect& a) {
    return SameRow(a, b) ? b.left < a.left : b.top < a.top;
}

std::string Describe(const FormObject& object) {
    auto r = Bounds(object);
    if (!r)
        return object.name;
    return object.name + " (" + std::to_string(r->left) + "," + std::to_string(r->top) + ")-(" +
           std::to_string(r->right) + "," + std::to_string(r->bottom) + ")";
}

// Every object that carries a position and sits in a tab sheet or a group.
template <typename Visit> void ForEachPlacedControl(Visit visit) {
    for (const auto& [name, entry] : MainFormFile::Get().Entries()) {
        if (entry.parent == nullptr)
            continue;
        const std::string& parentClass = entry.parent->className;
        if (parentClass != "TTabSheet" && parentClass != "TGroupBox")
            continue;
        visit(*entry.object, *entry.parent);
    }
}

// Client area of a parent in its own coordinates.
Rect ClientArea(const FormObject& parent) {
    if (parent.className == "TTabSheet")
        return Rect{0, 0, kSheetWidth, kSheetHeight - kStatusBarHeight};
    Rect outer = Bounds(parent).value_or(Rect{});
    return Rect{kGroupFrame, kGroupCaption, outer.right - outer.left - kGroupFrame,
                outer.bottom - outer.top - kGroupFrame};
}

TEST(MainFormLayout, EveryPlacedControlLiesInsideItsParentsClientArea) {
    int checked = 0;
    ForEachPlacedControl([&](const FormObject& control, const FormObject& parent) {
        if (control.className == "TStatusBar")
            return;
        auto r = Bounds(control);
        ASSERT_TRUE(r.has_value()) << control.name << " has no complete bounds";
        const Rect area = ClientArea(parent);
        EXPECT_TRUE(r->left >= area.left && r->top >= area.top && r->right <= area.right &&
                    r->bottom <= area.bottom)
            << Describe(control) << " leaves the client area of " << parent.name;
        EXPECT_GT(r->right, r->left) << control.name;
        ++checked;
    });
    EXPECT_GT(checked, 200);
}

TEST(MainFormLayout, StatusBarsRunAlongTheBottomOfEachPage) {
    for (const char* name : {"sb", "sb1", "StatusBar1"}) {
        auto r = Bounds(*MainFormFile::Get().Lookup(name)->object);
        ASSERT_TRUE(r.has_value()) << name;
        EXPECT_EQ(r->bottom, kSheetHeight) << name;
        EXPECT_EQ(r->bottom - r->top, kStatusBarHeight) << name;
    }
}

// Hidden groups are checked too, as they would read if shown; hidden controls may share space
// with visible ones.
TEST(MainFormLayout, NoTwoVisibleNeighboursOverlap) {
    for (const auto& [name, entry] : MainFormFile::Get().Entries()) {
        std::vector<std::pair<const FormObject*, Rect>> placed;
        for (const FormObject& child : entry.object->children) {
            auto r = Bounds(child);
            if (r && IsVisibleItself(child) && child.className != "TStatusBar")
                placed.emplace_back(&child, *r);
        }
        for (size_t i = 0; i < placed.size(); ++i) {
            for (size_t j = i + 1; j < placed.size(); ++j) {
                EXPECT_FALSE(Overlap(placed[i].second, placed[j].second))
                    << Describe(*placed[i].first) << " overlaps " << Describe(*placed[j].first)
                    << " in " << name;
            }
        }
    }
}

TEST(MainFormLayout, ControlsHaveTheStandardRowHeights) {
    ForEachPlacedControl([](const FormObject& control, const FormObject&) {
        const std::string& kind = control.className;
        const int64_t height = IntegerProperty(control, "Height").value_or(0);
        if (kind == "TEdit" || kind == "TComboBox" || kind == "TDateTimePicker") {
            EXPECT_EQ(height, 21) << control.name;
        } else if (kind == "TButton") {
            EXPECT_TRUE(height >= 23 && height <= 25) << control.name << " " << height;
        } else if (kind == "TLabel") {
            EXPECT_EQ(height, 13) << control.name;
        }
    });
}

TEST(MainFormLayout, CaptionsFitTheirControls) {
    ForEachPlacedControl([](const FormObject& control, const FormObject&) {
        const int64_t width = IntegerProperty(control, "Width").value_or(0);
        const int64_t text = TextWidth(ShownText(control));
        // A button needs room for its frame and focus rectangle; a group box for its frame
        // and the gap before its caption.
        const std::string& kind = control.className;
        const int64_t margin = kind == "TButton" ? 8 : kind == "TGroupBox" ? 16 : 0;
        if (kind == "TLabel" || kind == "TButton" || kind == "TGroupBox") {
            EXPECT_LE(text + margin, width) << control.name << " cuts its caption";
        }
    });
}

TEST(MainFormLayout, EachLabelSitsByItsBox) {
    const MainFormFile& file = MainFormFile::Get();
    std::set<std::string> seen;
    for (const LabelledBox& pair : kLabels) {
        SCOPED_TRACE(std::string(pair.label) + " / " + pair.box);
        EXPECT_TRUE(seen.insert(pair.label).second) << "listed twice";
        const FormEntry* label = file.Lookup(pair.label);
        const FormEntry* box = file.Lookup(pair.box);
        ASSERT_TRUE(label && box);
        ASSERT_EQ(label->parent, box->parent) << "label and box are in different parents";
        auto l = Bounds(*label->object);
        auto b = Bounds(*box->object);
        ASSERT_TRUE(l && b);
        const bool leftOfBox = l->right <= b->left && b->left - l->right <= 16 &&
                               l->top >= b->top && l->bottom <= b->bottom;
        const bool aboveBox = l->bottom <= b->top && b->top - l->bottom <= 8 &&
                              l->left >= b->left - 4 && l->left <= b->left + 4;
        EXPECT_TRUE(leftOfBox || aboveBox)
            << Describe(*label->object) << " is not by " << Describe(*box->object);
    }
}

TEST(MainFormTabOrder, IsUniquePerParentAndGivenToEveryFocusableControl) {
    for (const auto& [name, entry] : MainFormFile::Get().Entries()) {
        std::set<int64_t> orders;
        for (const FormObject& child : entry.object->children) {
            auto order = IntegerProperty(child, "TabOrder");
            if (HasTabStop(child)) {
                EXPECT_TRUE(order.has_value()) << child.name << " has no tab order";
            } else {
                EXPECT_FALSE(order.has_value()) << child.name << " cannot take the focus";
            }
            if (order) {
                EXPECT_TRUE(orders.insert(*order).second)
                    << child.name << " repeats tab order " << *order << " in " << name;
            }
        }
        if (!orders.empty()) {
            EXPECT_EQ(*orders.begin(), 0) << name;
            EXPECT_EQ(*orders.rbegin(), static_cast<int64_t>(orders.size()) - 1) << name;
        }
    }
}

TEST(MainFormTabOrder, FollowsReadingOrderAmongVisibleControls) {
    for (const auto& [name, entry] : MainFormFile::Get().Entries()) {
        std::vector<std::pair<const FormObject*, int64_t>> stops;
        for (const FormObject& child : entry.object->children) {
            auto order = IntegerProperty(child, "TabOrder");
            if (order && IsVisibleItself(child) && Bounds(child))
                stops.emplace_back(&child, *order);
        }
        for (const auto& [a, orderA] : stops) {
            for (const auto& [b, orderB] : stops) {
                if (orderA < orderB) {
                    EXPECT_FALSE(ReadsBefore(*Bounds(*b), *Bounds(*a)))
                        << Describe(*b) << " reads before " << Describe(*a)
                        << " but comes later in the tab order of " << name;
                }
            }
        }
    }
}

} // namespace
