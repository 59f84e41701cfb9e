#include "gui/Cwm_WaitDlg.h"

#include "gui/Text.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace morva::gui {

Cwm_WaitDlg::Cwm_WaitDlg(QWidget* parent, int languageIndex)
    : QDialog(parent), m_text(new QLabel(this)), m_cancel(new QPushButton(this))
{
    setObjectName(QStringLiteral("Wait"));
    setModal(false);
    m_text->setTextFormat(Qt::PlainText);
    m_text->setWordWrap(true);
    m_text->setMinimumWidth(280);
    m_cancel->setText(gui::uiText("app.button.cancel", languageIndex));
    connect(m_cancel, &QPushButton::clicked, this, &Cwm_WaitDlg::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_cancel);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_text);
    layout->addLayout(buttons);
}

void Cwm_WaitDlg::setText(const QString& text)
{
    m_text->setText(text);
}

QString Cwm_WaitDlg::text() const
{
    return m_text->text();
}

void Cwm_WaitDlg::reject()
{
    m_cancelled = true;
    emit cancelled();
    ConsoleWait::instance().interrupt();
    QDialog::reject();
}

} // namespace morva::gui
