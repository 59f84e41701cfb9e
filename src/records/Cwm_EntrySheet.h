#pragma once

#include <QDialog>
#include <QStringList>
#include <string_view>
#include <vector>

class QLineEdit;

namespace morva::records {

// What a field of a list entry holds; it decides the check on OK.
enum class EntryFieldKind
{
    Text,        // not blank, at most 128 characters, no semicolon
    Address,     // the same, and a valid SMTP address
    RouteDomain, // a text without colon or quote
    RouteHost,   // a text without quote
    Port,        // a port number from 2 to 65535
    Comment,     // free text, may be empty
};

struct EntryFieldDef
{
    const char* labelId;
    EntryFieldKind kind = EntryFieldKind::Text;
};

// A one-page sheet that edits one entry of a list kept in "Morva.ini"
// (routes, translations, rewrites).
struct EntrySheetDef
{
    const char* templateName;  // "RouteDomain", "TransDomain", ...
    const char* captionId;     // sheet and page caption
    const char* groupId;       // the frame around the fields
    const char* descriptionId; // a "Description" group below, or null
    std::vector<EntryFieldDef> fields;
};

class Cwm_EntrySheet : public QDialog
{
    Q_OBJECT
public:
    Cwm_EntrySheet(const EntrySheetDef& definition, int language, QWidget* parent = nullptr);

    const EntrySheetDef& definition() const { return m_definition; }
    // Fills the fields with an entry's texts as read: a field still holding
    // its given text keeps the entry's bytes and is not checked against the file.
    void setGivenValues(const QStringList& values);
    // Fills the fields (as typing would).
    void setValues(const QStringList& values);
    // The fields, trimmed.
    QStringList values() const;
    QLineEdit* field(int index) const { return m_fields.at(static_cast<std::size_t>(index)); }

public slots:
    // Checks every field; a failed check keeps the sheet open with the
    // focus on that field.
    void accept() override;

private:
    bool checkField(int index);

    EntrySheetDef m_definition;
    int m_language;
    std::vector<QLineEdit*> m_fields;
    // The texts the fields were given: unchanged ones keep their bytes.
    QStringList m_given;
};

} // namespace morva::records
