#pragma once
// The working list of items of one request: copies of a static item array
// together with the list kind and the number of leading index items.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "framework/SnmpVarItem.h"

class VxSNMPVarList {
public:
    VxSNMPVarList();
    VxSNMPVarList(const SnmpVarItem* items, uint8_t kind, uint32_t indexCount);
    // The copy's Instance stays empty.
    VxSNMPVarList(const VxSNMPVarList& other);
    // Takes kind, index count, name and deep copies of the items; keeps this
    // list's Instance and OptionLists.
    VxSNMPVarList& operator=(const VxSNMPVarList& other);
    ~VxSNMPVarList();

    static uint32_t CountTableItems(const SnmpVarItem* items);

    void AddItems(const SnmpVarItem* items);
    void ClearItems();

    SnmpVar* GetItem(int i) { return Items[static_cast<size_t>(i)].get(); }
    const SnmpVar* GetItem(int i) const { return Items[static_cast<size_t>(i)].get(); }
    uint32_t GetCount() const { return static_cast<uint32_t>(Items.size()); }

    bool IsReadable(int i) const;
    bool IsWritable(int i) const;
    bool IsVisible(int i) const;
    bool IsUnlisted(int i) const;
    bool IsImplied(int i) const;
    // An item left out is skipped by reads, writes and display (its invalid
    // bit); the rest of its access word stays, so taking it in again gives
    // the item back as it was.
    void LeaveOut(int i);
    void TakeIn(int i);
    bool IsLeftOut(int i) const;
    int CountVisible() const;
    int CountUnlisted() const;

    std::string Instance;  // row index of a single-row list, as dotted sub-identifiers
    uint32_t IndexCount = 0;
    uint8_t Kind = SVT_SV;
    std::string Name;  // shown as [VARLIST] in result lines
    // Value-name maps owned by the list (the items' own maps belong to the catalogue).
    std::vector<std::unique_ptr<VxOptionList>> OptionLists;

private:
    uint32_t AccessOf(int i) const { return GetItem(i)->Access; }

    std::vector<std::unique_ptr<SnmpVar>> Items;
};

// Integer-to-name maps of the list kinds, syntax codes and access flags.
extern const VxOptionList SnmpVarKindNames;
extern const VxOptionList SnmpSyntaxNames;
extern const VxOptionList SnmpAccessNames;
