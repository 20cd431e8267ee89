#include "frmPrint.h"

#include <cmath>

#include <QCheckBox>
#include <QDateTime>
#include <QFocusEvent>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPushButton>
#include <QTimer>

#include "core/AppState.h"
#include "core/BandTable.h"
#include "platform/Prompter.h"
#include "platform/QtPrintSurface.h"
#include "platform/QtText.h"
#include "platform/TypedTextFilter.h"
#include "strings/Strings.h"

namespace {

constexpr int kMaxRangeDigits = 3;
constexpr int kHighestChannel = 128;

// Leading decimal number of the text ("12abc" -> 12, "" -> 0), rounded half to even.
double LeadingNumber(const QString& text)
{
    const QString t = text.trimmed();
    int end = 0;
    if (end < t.size() && (t[end] == u'+' || t[end] == u'-')) ++end;
    while (end < t.size() && t[end].isDigit()) ++end;
    if (end < t.size() && t[end] == u'.') {
        ++end;
        while (end < t.size() && t[end].isDigit()) ++end;
    }
    bool ok = false;
    const double value = t.left(end).toDouble(&ok);
    return ok ? std::nearbyint(value) : 0.0;
}

QString Plain(double value) { return QString::number(value, 'f', 0); }

// Focus that goes and comes back with another window (or a popup) is not the
// user leaving or entering the box: a range half typed before switching away
// is neither validated nor selected for overtyping.
bool IsWindowSwitch(const QEvent& event)
{
    const Qt::FocusReason reason = static_cast<const QFocusEvent&>(event).reason();
    return reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason;
}

QPushButton* Button(QWidget* parent, const char* name, int textId)
{
    auto* button = new QPushButton(QText(textId), parent);
    button->setObjectName(QLatin1String(name));
    // No default button: Enter never prints by accident.
    button->setAutoDefault(false);
    return button;
}

}  // namespace

QString ValidatedRangeStart(const QString& start, const QString& end)
{
    const double first = LeadingNumber(start);
    return first < 1 || LeadingNumber(end) < first ? QStringLiteral("1") : Plain(first);
}

QString ValidatedRangeEnd(const QString& start, const QString& end)
{
    const double last = LeadingNumber(end);
    return last > kHighestChannel || LeadingNumber(start) > last ? QString::number(kHighestChannel)
                                                                 : Plain(last);
}

frmPrint::frmPrint(const AppState& state, Prompter& prompter, QWidget* parent)
    : QDialog(parent),
      m_state(state),
      m_prompter(prompter),
      m_bandLabel(QString::fromStdString(BandText(state.memoryImage)))
{
    setObjectName(QStringLiteral("frmPrint"));
    setWindowTitle(QText(TextId::PrintOutList));
    buildControls();
    enableRange(false);
}

void frmPrint::buildControls()
{
    chkPrintItem_1 = new QCheckBox(QText(TextId::MemoryChannel), this);
    chkPrintItem_1->setObjectName(QStringLiteral("chkPrintItem_1"));
    chkPrintItem_2 = new QCheckBox(QText(TextId::OptionalFeatures), this);
    chkPrintItem_2->setObjectName(QStringLiteral("chkPrintItem_2"));
    lblFrom = new QLabel(QText(TextId::From), this);
    lblFrom->setObjectName(QStringLiteral("lblFrom"));
    lblTo = new QLabel(QText(TextId::To), this);
    lblTo->setObjectName(QStringLiteral("lblTo"));
    txtRange_0 = new QLineEdit(QStringLiteral("1"), this);
    txtRange_0->setObjectName(QStringLiteral("txtRange_0"));
    txtRange_1 = new QLineEdit(QString::number(kHighestChannel), this);
    txtRange_1->setObjectName(QStringLiteral("txtRange_1"));
    lblFrom->setBuddy(txtRange_0);
    lblTo->setBuddy(txtRange_1);
    for (QLineEdit* box : {txtRange_0, txtRange_1}) {
        box->setContextMenuPolicy(Qt::NoContextMenu);
        box->setAcceptDrops(false);
        new TypedTextFilter(*box, AcceptDigit, kMaxRangeDigits, TypedTextFilter::Full::UnlessSelected);
        box->setFixedWidth(box->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 12);
        box->setAlignment(Qt::AlignRight);
        box->installEventFilter(this);
    }
    chkPrintItem_1->installEventFilter(this);
    chkPrintItem_2->installEventFilter(this);

    cmdSelectAll = Button(this, "cmdSelectAll", TextId::SelectAll);
    cmdClearAll = Button(this, "cmdClearAll", TextId::ClearAll);
    cmdSetup = Button(this, "cmdSetup", TextId::Setup);
    cmdPreview = Button(this, "cmdPreview", TextId::PrintPreview);
    cmdCancel = Button(this, "cmdCancel", TextId::Cancel);
    cmdOK = Button(this, "cmdOK", TextId::Ok);

    auto* grid = new QGridLayout(this);
    grid->addWidget(chkPrintItem_1, 0, 0);
    auto* range = new QHBoxLayout;
    range->addWidget(lblFrom);
    range->addWidget(txtRange_0);
    range->addSpacing(8);
    range->addWidget(lblTo);
    range->addWidget(txtRange_1);
    range->addStretch();
    grid->addLayout(range, 0, 1, 1, 2);
    grid->addWidget(chkPrintItem_2, 1, 0, 1, 3);
    grid->setRowMinimumHeight(2, 8);
    grid->addWidget(cmdSelectAll, 3, 0);
    grid->addWidget(cmdSetup, 3, 1);
    grid->addWidget(cmdCancel, 3, 2);
    grid->addWidget(cmdClearAll, 4, 0);
    grid->addWidget(cmdPreview, 4, 1);
    grid->addWidget(cmdOK, 4, 2);
    grid->setSizeConstraint(QLayout::SetFixedSize);

    QWidget* order[] = {chkPrintItem_1, txtRange_0, txtRange_1, chkPrintItem_2, cmdSelectAll,
                        cmdClearAll,    cmdSetup,   cmdPreview, cmdCancel,      cmdOK};
    for (std::size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);

    // toggled also fires for Select All / Clear All, as a click would.
    connect(chkPrintItem_1, &QCheckBox::toggled, this, &frmPrint::enableRange);
    connect(cmdSelectAll, &QPushButton::clicked, this, [this] { setBothItems(true); });
    connect(cmdClearAll, &QPushButton::clicked, this, [this] { setBothItems(false); });
    connect(cmdSetup, &QPushButton::clicked, this, &frmPrint::runSetup);
    connect(cmdPreview, &QPushButton::clicked, this, &frmPrint::runPreview);
    connect(cmdCancel, &QPushButton::clicked, this, &frmPrint::reject);
    connect(cmdOK, &QPushButton::clicked, this, &frmPrint::runPrint);
}

void frmPrint::enableRange(bool on)
{
    txtRange_0->setEnabled(on);
    txtRange_1->setEnabled(on);
}

void frmPrint::setBothItems(bool checked)
{
    chkPrintItem_1->setChecked(checked);
    chkPrintItem_2->setChecked(checked);
}

void frmPrint::validateStart()
{
    txtRange_0->setText(ValidatedRangeStart(txtRange_0->text(), txtRange_1->text()));
}

void frmPrint::validateEnd()
{
    txtRange_1->setText(ValidatedRangeEnd(txtRange_0->text(), txtRange_1->text()));
}

bool frmPrint::eventFilter(QObject* watched, QEvent* event)
{
    auto* box = qobject_cast<QLineEdit*>(watched);
    const bool isRange = box == txtRange_0 || box == txtRange_1;
    switch (event->type()) {
        case QEvent::KeyPress: {
            const auto* key = static_cast<QKeyEvent*>(event);
            if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
                focusNextChild();
                return true;
            }
            break;
        }
        case QEvent::FocusIn:
            // Deferred: a mouse click would otherwise drop the selection at once.
            if (isRange && !IsWindowSwitch(*event)) QTimer::singleShot(0, box, &QLineEdit::selectAll);
            break;
        case QEvent::FocusOut:
            if (IsWindowSwitch(*event)) break;
            if (box == txtRange_0) validateStart();
            if (box == txtRange_1) validateEnd();
            break;
        default:
            break;
    }
    return QDialog::eventFilter(watched, event);
}

void frmPrint::validateFocusedRangeBox()
{
    if (focusWidget() == txtRange_0) validateStart();
    if (focusWidget() == txtRange_1) validateEnd();
}

PrintChoices frmPrint::choices() const
{
    PrintChoices c;
    c.memoryChannels = chkPrintItem_1->isChecked();
    c.optionalFeatures = chkPrintItem_2->isChecked();
    c.firstChannel = txtRange_0->text().toInt();
    c.lastChannel = txtRange_1->text().toInt();
    c.bandLabel = m_bandLabel;
    c.printedAt = QDateTime::currentDateTime();
    return c;
}

bool frmPrint::anythingSelected()
{
    if (chkPrintItem_1->isChecked() || chkPrintItem_2->isChecked()) return true;
    ShowNotice(m_prompter, this, QText(TextId::SelectPrintingItems), ProductTitle(),
               Prompter::Icon::Information);
    return false;
}

void frmPrint::runSetup()
{
    // Cancelling keeps the printer as it was; there is nothing to report.
    QPageSetupDialog dialog(&m_printer, this);
    dialog.setObjectName(QStringLiteral("dlgPrintSetup"));
    m_prompter.exec(dialog);
}

void frmPrint::runPreview()
{
    validateFocusedRangeBox();
    if (!anythingSelected()) return;
    const PrintChoices job = choices();
    QPrintPreviewDialog dialog(&m_printer, this);
    dialog.setObjectName(QStringLiteral("dlgPrintPreview"));
    connect(&dialog, &QPrintPreviewDialog::paintRequested, this, [this, &job](QPrinter* printer) {
        QtPrintSurface surface(*printer);
        if (!surface.started() || !PrintDocument(surface, m_state, job)) reportFailure();
    });
    m_prompter.exec(dialog);
}

void frmPrint::runPrint()
{
    validateFocusedRangeBox();
    if (!anythingSelected()) return;
    QPrintDialog dialog(&m_printer, this);
    dialog.setObjectName(QStringLiteral("dlgPrint"));
    // The job always prints every page it lays out.
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    if (m_prompter.exec(dialog) != QDialog::Accepted) return;

    const PrintChoices job = choices();
    QtPrintSurface surface(m_printer);
    if (!surface.started() || !PrintDocument(surface, m_state, job)) {
        reportFailure();
        return;
    }
    accept();
}

void frmPrint::reportFailure()
{
    QString text = QText(TextId::PrintingFailed);
    if (m_printer.outputFormat() == QPrinter::PdfFormat && !m_printer.outputFileName().isEmpty())
        text += QStringLiteral("\n") + m_printer.outputFileName();
    ShowNotice(m_prompter, this, text, QText(TextId::Error), Prompter::Icon::Exclamation);
}

void ShowPrintDialog(AppState& state, Prompter& prompter, QWidget* parent)
{
    frmPrint dialog(state, prompter, parent);
    prompter.exec(dialog);
}
