#include "confui/Cwm_BasePropSheet.h"

#include "config/ConfigStore.h"
#include "config/MergeSave.h"
#include "confui/ChangesDialog.h"
#include "confui/ConflictDialog.h"
#include "confui/Messages.h"
#include "confui/QtTexts.h"
#include "confui/SaveFailureText.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QShortcut>
#include <QStackedWidget>
#include <QStyle>
#include <QTabBar>
#include <QVBoxLayout>
#include <algorithm>

namespace morva::confui {

Cwm_BasePropSheet::Cwm_BasePropSheet(const SheetEnvironment& environment, const QString& caption,
                                     int sheetType, QWidget* parent)
    : QDialog(parent), m_environment(withDesktopDefaults(environment)), m_sheetType(sheetType)
{
    setWindowTitle(caption);
    const int lang = m_environment.language;
    auto* layout = new QVBoxLayout(this);
    m_tabs = new QTabBar(this);
    m_tabs->setExpanding(false);
    m_tabs->setUsesScrollButtons(true);
    m_tabs->setDocumentMode(false);
    layout->addWidget(m_tabs);
    m_wizardTitle = new QLabel(this);
    m_wizardTitle->setTextFormat(Qt::PlainText);
    QFont titleFont = m_wizardTitle->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.2);
    m_wizardTitle->setFont(titleFont);
    m_wizardTitle->hide();
    layout->addWidget(m_wizardTitle);
    m_stack = new QStackedWidget(this);
    m_pageList = new QListWidget(this);
    m_pageList->setAccessibleName(uiText("a11y.pageList", lang));
    m_pageList->setSelectionMode(QAbstractItemView::SingleSelection);
    m_pageList->setTextElideMode(Qt::ElideNone);
    m_pageList->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    m_pageList->hide();
    auto* pageRow = new QHBoxLayout;
    pageRow->addWidget(m_pageList);
    pageRow->addWidget(m_stack, 1);
    layout->addLayout(pageRow, 1);

    auto* buttons = new QHBoxLayout;
    m_back = new QPushButton(uiText("confui.button.back", lang), this);
    m_next = new QPushButton(uiText("confui.button.next", lang), this);
    m_finish = new QPushButton(uiText("confui.button.finish", lang), this);
    m_ok = new QPushButton(uiText("confui.button.ok", lang), this);
    m_cancel = new QPushButton(uiText("confui.button.cancel", lang), this);
    m_apply = new QPushButton(uiText("confui.button.apply", lang), this);
    m_help = new QPushButton(uiText("confui.button.help", lang), this);
    m_changes = new QPushButton(uiText("merge.changes.button", lang), this);
    m_changes->setAutoDefault(false);
    buttons->addWidget(m_changes);
    buttons->addStretch(1);
    for (QPushButton* button : {m_back, m_next, m_finish, m_ok, m_cancel, m_apply, m_help}) {
        button->setAutoDefault(false);
        buttons->addWidget(button);
    }
    layout->addLayout(buttons);
    m_ok->setDefault(true);
    m_apply->setEnabled(false);

    connect(m_ok, &QPushButton::clicked, this, &Cwm_BasePropSheet::ok);
    connect(m_cancel, &QPushButton::clicked, this, &Cwm_BasePropSheet::reject);
    connect(m_apply, &QPushButton::clicked, this, &Cwm_BasePropSheet::apply);
    connect(m_help, &QPushButton::clicked, this, &Cwm_BasePropSheet::help);
    connect(m_back, &QPushButton::clicked, this, &Cwm_BasePropSheet::back);
    connect(m_next, &QPushButton::clicked, this, &Cwm_BasePropSheet::next);
    connect(m_finish, &QPushButton::clicked, this, &Cwm_BasePropSheet::finish);
    connect(m_changes, &QPushButton::clicked, this, &Cwm_BasePropSheet::showChanges);
    if (m_environment.store)
        m_loadedValues =
            std::make_unique<config::ConfigSnapshot>(config::snapshotOf(*m_environment.store));
    m_changes->setEnabled(m_environment.store != nullptr);
    connect(m_tabs, &QTabBar::currentChanged, this, &Cwm_BasePropSheet::selectorChose);
    connect(m_pageList, &QListWidget::currentRowChanged, this, &Cwm_BasePropSheet::selectorChose);
    const auto addStep = [this](QKeyCombination keys, int direction) {
        auto* shortcut = new QShortcut(QKeySequence(keys), this);
        connect(shortcut, &QShortcut::activated, this, [this, direction] { stepPage(direction); });
    };
    addStep(Qt::CTRL | Qt::Key_PageDown, 1);
    addStep(Qt::CTRL | Qt::Key_Tab, 1);
    addStep(Qt::CTRL | Qt::Key_PageUp, -1);
    addStep(Qt::CTRL | Qt::Key_Backtab, -1);
    addStep(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab, -1);
    addStep(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab, -1);
    setWizardMode(false);
}

Cwm_BasePropSheet::~Cwm_BasePropSheet() = default;

ConfigPage* Cwm_BasePropSheet::addPage(const PageDef& definition, const std::string& captionId)
{
    PageHost host;
    host.environment = &m_environment;
    host.sheetType = m_sheetType;
    host.sheetValues = &m_values;
    host.modified = [this] { updateButtons(); };
    host.saveFile = [this] { return saveFile(); };
    auto* page = new ConfigPage(definition, host);
    if (!captionId.empty())
        page->setCaptionId(captionId);
    page->setHelp(m_environment.helpDocument, definition.helpAnchor);
    auto* scroll = new QScrollArea;
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidget(page);
    m_stack->addWidget(scroll);
    m_pages.push_back(page);
    {
        const QSignalBlocker tabBlocker(m_tabs);
        const QSignalBlocker listBlocker(m_pageList);
        m_tabs->addTab(page->caption());
        m_pageList->addItem(page->caption());
    }
    updatePageSelector();
    return page;
}

ConfigPage* Cwm_BasePropSheet::page(std::string_view name) const
{
    for (ConfigPage* candidate : m_pages)
        if (candidate->name() == name)
            return candidate;
    return nullptr;
}

ConfigPage* Cwm_BasePropSheet::activePage() const
{
    return m_active >= 0 ? m_pages[static_cast<std::size_t>(m_active)] : nullptr;
}

void Cwm_BasePropSheet::setWizardMode(bool wizard)
{
    m_wizard = wizard;
    updatePageSelector();
    m_wizardTitle->setVisible(wizard);
    m_ok->setVisible(!wizard);
    m_apply->setVisible(!wizard);
    m_back->setVisible(wizard);
    m_next->setVisible(wizard);
    m_finish->setVisible(wizard);
    updateButtons();
}

bool Cwm_BasePropSheet::setActivePage(int index, bool validate)
{
    if (index < 0 || index >= pageCount())
        return false;
    if (m_active == index)
        return true;
    if (validate && m_active >= 0 && !activePage()->readBack())
        return false;
    ConfigPage* target = m_pages[static_cast<std::size_t>(index)];
    target->ensureLoaded();
    m_active = index;
    m_stack->setCurrentIndex(index);
    {
        const QSignalBlocker tabBlocker(m_tabs);
        const QSignalBlocker listBlocker(m_pageList);
        m_tabs->setCurrentIndex(index);
        m_tabs->setTabText(index, target->caption());
        m_pageList->setCurrentRow(index);
        m_pageList->item(index)->setText(target->caption());
    }
    m_wizardTitle->setText(target->caption());
    updateButtons();
    return true;
}

void Cwm_BasePropSheet::updatePageSelector()
{
    const bool list = usesPageList();
    m_tabs->setVisible(!m_wizard && !list);
    m_pageList->setVisible(list);
}

void Cwm_BasePropSheet::selectorChose(int index)
{
    if (index == m_active || index < 0)
        return;
    if (!setActivePage(index)) {
        const QSignalBlocker tabBlocker(m_tabs);
        const QSignalBlocker listBlocker(m_pageList);
        m_tabs->setCurrentIndex(m_active);
        m_pageList->setCurrentRow(m_active);
    }
}

void Cwm_BasePropSheet::stepPage(int direction)
{
    if (m_wizard || pageCount() < 2)
        return;
    const int from = std::max(m_active, 0);
    if (!setActivePage((from + direction + pageCount()) % pageCount()))
        return;
    // Focus left on the page that went away would be lost to the keyboard.
    const QWidget* focus = QApplication::focusWidget();
    if (!focus || !focus->isVisible()) {
        QWidget* selector = usesPageList() ? static_cast<QWidget*>(m_pageList) : m_tabs;
        selector->setFocus(Qt::TabFocusReason);
    }
}

void Cwm_BasePropSheet::loadAllPages()
{
    for (ConfigPage* page : m_pages)
        page->ensureLoaded();
}

bool Cwm_BasePropSheet::applyAll()
{
    m_saveFailed = false;
    if (m_pages.empty())
        return true;
    if (m_active < 0)
        setActivePage(0, false);
    ConfigPage* first = activePage();
    if (!first->readBack() || !decideConflictsFirst())
        return false;
    bool done = savePage(first);
    const int start = m_active;
    for (int index = 0; done && index < pageCount(); ++index) {
        if (index == start)
            continue;
        done = setActivePage(index) && savePage(page(index));
    }
    reportSaveFailure();
    return done;
}

bool Cwm_BasePropSheet::savePage(ConfigPage* page)
{
    const ConfigPage::SaveResult result = page->save();
    if (result == ConfigPage::SaveResult::SaveFailed)
        m_saveFailed = true;
    return result != ConfigPage::SaveResult::Refused;
}

void Cwm_BasePropSheet::reportSaveFailure()
{
    // Every page saves the file; when it changed on disk each of them fails
    // for the same reason, and the user hears it once.
    if (m_saveFailed)
        showMessage(
            this, MessageKind::Failure,
            QString::fromStdString(saveFailureText(*m_environment.store, m_environment.language)));
    else if (m_environment.store &&
             m_environment.store->lastSaveStatus() == config::SaveStatus::SavedNotDurable)
        showMessage(this, MessageKind::Notice,
                    uiText("confui.savedNotDurable", m_environment.language));
}

FileSaveResult Cwm_BasePropSheet::saveFile()
{
    config::ConfigStore* store = m_environment.store;
    const config::SaveOrigin origin{windowTitle().toStdString()};
    if (!store || !m_loadedValues)
        return store && store->save(origin) ? FileSaveResult::Saved : FileSaveResult::Failed;
    const config::MergeSaveResult result =
        config::saveMerging(*store, *m_loadedValues, conflictResolver(), m_decisions, origin);
    m_mergedSave = m_mergedSave || result.mergedWithDisk;
    switch (result.status) {
    case config::MergeSaveStatus::Saved:
        return FileSaveResult::Saved;
    case config::MergeSaveStatus::Cancelled:
        return FileSaveResult::Cancelled;
    case config::MergeSaveStatus::Failed:
        break;
    }
    return FileSaveResult::Failed;
}

config::ConflictResolver Cwm_BasePropSheet::conflictResolver()
{
    return [this](std::vector<config::KeyMerge>& conflicts) {
        ConflictDialog dialog(conflicts, m_environment.language, this);
        return m_environment.runDialog(dialog) == QDialog::Accepted;
    };
}

bool Cwm_BasePropSheet::decideConflictsFirst()
{
    config::ConfigStore* store = m_environment.store;
    if (!store || !m_loadedValues || !config::changedSinceRead(*store))
        return true;
    return config::decideConflicts(*store, *m_loadedValues, pendingValues(), conflictResolver(),
                                   m_decisions);
}

config::ConfigSnapshot Cwm_BasePropSheet::pendingValues() const
{
    config::ConfigStore& store = *m_environment.store;
    const config::ConfigSnapshot current = config::snapshotOf(store);
    auto pending = config::storeLike(store);
    for (std::size_t n = 0; n < current.size(); ++n)
        config::applyValue(*pending, current.keyAt(n), current.valueAt(n));
    for (ConfigPage* page : m_pages)
        page->writeTo(*pending);
    return config::snapshotOf(*pending);
}

std::vector<config::ChangeRow> Cwm_BasePropSheet::pendingChangeRows()
{
    if (!m_environment.store)
        return {};
    return config::changeRows(
        config::pendingChanges(config::snapshotOf(*m_environment.store), pendingValues()));
}

void Cwm_BasePropSheet::showChanges()
{
    ChangesDialog dialog(pendingChangeRows(), m_environment.language, this);
    m_environment.runDialog(dialog);
}

void Cwm_BasePropSheet::done(int result)
{
    // Merged saves leave the store with the values of this sheet; the
    // console goes on with the file as it is now.
    if (m_mergedSave && m_environment.store)
        m_environment.store->load();
    m_mergedSave = false;
    QDialog::done(result);
}

void Cwm_BasePropSheet::ok()
{
    if (applyAll())
        done(kIdOk);
}

void Cwm_BasePropSheet::finish()
{
    if (applyAll())
        done(kWizardFinish);
}

void Cwm_BasePropSheet::apply()
{
    // The active page first, then every other page with changes.
    m_saveFailed = false;
    ConfigPage* current = activePage();
    if (current && current->readBack() && decideConflictsFirst() && savePage(current)) {
        for (int index = 0; index < pageCount(); ++index) {
            if (index == m_active || !page(index)->isModified())
                continue;
            if (!setActivePage(index) || !savePage(page(index)))
                break;
        }
    }
    reportSaveFailure();
    updateButtons();
}

void Cwm_BasePropSheet::help()
{
    ConfigPage* page = activePage();
    if (!page || page->helpRef().empty())
        return;
    const QString reference = toQ(page->helpRef());
    if (!m_environment.openUrl(reference))
        showMessage(this, MessageKind::Notice,
                    uiText("confui.browserFailed", m_environment.language) + QLatin1Char('\n') +
                        reference);
}

void Cwm_BasePropSheet::back()
{
    setActivePage(m_active - 1, false);
}

void Cwm_BasePropSheet::next()
{
    setActivePage(m_active + 1);
}

void Cwm_BasePropSheet::reject()
{
    done(kIdCancel);
}

int Cwm_BasePropSheet::exec()
{
    if (m_active < 0 && !m_pages.empty())
        setActivePage(0, false);
    return QDialog::exec();
}

void Cwm_BasePropSheet::setVisible(bool visible)
{
    if (visible && !m_sized) {
        if (m_active < 0 && !m_pages.empty())
            setActivePage(0, false);
        fitPages();
    }
    QDialog::setVisible(visible);
}

void Cwm_BasePropSheet::fitPages()
{
    // The sheet takes its size once, before it shows, from its largest page
    // (built, not loaded), up to most of the screen; a taller page scrolls.
    // So it neither grows nor leaves its place when another page shows.
    m_sized = true;
    QSize wanted(0, 0);
    for (ConfigPage* page : m_pages) {
        page->ensureBuilt();
        // Styles and fonts are applied when a widget is polished; measure
        // pages as they will show.
        page->ensurePolished();
        if (QLayout* pageLayout = page->layout())
            pageLayout->activate();
        wanted = wanted.expandedTo(page->sizeHint()).expandedTo(page->minimumSizeHint());
    }
    QSize limit(1200, 860);
    if (const QScreen* screen = this->screen())
        limit = screen->availableGeometry().size() * 0.85;
    const int scrollBar = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    if (wanted.height() > limit.height())
        wanted.rwidth() += scrollBar;
    m_stack->setMinimumSize(wanted.boundedTo(limit));
    if (usesPageList()) {
        m_pageList->ensurePolished();
        // Every caption shows whole, with room for a scroll bar when the
        // list is longer than the sheet is high.
        m_pageList->setFixedWidth(m_pageList->sizeHintForColumn(0) + 2 * m_pageList->frameWidth() +
                                  scrollBar + m_pageList->spacing() * 2 + 8);
    }
    // Finish takes the place of Next on the last wizard page.
    const int stepWidth = std::max(m_next->sizeHint().width(), m_finish->sizeHint().width());
    m_next->setMinimumWidth(stepWidth);
    m_finish->setMinimumWidth(stepWidth);
    // The first show sizes the sheet to its hint, within the screen.
}

void Cwm_BasePropSheet::updateButtons()
{
    bool modified = false;
    for (ConfigPage* page : m_pages)
        modified = modified || page->isModified();
    m_apply->setEnabled(modified);
    if (!m_wizard)
        return;
    const bool first = m_active <= 0;
    const bool last = m_active == pageCount() - 1;
    m_back->setEnabled(!first);
    m_next->setVisible(!last);
    m_next->setEnabled(!last);
    m_finish->setVisible(last);
    m_finish->setEnabled(last);
    (last ? m_finish : m_next)->setDefault(true);
}

} // namespace morva::confui
