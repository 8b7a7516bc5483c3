#include "features/LoginMethodListUnit.h"

#include "mibdefs/SecurityMib.h"
#include "platform/Layout.h"

namespace {

constexpr MethodListLook kLook{
    .Name = "LoginMethodListForm",
    .Caption = "Login Method List",
    .ClientWidth = 600,
    .ClientHeight = 396,
    .ButtonPanelWidth = 120,
    .EditPanelHeight = 159,
    .ControlWidth = 93,
    .ListAboveEdits = true,
    .Items = AaaLoginMethodListItems,
    .NameEdit = "ListnameEdit",
    .TypeCombos = {"ComboBoxType1", "ComboBoxType2", "ComboBoxType3", "ComboBoxType4"},
    .ServerGroupEdits = {"Server1Edit", "Server2Edit", "Server3Edit", "Server4Edit"},
    .Labels = {"AAC Login Method List Name", "Method1 Type", "Method1 ServerGroup", "Method2 Type",
               "Method2 ServerGroup", "Method3 Type", "Method3 ServerGroup", "Method4 Type", "Method4 ServerGroup",
               "MethodList RowStatus"},
    .MissingName = "AAC Login Method List Name must be set.",
    .DuplicateName =
        "Has already a record with the same Login Method List Name. Please Change Login Method List Name.",
};

constexpr auto kFields = MethodListFields(kLook);

}  // namespace

TLoginMethodListForm::TLoginMethodListForm(TComponent* owner) : TMethodListForm(owner, kLook, kFields) {
    KX_BIND(ListnameEdit);
    KX_BIND(ComboBoxType1);
    KX_BIND(ComboBoxType2);
    KX_BIND(ComboBoxType3);
    KX_BIND(ComboBoxType4);
    KX_BIND(Server1Edit);
    KX_BIND(Server2Edit);
    KX_BIND(Server3Edit);
    KX_BIND(Server4Edit);
}
