// Collections: a TCollection owns items of one item class (TCollectionItem and its
// descendants); items know their collection, position and a unique ID.
#pragma once

#include "platform/classes/Persistent.h"

#include <vector>

class TCollectionItem;

enum TCollectionNotification { cnAdded, cnExtracting, cnDeleting };

class TCollection : public TPersistent {
    ORVO_CLASS(TCollection, TPersistent)
public:
    // ItemClass: the class of the items Add creates (through its CreateItem factory).
    explicit TCollection(TClass ItemClass);
    ~TCollection() override;

    TCollectionItem* Add();
    // Adds an item and moves it to Index.
    TCollectionItem* Insert(int Index);
    void Delete(int Index);
    void Clear();
    // From another collection: clears, then adds one item per source item and assigns
    // the source item to it, inside one update bracket.
    void Assign(TPersistent* Source) override;

    // Nested brackets: Update(nullptr) runs once, when the outer bracket closes.
    virtual void BeginUpdate();
    virtual void EndUpdate();
    int UpdateCount() const { return FUpdateCount; }

    int Count() const { return static_cast<int>(FItems.size()); }
    TClass ItemClass() const { return FItemClass; }
    TCollectionItem* Items(int Index) const;
    // Assigns Value to the item at Index.
    void SetItems(int Index, TCollectionItem* Value);
    TPersistent* Owner() const { return GetOwner(); }

    // "<owner's path>.<PropName>", or the class name without owner or property name.
    String GetNamePath() const override;
    // The name of the owner's published property that holds this collection: the stored
    // name, else what PropNameResolver finds.
    String PropName() const;
    void SetPropName(const String& Value) { FPropName = Value; }
    // Installed by the type information: finds the owner's property holding the
    // collection.
    static inline String (*PropNameResolver)(const TCollection* Collection) = nullptr;

protected:
    // Called when an item was added (cnAdded), is leaving (cnExtracting) or is about to
    // be deleted by Delete (cnDeleting).
    virtual void Notify(TCollectionItem* Item, TCollectionNotification Action);
    // Called after a change of Item (nullptr: of the collection or of all items) outside
    // update brackets.
    virtual void Update(TCollectionItem* Item);
    void Changed();

private:
    friend class TCollectionItem;
    void InsertItem(TCollectionItem* Item);
    void RemoveItem(TCollectionItem* Item);
    void CheckIndex(int Index) const;

    TClass FItemClass;
    std::vector<TCollectionItem*> FItems;
    int FUpdateCount = 0;
    int FNextID = 0;
    String FPropName;
};

// A collection that names an owner (the persistent whose property holds it).
class TOwnedCollection : public TCollection {
    ORVO_CLASS(TOwnedCollection, TCollection)
public:
    TOwnedCollection(TPersistent* AOwner, TClass ItemClass) : TCollection(ItemClass), FOwner(AOwner) {}
    TPersistent* GetOwner() const override { return FOwner; }

private:
    TPersistent* FOwner;
};

class TCollectionItem : public TPersistent {
    ORVO_CLASS(TCollectionItem, TPersistent)
public:
    // Joins Collection when it is not nullptr; an item may also live without one.
    explicit TCollectionItem(TCollection* Collection);
    // Leaves its collection.
    ~TCollectionItem() override;

    TCollection* Collection() const { return FCollection; }
    // Leaves the current collection and joins Value (at its end, with a new ID).
    virtual void SetCollection(TCollection* Value);
    int ID() const { return FID; }
    // Position in the collection, -1 without one. Setting it moves the item.
    int Index() const;
    virtual void SetIndex(int Value);
    String DisplayName() const { return GetDisplayName(); }
    virtual void SetDisplayName(const String& Value);

    // "<collection's path>[<index>]", or the class name without collection.
    String GetNamePath() const override;
    TPersistent* GetOwner() const override { return FCollection; }

protected:
    // Tells the collection (outside update brackets): Update(this), or Update(nullptr)
    // when AllItems.
    virtual void Changed(bool AllItems);
    // The class name unless a descendant names the item.
    virtual String GetDisplayName() const;

private:
    friend class TCollection;
    TCollection* FCollection = nullptr;
    int FID = 0;
};
