#pragma once
// The frame of the two method list editors (login and enable): a table of
// named method lists, each up to four methods in order, listed, created,
// changed and deleted. The two editors are the same code on two tables;
// their differences (item table, names of controls, texts, layout) are a
// MethodListLook.
//
// Reads and writes block. Edit and Add send only the methods that are
// set (MethodListRules.h), after asking whether methods that follow a
// "local" or "none" method should be changed first; a failure shows its
// bare message in panel 0 of the status bar.

#include <array>

#include "features/DialogFrame.h"
#include "features/MethodListRules.h"

struct MethodListLook {
    const char* Name;  // the layout's name: the class without its "T"
    const char* Caption;
    int ClientWidth, ClientHeight;
    int ButtonPanelWidth, EditPanelHeight, ControlWidth;
    bool ListAboveEdits;  // else the edit panel sits at the bottom
    const SnmpVarItem* Items;
    const char* NameEdit;
    std::array<const char*, 4> TypeCombos;
    std::array<const char*, 4> ServerGroupEdits;
    std::array<const char*, 10> Labels;  // the edit panel's labels, in item order
    const char* MissingName;
    const char* DuplicateName;
};

class TMethodListForm : public TDialogFrame {
public:
    void FormCreate(TObject* sender);
    void GetButtonClick(TObject* sender);
    void EditButtonClick(TObject* sender);
    void AddButtonClick(TObject* sender);
    void DeleteButtonClick(TObject* sender);
    void ListView1Click(TObject* sender);
    void ListView1Change(TObject* sender, TListItem* item, TItemChange change);

    void ClearEdits();
    // The order check over the type combos; fills MethodPositions.
    bool CheckMethodOrder();

    TListView* ListView1;
    TStaticText* StaticText1;
    TButton* GetButton;
    TButton* EditButton;
    TButton* AddButton;
    TButton* DeleteButton;
    TComboBox* RowComboBox;
    TStatusBar* StatusBar1;

    VxSNMPRequest2Edits* MethodRequest = nullptr;
    std::array<int, 4> MethodPositions{-1, -1, -1, -1};

    // The name edit, the type combos and the server-group edits, whatever
    // the editor names them.
    TEdit* ListName = nullptr;
    std::array<TComboBox*, 4> TypeCombos{};
    std::array<TEdit*, 4> ServerGroupEdits{};

protected:
    TMethodListForm(TComponent* owner, const MethodListLook& look);

private:
    MethodSnapshot Snapshot() const;
    // Asks about ineffective methods when the order check fails: false when
    // the user wants to change them (nothing is sent then); dropIneffective
    // tells whether to leave them out.
    bool AcceptMethodOrder(bool& dropIneffective);
    void WriteMethods(bool leaveOutRowStatus, bool dropIneffective);
    void DeleteRow();
    void EndWrite();
    void ShowSelectionState(bool selected);
    void FitLabelColumns();

    const MethodListLook& Look;
};

// The layout of a method list editor.
const FormLayout& MethodListLayout(const MethodListLook& look);
