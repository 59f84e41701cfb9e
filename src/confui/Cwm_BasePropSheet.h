#pragma once

#include "config/ChangeRows.h"
#include "config/ConfigSnapshot.h"
#include "config/MergeSave.h"
#include "confui/Catalogue.h"
#include "confui/ConfigPage.h"
#include "confui/SheetEnvironment.h"

#include <QDialog>
#include <memory>
#include <vector>

class QLabel;
class QListWidget;
class QPushButton;
class QStackedWidget;
class QTabBar;

namespace morva::confui {

// The common property sheet: pages behind tabs, or, with more than
// kMaxTabbedPages pages, a list of pages beside the page (a row of that many
// tabs would need scroll arrows); in wizard mode one page after another with
// Back, Next and Finish. Ctrl+PgDn / Ctrl+Tab and Ctrl+PgUp / Ctrl+Shift+Tab
// step through the pages outside the wizard. With OK, Cancel, Apply and
// Help. OK applies every page: the active page is validated and saved, then
// every other page in order is activated (loading it when it was never
// shown) and saved, so the file is saved once per page. A page that refuses
// stops OK and stays showing. Cancel writes nothing more; what Apply wrote
// stays. Results: kIdOk, kIdCancel, kWizardFinish.
//
// When "Morva.ini" changed on disk since the store read it, a save merges
// the sheet's changes with the file as it is now (what the store held when
// the sheet opened is the common base); keys changed on both sides are
// decided in a ConflictDialog, and when the user cancels it nothing is saved
// and the sheet stays open. "Changes..." lists what OK would change.
class Cwm_BasePropSheet : public QDialog
{
    Q_OBJECT
public:
    Cwm_BasePropSheet(const SheetEnvironment& environment, const QString& caption,
                      int sheetType = 0, QWidget* parent = nullptr);
    ~Cwm_BasePropSheet() override;

    // Adds a page built from its catalogue entry; the sheet owns it.
    ConfigPage* addPage(const PageDef& definition, const std::string& captionId = {});
    void setWizardMode(bool wizard);
    bool isWizard() const { return m_wizard; }

    static constexpr int kMaxTabbedPages = 8;

    int pageCount() const { return static_cast<int>(m_pages.size()); }
    ConfigPage* page(int index) const { return m_pages.at(static_cast<std::size_t>(index)); }
    ConfigPage* page(std::string_view name) const;
    int activeIndex() const { return m_active; }
    ConfigPage* activePage() const;

    // Makes page `index` the active one; leaving the current page validates
    // it unless `validate` is false. False when the current page refused.
    bool setActivePage(int index, bool validate = true);
    // The OK logic without closing the sheet; true when no page refused. A
    // failed save of the file is reported once, however many pages failed.
    bool applyAll();
    // Whether the last OK or Apply could not save the file (and said so).
    bool saveFailed() const { return m_saveFailed; }
    // Loads every page now (sheets whose builder reads every key first).
    void loadAllPages();

    // The changes OK would save now: the values of every loaded page
    // against what the store holds, secrets masked.
    std::vector<config::ChangeRow> pendingChangeRows();
    // Shows them in a ChangesDialog.
    void showChanges();

    SheetValues& sheetValues() { return m_values; }
    const SheetEnvironment& environment() const { return m_environment; }

    // The page selector that shows: the list beside the pages or the tabs
    // above them (none in wizard mode).
    bool usesPageList() const { return !m_wizard && pageCount() > kMaxTabbedPages; }
    QListWidget* pageList() const { return m_pageList; }
    QTabBar* tabBar() const { return m_tabs; }

    QPushButton* okButton() const { return m_ok; }
    QPushButton* cancelButton() const { return m_cancel; }
    QPushButton* applyButton() const { return m_apply; }
    QPushButton* helpButton() const { return m_help; }
    QPushButton* changesButton() const { return m_changes; }
    QPushButton* backButton() const { return m_back; }
    QPushButton* nextButton() const { return m_next; }
    QPushButton* finishButton() const { return m_finish; }

    int exec() override;

public slots:
    void ok();
    void apply();
    void help();
    void back();
    void next();
    void finish();
    void reject() override;
    void done(int result) override;

    void setVisible(bool visible) override;

private:
    void updateButtons();
    void updatePageSelector();
    // Steps to the next (+1) or previous (-1) page, round the end.
    void stepPage(int direction);
    // The tabs or the list asked for page `index`; back to the active one
    // when the current page refused.
    void selectorChose(int index);
    void fitPages();
    // Saves a page; false when it refused. Notes a failed file save.
    bool savePage(ConfigPage* page);
    void reportSaveFailure();
    // The file save of a page: merges with the file when it changed on disk.
    FileSaveResult saveFile();
    // When the file changed on disk, has the conflicts of every page decided
    // before the first page saves; false when the user cancelled.
    bool decideConflictsFirst();
    // The store's values with what every loaded page holds now written over.
    config::ConfigSnapshot pendingValues() const;
    config::ConflictResolver conflictResolver();

    SheetEnvironment m_environment;
    int m_sheetType;
    SheetValues m_values;
    std::vector<ConfigPage*> m_pages;
    int m_active = -1;
    bool m_wizard = false;
    bool m_sized = false;
    bool m_saveFailed = false;
    // What the store held when the sheet opened: the base of a merge.
    std::unique_ptr<config::ConfigSnapshot> m_loadedValues;
    // A save merged with the file: the store is read again when the sheet closes.
    bool m_mergedSave = false;
    config::MergeDecisions m_decisions;
    QTabBar* m_tabs;
    QListWidget* m_pageList;
    QLabel* m_wizardTitle;
    QStackedWidget* m_stack;
    QPushButton* m_ok;
    QPushButton* m_cancel;
    QPushButton* m_apply;
    QPushButton* m_help;
    QPushButton* m_changes;
    QPushButton* m_back;
    QPushButton* m_next;
    QPushButton* m_finish;
};

} // namespace morva::confui
