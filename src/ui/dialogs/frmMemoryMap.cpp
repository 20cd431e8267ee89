#include "frmMemoryMap.h"

#include <optional>

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>

#include "platform/TypedTextFilter.h"

namespace {

constexpr int kBytesPerRow = 16;
constexpr int kGridRows = MemoryImage::kSize / kBytesPerRow;
constexpr int kVisibleRows = 16;

QString hexByte(std::uint8_t value)
{
    return QStringLiteral("%1").arg(value, 2, 16, QLatin1Char('0')).toUpper();
}

// Cells only ever hold two upper-case hexadecimal digits.
std::uint8_t parseHexByte(const QString& text) { return static_cast<std::uint8_t>(text.toUInt(nullptr, 16)); }

std::optional<QChar> AcceptHexDigit(QChar typed)
{
    const QChar digit = typed.toUpper();
    const bool hex = (digit >= u'0' && digit <= u'9') || (digit >= u'A' && digit <= u'F');
    return hex ? std::optional<QChar>(digit) : std::nullopt;
}

bool isEnter(const QKeyEvent& key) { return key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter; }

}  // namespace

frmMemoryMap::frmMemoryMap(MemoryImage& image, QWidget* parent) : QDialog(parent), m_image(image)
{
    setObjectName(QStringLiteral("frmMemoryMap"));
    setWindowTitle(QStringLiteral("Memory Map"));
    buildControls();
    fillFromImage();
    msgMemory->setCurrentCell(0, 0);
}

void frmMemoryMap::buildControls()
{
    msgMemory = new QTableWidget(kGridRows, kBytesPerRow, this);
    msgMemory->setObjectName(QStringLiteral("msgMemory"));
    msgMemory->setEditTriggers(QAbstractItemView::NoEditTriggers);
    msgMemory->setSelectionMode(QAbstractItemView::SingleSelection);
    msgMemory->setTabKeyNavigation(false);
    msgMemory->setCornerButtonEnabled(false);

    QStringList columnHeadings;
    for (int c = 0; c < kBytesPerRow; ++c) columnHeadings << QString::number(c, 16).toUpper();
    msgMemory->setHorizontalHeaderLabels(columnHeadings);
    QStringList rowHeadings;
    for (int r = 0; r < kGridRows; ++r)
        rowHeadings << QStringLiteral("%1_").arg(r, 3, 16, QLatin1Char('0')).toUpper();
    msgMemory->setVerticalHeaderLabels(rowHeadings);
    msgMemory->verticalHeader()->setDefaultAlignment(Qt::AlignCenter);

    const QFontMetrics metrics(msgMemory->font());
    const int cellWidth = metrics.horizontalAdvance(QStringLiteral("WW")) + 10;
    const int rowHeight = metrics.height() + 6;
    msgMemory->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    msgMemory->horizontalHeader()->setDefaultSectionSize(cellWidth);
    msgMemory->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    msgMemory->verticalHeader()->setDefaultSectionSize(rowHeight);
    msgMemory->verticalHeader()->setMinimumWidth(metrics.horizontalAdvance(QStringLiteral("0FF_")) + 14);
    msgMemory->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    msgMemory->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    const int frame = 2 * msgMemory->frameWidth();
    msgMemory->setFixedSize(
        msgMemory->verticalHeader()->minimumWidth() + kBytesPerRow * cellWidth +
            msgMemory->verticalScrollBar()->sizeHint().width() + frame,
        msgMemory->horizontalHeader()->sizeHint().height() + kVisibleRows * rowHeight + frame);

    txtMemory = new QLineEdit(msgMemory->viewport());
    txtMemory->setObjectName(QStringLiteral("txtMemory"));
    txtMemory->setAlignment(Qt::AlignCenter);
    txtMemory->setFrame(true);
    new TypedTextFilter(*txtMemory, AcceptHexDigit, 2, TypedTextFilter::Full::UnlessSelected);
    txtMemory->setContextMenuPolicy(Qt::NoContextMenu);
    txtMemory->setAcceptDrops(false);
    txtMemory->hide();
    txtMemory->installEventFilter(this);

    msgMemory->installEventFilter(this);
    msgMemory->viewport()->installEventFilter(this);
    for (QScrollBar* bar : {msgMemory->verticalScrollBar(), msgMemory->horizontalScrollBar()})
        connect(bar, &QScrollBar::valueChanged, this, &frmMemoryMap::abandonEdit);

    lblAddr = new QLabel(this);
    lblAddr->setObjectName(QStringLiteral("lblAddr"));
    lblAddr->setFrameShape(QFrame::Panel);
    lblAddr->setFrameShadow(QFrame::Sunken);
    lblAddr->setMinimumWidth(metrics.horizontalAdvance(QStringLiteral("0000")) + 16);
    lblAddr->setAlignment(Qt::AlignCenter);
    connect(msgMemory, &QTableWidget::currentCellChanged, this, [this](int row, int column) {
        if (row >= 0 && column >= 0)
            lblAddr->setText(
                QStringLiteral("%1").arg(row * kBytesPerRow + column, 4, 16, QLatin1Char('0')).toUpper());
    });

    cmdOK = new QPushButton(QStringLiteral("&OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdCancel = new QPushButton(QStringLiteral("&Cancel"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    for (QPushButton* button : {cmdOK, cmdCancel}) button->setAutoDefault(false);
    connect(cmdOK, &QPushButton::clicked, this, &frmMemoryMap::writeImageAndClose);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(lblAddr);
    bottom->addStretch(1);
    bottom->addWidget(cmdOK);
    bottom->addWidget(cmdCancel);
    auto* outer = new QVBoxLayout(this);
    outer->addWidget(msgMemory);
    outer->addLayout(bottom);
    outer->setSizeConstraint(QLayout::SetFixedSize);
}

void frmMemoryMap::fillFromImage()
{
    for (int address = 0; address < MemoryImage::kSize; ++address) {
        auto* item = new QTableWidgetItem(hexByte(m_image.atAddress(address)));
        item->setTextAlignment(Qt::AlignCenter);
        msgMemory->setItem(address / kBytesPerRow, address % kBytesPerRow, item);
    }
}

void frmMemoryMap::beginEdit(int row, int column, const QString& typed)
{
    msgMemory->setCurrentCell(row, column);
    msgMemory->scrollToItem(msgMemory->item(row, column));
    m_editRow = row;
    m_editColumn = column;
    m_oldText = msgMemory->item(row, column)->text();
    txtMemory->setGeometry(msgMemory->visualItemRect(msgMemory->item(row, column)));
    txtMemory->setText(typed.isEmpty() ? m_oldText : typed);
    txtMemory->show();
    if (typed.isEmpty())
        txtMemory->selectAll();
    else
        txtMemory->end(false);
    txtMemory->setFocus();
}

void frmMemoryMap::commitEdit()
{
    if (m_editRow < 0) return;
    QString value = txtMemory->text();
    if (value.isEmpty()) value = QStringLiteral("FF");
    if (value.size() == 1) value.prepend(QLatin1Char('0'));
    msgMemory->item(m_editRow, m_editColumn)->setText(value);
    m_editRow = m_editColumn = -1;
    txtMemory->hide();
}

void frmMemoryMap::abandonEdit()
{
    if (m_editRow < 0) return;
    msgMemory->item(m_editRow, m_editColumn)->setText(m_oldText);
    m_editRow = m_editColumn = -1;
    txtMemory->hide();
    msgMemory->setFocus();
}

void frmMemoryMap::moveToNextCell()
{
    const int row = msgMemory->currentRow();
    const int column = msgMemory->currentColumn();
    if (column < kBytesPerRow - 1)
        msgMemory->setCurrentCell(row, column + 1);
    else if (row < kGridRows - 1)
        msgMemory->setCurrentCell(row + 1, 0);
}

bool frmMemoryMap::gridKey(const QKeyEvent& key)
{
    if (isEnter(key)) {
        beginEdit(msgMemory->currentRow(), msgMemory->currentColumn(), {});
        return true;
    }
    const auto typed = TypedCharacter(key);
    if (const auto digit = typed ? AcceptHexDigit(*typed) : std::nullopt) {
        beginEdit(msgMemory->currentRow(), msgMemory->currentColumn(), QString(*digit));
        return true;
    }
    return false;
}

bool frmMemoryMap::editorKey(const QKeyEvent& key)
{
    if (isEnter(key)) {
        commitEdit();
        msgMemory->setFocus();
        moveToNextCell();
        return true;
    }
    if (key.key() == Qt::Key_Escape) {
        abandonEdit();
        return true;
    }
    return false;
}

bool frmMemoryMap::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == txtMemory && event->type() == QEvent::KeyPress)
        return editorKey(*static_cast<QKeyEvent*>(event));
    if (watched == txtMemory && event->type() == QEvent::FocusOut) {
        // Switching to another window keeps the edit open, as the user left it.
        if (static_cast<QFocusEvent*>(event)->reason() != Qt::ActiveWindowFocusReason) commitEdit();
        return false;
    }
    if (watched == msgMemory && event->type() == QEvent::KeyPress)
        return gridKey(*static_cast<QKeyEvent*>(event));
    if (watched == msgMemory->viewport() && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton && msgMemory->currentRow() >= 0) {
        beginEdit(msgMemory->currentRow(), msgMemory->currentColumn(), {});
        return false;
    }
    return QDialog::eventFilter(watched, event);
}

void frmMemoryMap::keyPressEvent(QKeyEvent* event)
{
    // Esc would throw away every byte changed since the window opened; only
    // Cancel and the close box do that. In the editor, Esc abandons the edit.
    if (event->key() != Qt::Key_Escape) QDialog::keyPressEvent(event);
}

void frmMemoryMap::writeImageAndClose()
{
    commitEdit();
    for (int address = 0; address < MemoryImage::kSize; ++address)
        m_image.setAtAddress(
            address, parseHexByte(msgMemory->item(address / kBytesPerRow, address % kBytesPerRow)->text()));
    accept();
}
