// The entry dialogs of list settings: one value field and a comment.
#include "confui/sheets/Contributions.h"
#include "db/CountryList.h"

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

// An accepted SMTP user is stored as the user, one blank and the password:
// the form the gateway hands to its own check ("<USER> <PASSWORD>").
EntryCodec userPassCodec()
{
    EntryCodec codec;
    codec.join = [](const std::vector<std::string>& fields) {
        return fields.at(0) + " " + (fields.size() > 1 ? fields[1] : std::string());
    };
    codec.split = [](const std::string& entry) -> std::vector<std::string> {
        const auto blank = entry.find(' ');
        if (blank == std::string::npos)
            return {entry, {}};
        return {entry.substr(0, blank), entry.substr(blank + 1)};
    };
    codec.shown = [](const std::string& entry) { return entry.substr(0, entry.find(' ')); };
    return codec;
}

EntryDialogDef userPassDialog()
{
    EntryDialogDef dialog;
    dialog.name = "EditAuthUserPass";
    dialog.caption = "confui.edit.userpass";
    dialog.variant = EntryVariant::Simple2;
    EntryField password{"confui.common.password", FieldCheck::NotBlank};
    password.masked = true;
    dialog.fields = {{"confui.common.user", FieldCheck::NoBlanks}, password};
    dialog.codec = "userPass";
    dialog.column = "confui.column.user";
    return dialog;
}

// Country blocking stores the two-letter codes; the dialog offers only the
// codes the gateway knows, and lists show them with their names.
EntryCodec countryCodec()
{
    EntryCodec codec;
    codec.join = [](const std::vector<std::string>& fields) { return fields.at(0); };
    codec.split = [](const std::string& entry) { return std::vector<std::string>{entry}; };
    codec.shown = [](const std::string& entry) { return db::countryEntryFor(entry); };
    return codec;
}

EntryDialogDef countryDialog()
{
    EntryDialogDef dialog =
        twoField("EditCountry", "confui.edit.country", "confui.edit.country.value");
    for (std::string_view entry : db::countryList()) {
        const std::string text(entry);
        dialog.fields[0].choices.push_back({text.substr(0, text.find(' ')), text});
    }
    dialog.codec = "country";
    dialog.column = "confui.edit.country";
    return dialog;
}
} // namespace

void addEntryDialogs(Catalogue& catalogue)
{
    // The value field's check is the list key's item rule (networks for IP lists).
    catalogue.addEntryDialog(twoField("EditIP", "confui.edit.ip", "confui.edit.ip.value"));
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
    catalogue.addEntryDialog(userPassDialog());
    catalogue.addCodec("userPass", userPassCodec());
    catalogue.addEntryDialog(countryDialog());
    catalogue.addCodec("country", countryCodec());
}

} // namespace morva::confui::sheets
