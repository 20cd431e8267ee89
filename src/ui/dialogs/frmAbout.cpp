#include "frmAbout.h"

#include <QDate>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include "platform/QtText.h"
#include "strings/Strings.h"

namespace {

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
    setWindowTitle(QText(TextId::About) + QLatin1Char(' ') + ProductTitle());
    lblAbout->setText(AboutText());
    lblAbout->setTextInteractionFlags(Qt::TextSelectableByMouse);
    cmdOK->setText(QText(TextId::Ok));
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
    const QString rights = QText(TextId::Copyright) + QLatin1Char(' ') + QString::number(kReleaseYear) +
                           QLatin1Char(' ') + QText(TextId::Authors) + QLatin1Char(' ') +
                           QText(TextId::AllRightsReserved);
    const QStringList lines{
        ProductTitle() + QLatin1Char(' ') + QText(TextId::RadioProgrammingSoftware),
        QText(TextId::For) + QLatin1Char(' ') + ProductTitle(),
        QString(),
        QText(TextId::Version) + QLatin1Char(' ') + kVersion,
        QText(TextId::Release) + QLatin1Char(' ') +
            QLocale::system().toString(kReleaseDate, QLocale::ShortFormat),
        QString(),
        rights,
    };
    return lines.join(QLatin1Char('\n'));
}
