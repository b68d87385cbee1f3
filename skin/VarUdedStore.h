#pragma once
// Further packed skins kept in the form file: TSkinStore holds a collection of items, each with
// a name and the bytes of one packed skin. The program only keeps them; nothing unpacks them
// unless asked. Portable: a store is read from the form file without Win32.

#include "framework/Classes.h"

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

class TSkinCollection;

class TSkinCollectionItem : public TCollectionItem {
    DEVTOOL_CLASS(TSkinCollectionItem)
public:
    TSkinCollectionItem(TSkinCollection* collection, int id);

    // Given by the collection, counting up from 0; never reused.
    int ID() const { return id_; }
    const std::wstring& Name() const { return name_; }
    // Raises Exception "The name <name> is already used." when another item of the collection
    // has this name (compared case-sensitively); the old name then stays.
    void SetName(const std::wstring& name);

    // The packed skin, stored as it is.
    std::span<const std::uint8_t> Data() const { return data_; }
    void SetData(std::span<const std::uint8_t> bytes) { data_.assign(bytes.begin(), bytes.end()); }
    int DataSize() const;

    // Copies name and data (the name is checked like SetName).
    void Assign(const TSkinCollectionItem& source);

    std::wstring DisplayName() const override { return name_; }

    // The design-time hook: always reads "Load Skin", a write does nothing.
    static constexpr const wchar_t* kSkinDataText = L"Load Skin";

private:
    std::wstring SkinData() const { return kSkinDataText; }
    void SetSkinData(const std::wstring&) {}
    void SetDataSize(int) {} // read-only
    // The form file's "DataStream": the whole stream, written and read back as it is.
    std::vector<std::uint8_t> DataStream() const { return data_; }
    void SetDataStream(const std::vector<std::uint8_t>& bytes) { data_ = bytes; }

    int id_;
    std::wstring name_;
    std::vector<std::uint8_t> data_;
};

class TSkinCollection : public TCollection {
    DEVTOOL_CLASS(TSkinCollection)
public:
    TSkinCollection();
    TSkinCollectionItem* Items(int index) const {
        return static_cast<TSkinCollectionItem*>(TCollection::Items(index));
    }
    TSkinCollectionItem* Add() { return static_cast<TSkinCollectionItem*>(TCollection::Add()); }
    // True when an item other than `except` carries this name (case-sensitive).
    bool NameUsed(const std::wstring& name, const TSkinCollectionItem* except) const;

private:
    static std::unique_ptr<TCollectionItem> MakeItem(TCollection* collection);
    int nextId_ = 0;
};

class TSkinStore : public TComponent {
    DEVTOOL_CLASS(TSkinStore)
public:
    explicit TSkinStore(TComponent* owner);
    TSkinCollection* Store() { return &store_; }

private:
    TSkinCollection store_;
};
