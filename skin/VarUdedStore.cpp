#include "skin/VarUdedStore.h"

#include "framework/Exception.h"

#include <algorithm>
#include <limits>

// TSkinCollectionItem

const TClassInfo& TSkinCollectionItem::StaticClassInfo() {
    static const TClassInfo info = MakeClassInfo<TSkinCollectionItem, TCollectionItem>(
        "TSkinCollectionItem",
        [](PropBuilder<TSkinCollectionItem>& b) {
            b.Str("Name", &TSkinCollectionItem::Name, &TSkinCollectionItem::SetName)
                .Str("SkinData", &TSkinCollectionItem::SkinData, &TSkinCollectionItem::SetSkinData)
                .Int("DataSize", &TSkinCollectionItem::DataSize, &TSkinCollectionItem::SetDataSize)
                .Binary("DataStream", &TSkinCollectionItem::DataStream,
                        &TSkinCollectionItem::SetDataStream);
        },
        false);
    return info;
}

TSkinCollectionItem::TSkinCollectionItem(TSkinCollection* collection, int id)
    : TCollectionItem(collection), id_(id), name_(L"SkinItem" + std::to_wstring(id)) {}

void TSkinCollectionItem::SetName(const std::wstring& name) {
    const auto* collection = static_cast<const TSkinCollection*>(Collection());
    if (collection && collection->NameUsed(name, this))
        throw Exception(L"The name " + name + L" is already used.");
    name_ = name;
}

int TSkinCollectionItem::DataSize() const {
    // A form file cannot hold 2 GiB; the clamp only keeps the conversion defined.
    return static_cast<int>(std::min<std::size_t>(data_.size(), std::numeric_limits<int>::max()));
}

void TSkinCollectionItem::Assign(const TSkinCollectionItem& source) {
    if (&source == this)
        return;
    SetName(source.name_);
    data_ = source.data_;
}

// TSkinCollection

const TClassInfo& TSkinCollection::StaticClassInfo() {
    static const TClassInfo info =
        MakeClassInfo<TSkinCollection, TCollection>("TSkinCollection", nullptr, false);
    return info;
}

TSkinCollection::TSkinCollection() : TCollection(&TSkinCollection::MakeItem) {}

std::unique_ptr<TCollectionItem> TSkinCollection::MakeItem(TCollection* collection) {
    auto* skins = static_cast<TSkinCollection*>(collection);
    return std::make_unique<TSkinCollectionItem>(skins, skins->nextId_++);
}

bool TSkinCollection::NameUsed(const std::wstring& name, const TSkinCollectionItem* except) const {
    for (int i = 0; i < Count(); ++i) {
        const TSkinCollectionItem* item = Items(i);
        if (item != except && item->Name() == name)
            return true;
    }
    return false;
}

// TSkinStore

const TClassInfo& TSkinStore::StaticClassInfo() {
    static const TClassInfo info = MakeClassInfo<TSkinStore, TComponent>(
        "TSkinStore", [](PropBuilder<TSkinStore>& b) { b.Collection("Store", &TSkinStore::Store); },
        true);
    return info;
}

TSkinStore::TSkinStore(TComponent* owner) : TComponent(owner) {}
