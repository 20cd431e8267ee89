#include "frmLanguage.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/QtText.h"
#include "strings/Strings.h"

frmLanguage::frmLanguage(QWidget* parent)
    : QDialog(parent),
      lblLang(new QLabel(QText(TextId::LanguageMode), this)),
      cboLang(new QComboBox(this)),
      cmdOK(new QPushButton(QText(TextId::Ok), this)),
      cmdCancel(new QPushButton(QText(TextId::Cancel), this))
{
    setObjectName(QStringLiteral("frmLanguage"));
    lblLang->setObjectName(QStringLiteral("lblLang"));
    cboLang->setObjectName(QStringLiteral("cboLang"));
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    setWindowTitle(QText(TextId::LanguageSetup));

    // Each language under its own name, so a wrong choice can be found again.
    cboLang->addItems({QString::fromStdString(TextIn(TextId::English, 0)),
                       QString::fromStdString(TextIn(TextId::Chinese, 1))});
    cboLang->setCurrentIndex(LanguageIndex());
    lblLang->setBuddy(cboLang);
    cmdOK->setDefault(true);

    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(cmdOK, QDialogButtonBox::AcceptRole);
    buttons->addButton(cmdCancel, QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &frmLanguage::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &frmLanguage::reject);

    auto* form = new QFormLayout;
    form->addRow(lblLang, cboLang);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void frmLanguage::accept()
{
    const int chosen = cboLang->currentIndex();
    if (chosen >= 0 && chosen != LanguageIndex()) SetLanguageIndex(static_cast<std::uint8_t>(chosen));
    QDialog::accept();
}
