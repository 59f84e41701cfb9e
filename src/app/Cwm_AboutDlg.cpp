#include "app/Cwm_AboutDlg.h"

#include "app/ToolbarIcons.h"
#include "app/WebPages.h"
#include "gui/Text.h"
#include "platform/FileVersion.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QSysInfo>
#include <QVBoxLayout>

namespace morva::app {

namespace {

QLabel* plainLabel(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    return label;
}

// A link built only from our own constant texts.
QLabel* linkLabel(const QString& target, const QString& shown,
                  const Cwm_AboutDlg::LinkOpener& opener, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setTextFormat(Qt::RichText);
    label->setText(
        QStringLiteral("<a href=\"%1\">%2</a>").arg(target.toHtmlEscaped(), shown.toHtmlEscaped()));
    label->setOpenExternalLinks(false);
    label->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    QObject::connect(label, &QLabel::linkActivated, label,
                     [opener, parent](const QString& link) { opener(parent, link.toStdString()); });
    return label;
}

} // namespace

QString Cwm_AboutDlg::operatingSystemName()
{
    const QString pretty = QSysInfo::prettyProductName();
    return pretty.isEmpty() ? QSysInfo::kernelType() : pretty;
}

Cwm_AboutDlg::Cwm_AboutDlg(QWidget* parent, int languageIndex, LinkOpener urlOpener)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("ABOUT"));
    setWindowTitle(gui::uiText("app.about.caption", languageIndex));

    auto* icon = new QLabel(this);
    icon->setPixmap(applicationIcon().pixmap(48, 48));
    // The version morvactl --version prints (from platform/FileVersion.h).
    auto* product =
        plainLabel(QStringLiteral("Morva v") + QString::fromLatin1(version::kText), this);
    product->setObjectName(QStringLiteral("product"));
    QFont big = product->font();
    big.setPointSizeF(big.pointSizeF() * 1.4);
    big.setBold(true);
    product->setFont(big);

    auto* grid = new QGridLayout;
    grid->addWidget(plainLabel(gui::uiText("app.about.web", languageIndex), this), 0, 0);
    grid->addWidget(linkLabel(QString::fromLatin1(maker::kHomePage),
                              QString::fromLatin1(maker::kHomePage), urlOpener, this),
                    0, 1);
    grid->addWidget(plainLabel(gui::uiText("app.about.support", languageIndex), this), 1, 0);
    const QString mail = QString::fromLatin1(maker::kSupportMail);
    grid->addWidget(linkLabel(QStringLiteral("mailto:") + mail, mail, urlOpener, this), 1, 1);

    auto* system = plainLabel(systemLine(), this);
    system->setObjectName(QStringLiteral("static401"));

    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(gui::uiText("app.button.ok", languageIndex), QDialogButtonBox::AcceptRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* text = new QVBoxLayout;
    text->addWidget(product);
    text->addWidget(plainLabel(gui::uiText("app.about.copyright", languageIndex), this));
    text->addSpacing(8);
    text->addWidget(plainLabel(QString::fromUtf8(maker::kPostalAddress), this));
    text->addSpacing(8);
    text->addLayout(grid);
    text->addSpacing(8);
    text->addWidget(system);
    auto* top = new QHBoxLayout;
    top->addWidget(icon, 0, Qt::AlignTop);
    top->addSpacing(12);
    top->addLayout(text);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(buttons);
}

QString Cwm_AboutDlg::systemLine() const
{
    return gui::uiText("common.caption", English) + QStringLiteral(" (") + operatingSystemName() +
           QLatin1Char(')');
}

} // namespace morva::app
