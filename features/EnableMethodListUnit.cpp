#include "features/EnableMethodListUnit.h"

#include "mibdefs/SecurityMib.h"
#include "platform/Layout.h"

namespace {

constexpr MethodListLook kLook{
    .Name = "EnableMethodForm",
    .Caption = "Enable Method List",
    .ClientWidth = 665,
    .ClientHeight = 392,
    .ButtonPanelWidth = 129,
    .EditPanelHeight = 167,
    .ControlWidth = 95,
    .ListAboveEdits = false,
    .Items = AaaEnableMethodListItems,
    .NameEdit = "NameEdit",
    .TypeCombos = {"Type1ComboBox", "Type2ComboBox", "Type3ComboBox", "Type4ComboBox"},
    .ServerGroupEdits = {"ServerGroupEdit1", "ServerGroupEdit2", "ServerGroupEdit3", "ServerGroupEdit4"},
    .Labels = {"Enable MethodList Name", "Enable Method1 Type", "Enable Method1 ServerGroup", "Enable Method2 Type",
               "Enable Method2 ServerGroup", "Enable Method3Type", "Enable Method3 ServerGroup", "Enable Method4 Type",
               "Enable Method4 ServerGroup", "Enable MethodList RowStatus"},
    .MissingName = "Enable MethodList Name must be set.",
    .DuplicateName =
        "Has already a record with the same Enable MethodList Name. Please Change Enable MethodList Name.",
};

constexpr auto kFields = MethodListFields(kLook);

}  // namespace

TEnableMethodForm::TEnableMethodForm(TComponent* owner) : TMethodListForm(owner, kLook, kFields) {
    KX_BIND(NameEdit);
    KX_BIND(Type1ComboBox);
    KX_BIND(Type2ComboBox);
    KX_BIND(Type3ComboBox);
    KX_BIND(Type4ComboBox);
    KX_BIND(ServerGroupEdit1);
    KX_BIND(ServerGroupEdit2);
    KX_BIND(ServerGroupEdit3);
    KX_BIND(ServerGroupEdit4);
}
