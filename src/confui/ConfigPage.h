#pragma once

#include "confui/Catalogue.h"
#include "confui/ListBinding.h"
#include "confui/SheetEnvironment.h"

#include <QSet>
#include <QString>
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

class QCheckBox;
class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;

namespace morva::confui {

class ListBox;
class PageDefaults;

// How the sheet's save of the file ended.
enum class FileSaveResult
{
    Saved,
    Failed,    // the sheet reports it
    Cancelled, // the user gave up on it: nothing was saved, the page stays as it is
};

// What a page needs from the sheet that shows it.
struct PageHost
{
    const SheetEnvironment* environment = nullptr;
    int sheetType = 0;
    SheetValues* sheetValues = nullptr; // "#..." values shared by the sheet's pages
    std::function<void()> modified;     // a page's modified mark changed
    // Saves the file after a page wrote its values; empty: the store's save.
    std::function<FileSaveResult()> saveFile;
};

// One configuration page, rendered from its catalogue entry. Created empty;
// on its first activation it builds its controls and loads every key from
// the store (ensureLoaded). readBack() is the data exchange with validation;
// save() reads back, writes every key with the setter of its kind, saves the
// file and clears the modified mark.
class ConfigPage : public QWidget, private PageContext
{
    Q_OBJECT
public:
    ConfigPage(PageDef definition, PageHost host, QWidget* parent = nullptr);
    ~ConfigPage() override;

    const std::string& name() const { return m_definition.name; }
    const PageDef& definition() const { return m_definition; }
    // "ENG_INILOG": the page word upper-cased behind the language prefix.
    QString templateName() const;
    QString caption() const;
    void setCaptionId(std::string textId);

    const std::string& helpRef() const { return m_helpRef; }
    // The reference is `document`, plus "#" and `anchor` when it is not empty.
    void setHelp(const std::string& document, const std::string& anchor);

    bool isLoaded() const { return m_loaded; }
    // Creates the controls without reading the store (so a sheet can take
    // its size from every page before any is shown).
    void ensureBuilt();
    void ensureLoaded();
    bool isModified() const { return m_modified; }

    // Controls to members with validation; false (message shown, focus on
    // the control) keeps the page.
    bool readBack();
    // Outcome of save(); SaveFailed shows no message: the sheet reports it.
    enum class SaveResult
    {
        Saved,
        SaveFailed,
        Refused
    };
    SaveResult save();
    // Writes the values the controls hold now into `target` (a store with
    // the same keys), without checking them and without the page's save
    // hook; nothing when the page was never loaded. For reviewing changes.
    void writeTo(config::ConfigStore& target);

    // The widget bound to a key (the checkbox of a PurgeDays pair), for tests
    // and hooks; nullptr when the page has none.
    QWidget* widgetFor(std::string_view key) const;
    QLineEdit* numberFieldFor(std::string_view key) const;
    ListBox* listFor(std::string_view key) const;
    QPushButton* buttonFor(const std::string& stemOrTarget) const;
    // The widget that carries a control's label (bold while its value
    // differs from the key's default); nullptr when the page has none.
    QWidget* labelWidgetFor(std::string_view key) const;
    // Puts a control back to its key's default, as its context menu does
    // (the page is then modified; nothing is saved).
    void resetToDefault(std::string_view key);

signals:
    void modifiedChanged();

private:
    struct Binding;

    void dropRepeatedAccessKeys();
    void build();
    void load();
    void write(config::ConfigStore& target, bool sheetValuesToo);
    void addControl(const Control& control, QGridLayout* grid, int& row, int columns, int& column);
    void setModified(bool modified);
    void updateEnabling();
    void controlChanged(const std::string& key);
    Binding* bindingFor(std::string_view key) const;
    void openExclusions(const Control& control);
    void openEditor(const Control& control);
    bool focusAndRefuse(Binding& binding, const QString& message);
    void addDefaultMarks(Binding& binding);
    void updateDefaultMarks();

    // PageContext
    FieldValue value(std::string_view key) const override;
    void setValue(std::string_view key, const FieldValue& value) override;
    std::vector<std::string> listValues(std::string_view key) const override;
    void setEnabled(std::string_view key, bool enabled) override;
    void setCaption(std::string_view textId) override;
    void message(MessageKind kind, const std::string& text) override;
    bool ask(const std::string& question) override;
    int language() const override;
    int sheetType() const override { return m_host.sheetType; }
    std::string programDir() const override;
    config::ConfigStore& store() override;

    PageDef m_definition;
    PageHost m_host;
    const PageHooks* m_hooks = nullptr;
    std::string m_captionId;
    std::string m_helpRef;
    bool m_built = false;
    bool m_loaded = false;
    bool m_modified = false;
    bool m_filling = false;
    std::vector<std::unique_ptr<Binding>> m_bindings;
    std::vector<std::unique_ptr<ListBinding>> m_lists;
    QSet<QLayout*> m_listGrids; // the grids that hold a list, which get the spare height
    std::unique_ptr<PageDefaults> m_defaults;
};

} // namespace morva::confui
