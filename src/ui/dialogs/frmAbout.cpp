#include "frmAbout.h"

#include <QDate>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include "strings/Strings.h"

namespace {

QString Tr(int id) { return QString::fromStdString(Text(id)); }

const QString kProduct = QStringLiteral("ZQ-915");
const QString kVersion = QStringLiteral("1.00");
constexpr int kReleaseYear = 2010;
const QDate kReleaseDate(kReleaseYear, 6, 19);

}  // namespace

frmAbout::frmAbout(QWidget* parent)
    : QDialog(parent), lblAbout(new QLabel(this)), cmdOK(new QPushButton(this))
{
    setObjectName(QStringLiteral("frmAbout"));
    lblAbout->setObjectName(QStringLiteral("lblAbout"));
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    setWindowTitle(Tr(1334) + QLatin1Char(' ') + kProduct);
    lblAbout->setText(AboutText());
    lblAbout->setTextInteractionFlags(Qt::TextSelectableByMouse);
    cmdOK->setText(Tr(1102));
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::accept);

    auto* icon = new QLabel(this);
    const int side = style()->pixelMetric(QStyle::PM_LargeIconSize) * 2;
    icon->setPixmap(windowIcon().pixmap(side, side));
    icon->setAlignment(Qt::AlignTop);

    auto* content = new QHBoxLayout;
    content->setSpacing(16);
    content->addWidget(icon);
    content->addWidget(lblAbout, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdOK);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(content);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QString frmAbout::AboutText()
{
    const QString rights = Tr(1327) + QLatin1Char(' ') + QString::number(kReleaseYear) + QLatin1Char(' ') +
                           Tr(1305) + QLatin1Char(' ') + Tr(1328);
    const QStringList lines{
        kProduct + QLatin1Char(' ') + Tr(1323),
        Tr(1324) + QLatin1Char(' ') + kProduct,
        QString(),
        Tr(1325) + QLatin1Char(' ') + kVersion,
        Tr(1326) + QLatin1Char(' ') + QLocale::system().toString(kReleaseDate, QLocale::ShortFormat),
        QString(),
        rights,
    };
    return lines.join(QLatin1Char('\n'));
}
