#include "frmCopy.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "core/CellTyping.h"
#include "core/ChannelCopy.h"
#include "core/FreqCodec.h"
#include "core/ToneCodec.h"
#include "platform/Prompter.h"
#include "platform/QtText.h"
#include "platform/TypedTextFilter.h"
#include "strings/Strings.h"

namespace {

struct ModeTexts {
    int caption;
    int sourceLabel;
    int destinationLabel;
};

constexpr ModeTexts kModeTexts[] = {{TextId::ChannelCopy, TextId::Channel, TextId::Channel},
                                    {TextId::FrequencyCopy, TextId::Receive, TextId::Transmit},
                                    {TextId::QtDqtCopy, TextId::Decode, TextId::Encode}};

// Longest destination text that can still be typed into, by mode.
constexpr int kMaxChannelDigits = 3;
constexpr int kMaxFrequencyChars = 9;

template <typename T>
T* named(QWidget* parent, const char* name)
{
    auto* widget = new T(parent);
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

bool isEnter(const QKeyEvent& key) { return key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter; }

}  // namespace

frmCopy::frmCopy(AppState& state, Prompter& prompter, const Source& source,
                 std::function<void(int channel)> renderChannelRow, QWidget* parent)
    : QDialog(parent),
      m_state(state),
      m_prompter(prompter),
      m_renderChannelRow(std::move(renderChannelRow)),
      m_mode(state.copyMode <= kCopyTone ? state.copyMode : kCopyChannel)
{
    setObjectName(QStringLiteral("frmCopy"));
    buildControls(source);
}

void frmCopy::buildControls(const Source& source)
{
    const ModeTexts& texts = kModeTexts[m_mode];
    setWindowTitle(QText(texts.caption));
    lbl1 = named<QLabel>(this, "lbl1");
    lbl1->setText(QText(texts.sourceLabel));
    lbl2 = named<QLabel>(this, "lbl2");
    lbl2->setText(QText(TextId::LowercaseTo));
    lbl3 = named<QLabel>(this, "lbl3");
    lbl3->setText(QText(texts.destinationLabel));
    lblSource = named<QLabel>(this, "lblSource");
    lblSource->setFrameShape(QFrame::Panel);
    lblSource->setFrameShadow(QFrame::Sunken);
    const QString sourceText = m_mode == kCopyChannel     ? QString::number(m_state.currentRow)
                               : m_mode == kCopyFrequency ? source.rxFreq
                                                          : source.decode;
    lblSource->setText(sourceText);

    txtDest = named<QLineEdit>(this, "txtDest");
    if (m_mode == kCopyFrequency)
        new TypedTextFilter(*txtDest, AcceptDigitOrPoint, kMaxFrequencyChars,
                            TypedTextFilter::Full::UnlessSelected);
    else
        new TypedTextFilter(*txtDest, AcceptDigit, kMaxChannelDigits, TypedTextFilter::Full::UnlessSelected);
    txtDest->installEventFilter(this);
    cboCode = named<QComboBox>(this, "cboCode");
    cboCode->installEventFilter(this);
    const int fieldWidth = fontMetrics().horizontalAdvance(QStringLiteral("000.000000")) + 24;
    txtDest->setMinimumWidth(fieldWidth);
    lblSource->setMinimumWidth(fieldWidth);

    QWidget* destination = txtDest;
    if (m_mode == kCopyTone) {
        // Only entries of the list in force: StoreTone takes nothing else.
        for (const std::string& tone : ToneList(m_state.toneListLast))
            cboCode->addItem(QString::fromStdString(tone));
        cboCode->setCurrentIndex(std::max(0, cboCode->findText(sourceText)));
        txtDest->hide();
        destination = cboCode;
    } else {
        cboCode->hide();
        txtDest->setText(sourceText);
        txtDest->selectAll();
    }

    cmdOK = named<QPushButton>(this, "cmdOK");
    cmdOK->setText(QText(TextId::Ok));
    cmdCancel = named<QPushButton>(this, "cmdCancel");
    cmdCancel->setText(QText(TextId::Cancel));
    for (QPushButton* button : {cmdOK, cmdCancel}) button->setAutoDefault(false);
    connect(cmdOK, &QPushButton::clicked, this, &frmCopy::okClicked);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* fields = new QGridLayout;
    fields->addWidget(lbl1, 0, 0);
    fields->addWidget(lblSource, 0, 1);
    fields->addWidget(lbl2, 1, 1, Qt::AlignHCenter);
    fields->addWidget(lbl3, 2, 0);
    fields->addWidget(destination, 2, 1);
    fields->setColumnStretch(1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);
    auto* outer = new QVBoxLayout(this);
    outer->addLayout(fields);
    outer->addLayout(buttons);
    outer->setSizeConstraint(QLayout::SetFixedSize);
    destination->setFocus();
}

bool frmCopy::eventFilter(QObject* watched, QEvent* event)
{
    const bool destination = watched == txtDest || watched == cboCode;
    if (destination && event->type() == QEvent::KeyPress && isEnter(*static_cast<QKeyEvent*>(event))) {
        enterAction();
        return true;
    }
    if (watched == txtDest && event->type() == QEvent::FocusIn) {
        // Coming back from another window is not entering the box: what the
        // user was typing is not selected for overtyping.
        if (static_cast<QFocusEvent*>(event)->reason() == Qt::ActiveWindowFocusReason) return false;
        // After the click that gave the focus has placed the caret.
        QTimer::singleShot(0, txtDest, [this] { txtDest->selectAll(); });
        return false;
    }
    return QDialog::eventFilter(watched, event);
}

void frmCopy::copyChannel()
{
    const auto destination = ParseChannelNumber(txtDest->text().toStdString());
    const bool copied = destination.has_value() && CopyChannel(m_state.memoryImage, m_state.channelCount,
                                                               m_state.currentRow, *destination);
    if (copied)
        m_renderChannelRow(*destination);
    else
        ShowNotice(m_prompter, this, QText(TextId::ChannelOutOfRange), ProductTitle(),
                   Prompter::Icon::Exclamation);
    txtDest->setText(lblSource->text());
    txtDest->selectAll();
}

void frmCopy::enterAction()
{
    switch (m_mode) {
        case kCopyChannel:
            copyChannel();
            return;
        case kCopyFrequency:
            m_result.clear();
            if (!txtDest->text().isEmpty()) {
                const NormalizedFreq normalized =
                    NormalizeFreq(txtDest->text().toStdString(), m_state.bandLowerMHz, m_state.bandUpperMHz);
                if (const std::optional<CellNotice> notice = OutOfRangeNotice(m_state, normalized))
                    ShowNotice(m_prompter, this, QString::fromStdString(notice->text), ProductTitle(),
                               Prompter::Icon::Exclamation);
                m_result = QString::fromStdString(normalized.text);
            }
            accept();
            return;
        default:
            m_result = cboCode->currentText();
            accept();
    }
}

void frmCopy::okClicked()
{
    enterAction();
    if (m_mode == kCopyChannel) accept();
}
