// The entry dialogs of list settings: one value field and a comment.
#include "confui/sheets/Contributions.h"

namespace morva::confui::sheets {

namespace {
EntryDialogDef twoField(std::string name, std::string caption, std::string label,
                        FieldCheck check = FieldCheck::NotBlank)
{
    EntryDialogDef dialog;
    dialog.name = std::move(name);
    dialog.caption = std::move(caption);
    dialog.variant = EntryVariant::Simple2;
    dialog.fields = {{std::move(label), check}};
    return dialog;
}
} // namespace

void addEntryDialogs(Catalogue& catalogue)
{
    catalogue.addEntryDialog(
        twoField("EditIP", "confui.edit.ip", "confui.edit.ip.value", FieldCheck::IpNetwork));
    catalogue.addEntryDialog(twoField("EditHost", "confui.edit.host", "confui.edit.host.value"));
    catalogue.addEntryDialog(twoField("EditAdr", "confui.edit.adr", "confui.edit.adr.value"));
    catalogue.addEntryDialog(twoField("EditSubj", "confui.edit.subj", "confui.edit.subj.value"));
    catalogue.addEntryDialog(twoField("EditText", "confui.edit.text", "confui.edit.text.value"));
    catalogue.addEntryDialog(twoField("EditAtt", "confui.edit.att", "confui.edit.att.value"));
    catalogue.addEntryDialog(twoField("EditHdr", "confui.edit.hdr", "confui.edit.hdr.value"));
    catalogue.addEntryDialog(
        twoField("EditCharSet", "confui.edit.charset", "confui.edit.charset.value"));
    catalogue.addEntryDialog(twoField("EditSLS", "confui.edit.sls", "confui.edit.sls.value"));
    catalogue.addEntryDialog(
        twoField("EditDomain", "confui.edit.domain", "confui.edit.domain.value"));
    catalogue.addEntryDialog(
        twoField("EditAuthUserPass", "confui.edit.userpass", "confui.edit.userpass.value"));
    catalogue.addEntryDialog(
        twoField("EditCountry", "confui.edit.country", "confui.edit.country.value"));
}

} // namespace morva::confui::sheets
