#include "acl/IPv6RuleUnit.h"

#include "acl/Ipv6AclRecords.h"

TIPv6RuleForm* IPv6RuleForm = nullptr;

TIPv6RuleForm::TIPv6RuleForm(TComponent* owner) : TAclEditor(owner, IPv6RuleRecord) { DoCreate(); }

void TIPv6RuleForm::cbxPermitChange(TObject* sender) {
    if (static_cast<TComboBox*>(FieldControl(Table.PermitItem))->Text() == "mirror") return;
    TAclEditor::PermitComboBoxChange(sender);
}
