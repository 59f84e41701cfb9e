#include "app/LogFindDlg.h"

#include "app/Cwm_LogView.h"
#include "gui/Text.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace morva::app {

LogFindDlg::LogFindDlg(Cwm_LogView& view, int column, const QString& startText, int languageIndex)
    : QDialog(&view), m_view(view), m_column(column), m_language(languageIndex),
      m_text(new QLineEdit(startText, this)), m_find(new QPushButton(this)),
      m_notice(new QLabel(this))
{
    setObjectName(QStringLiteral("FindDlg"));
    setModal(false);
    setWindowTitle(gui::uiText("app.find.caption", languageIndex));
    m_notice->setTextFormat(Qt::PlainText);
    m_find->setText(gui::uiText("app.find.next", languageIndex));
    m_find->setDefault(true);
    auto* close = new QPushButton(gui::uiText("app.find.close", languageIndex), this);

    auto* form = new QFormLayout;
    form->addRow(gui::uiText("app.find.what", languageIndex), m_text);
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(m_find, QDialogButtonBox::ActionRole);
    buttons->addButton(close, QDialogButtonBox::RejectRole);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_notice);
    layout->addWidget(buttons);

    connect(m_find, &QPushButton::clicked, this, &LogFindDlg::findNext);
    connect(close, &QPushButton::clicked, this, &LogFindDlg::reject);
    m_text->selectAll();
}

QString LogFindDlg::notice() const
{
    return m_notice->text();
}

void LogFindDlg::findNext()
{
    const QString text = m_text->text();
    if (text.isEmpty())
        return;
    const QModelIndex current = m_view.currentIndex();
    bool wrapped = false;
    const int row =
        m_view.findNext(text, m_column, current.isValid() ? current.row() : -1, &wrapped);
    if (row < 0) {
        m_notice->setText(gui::uiText("app.find.notFound", m_language));
        return;
    }
    m_notice->setText(wrapped ? gui::uiText("app.find.wrapped", m_language) : QString());
}

} // namespace morva::app
