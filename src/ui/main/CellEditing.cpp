#include "CellEditing.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>

#include "ChannelGrid.h"
#include "FrequencyEditor.h"
#include "core/OptionColumns.h"
#include "core/ToneCodec.h"
#include "platform/Prompter.h"
#include "platform/QtText.h"
#include "strings/Strings.h"

namespace {

// Keys the grid keeps for moving between cells and controls.
bool IsNavigationKey(int key)
{
    switch (key) {
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
        case Qt::Key_Home:
        case Qt::Key_End:
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            return true;
        default:
            return false;
    }
}

bool IsEnter(int key) { return key == Qt::Key_Return || key == Qt::Key_Enter; }

// The character a digit or decimal key types on the grid, or 0.
char GridDigit(const QKeyEvent& event)
{
    const int key = event.key();
    if (key >= Qt::Key_0 && key <= Qt::Key_9) return static_cast<char>('0' + (key - Qt::Key_0));
    if (key == Qt::Key_Period) return '.';
    if (key == Qt::Key_Comma && (event.modifiers() & Qt::KeypadModifier)) return '.';
    return 0;
}

// A focus change that does not mean the user went to another control.
bool IsTransientFocusLoss(const QEvent& event)
{
    const Qt::FocusReason reason = static_cast<const QFocusEvent&>(event).reason();
    return reason == Qt::PopupFocusReason || reason == Qt::ActiveWindowFocusReason;
}

}  // namespace

CellEditing::CellEditing(AppState& state, Prompter& prompter, ChannelGrid& grid, QWidget& dialogParent)
    : QObject(&grid),
      m_state(state),
      m_prompter(prompter),
      m_grid(grid),
      m_dialogParent(dialogParent),
      txtMemChannel(new FrequencyEditor(grid.viewport())),
      cboFeature_0(new QComboBox(grid.viewport())),
      cboFeature_1(new QComboBox(grid.viewport()))
{
    cboFeature_0->setObjectName(QStringLiteral("cboFeature_0"));
    cboFeature_1->setObjectName(QStringLiteral("cboFeature_1"));
    cboFeature_0->setMaxVisibleItems(16);
    cboFeature_1->addItems({QText(TextId::Low), QText(TextId::High)});
    for (QWidget* editor : {static_cast<QWidget*>(txtMemChannel), static_cast<QWidget*>(cboFeature_0),
                            static_cast<QWidget*>(cboFeature_1)}) {
        editor->hide();
        editor->installEventFilter(this);
    }
    m_grid.installEventFilter(this);
    m_grid.viewport()->installEventFilter(this);

    connect(txtMemChannel, &FrequencyEditor::enterPressed, this, [this] {
        const int n = m_editRow;
        const int col = m_editCol;
        commitFrequencyEditor();
        m_grid.setFocus();
        m_grid.makeCurrent(n, col + 1);
    });
    connect(txtMemChannel, &FrequencyEditor::escapePressed, this, [this] { abandonFrequencyEditor(); });
    connect(txtMemChannel, &FrequencyEditor::focusLost, this, [this] { commitFrequencyEditor(); });
    for (QComboBox* editor : {cboFeature_0, cboFeature_1})
        connect(editor, &QComboBox::activated, this,
                [this, editor](int index) { dropDownChosen(editor, index); });

    // No editor may float over a cell that has moved away.
    connect(m_grid.verticalScrollBar(), &QScrollBar::valueChanged, this, [this] { EndCellEdit(); });
    connect(&m_grid, &ChannelGrid::resized, this, [this] { placeEditors(); });
}

void CellEditing::ResetForLayout()
{
    m_openEditor = nullptr;
    txtMemChannel->hide();
    cboFeature_0->hide();
    cboFeature_1->hide();
    m_toneListReady = false;
}

QComboBox* CellEditing::toneEditor()
{
    // Filled when first needed rather than at every layout: start-up and a
    // band change then skip building the 261 entries nobody has looked at.
    if (m_toneListReady) return cboFeature_0;
    if (cboFeature_0->styleSheet().isEmpty()) {
        // A plain scrolling list: the style's full-height popup would cover the
        // whole screen for the 261 tones.
        cboFeature_0->setStyleSheet(QStringLiteral("QComboBox { combobox-popup: 0; }"));
        cboFeature_0->view()->setStyleSheet(
            QStringLiteral("QAbstractItemView::item { min-height: 22px; padding-left: 4px; }"));
    }
    cboFeature_0->clear();
    for (const std::string& entry : ToneList(m_state.toneListLast))
        cboFeature_0->addItem(QString::fromStdString(entry));
    m_toneListReady = true;
    return cboFeature_0;
}

void CellEditing::ApplyLanguage()
{
    if (cboFeature_0->count() > 0) cboFeature_0->setItemText(0, QText(TextId::NoneChoice));
}

void CellEditing::BeginCellEdit()
{
    EndCellEdit();
    const int n = m_state.currentRow;
    const int col = m_state.currentCol;
    // Scrolled into view before the editor opens: a scroll afterwards (the view's
    // delayed scroll after clicking a half-hidden row, or a cell scrolled away
    // before a digit was typed) would end the edit the user has just begun.
    m_grid.scrollToItem(m_grid.item(n - 1, col));
    if (col == ChannelGrid::kRxFreqCol || col == ChannelGrid::kTxFreqCol) {
        openFrequencyEditor(n, col);
    } else if (col == ChannelGrid::kDecodeCol || col == ChannelGrid::kEncodeCol) {
        openDropDown(toneEditor(), n, col);
    } else {
        cboFeature_1->clear();
        for (const std::string& entry : OptionEntries(col))
            cboFeature_1->addItem(QString::fromStdString(entry));
        openDropDown(cboFeature_1, n, col);
    }
}

void CellEditing::EndCellEdit()
{
    if (m_openEditor == txtMemChannel)
        commitFrequencyEditor();
    else if (m_openEditor)
        hideDropDown(static_cast<QComboBox*>(m_openEditor));
}

void CellEditing::AbandonCellEdit()
{
    if (m_openEditor == txtMemChannel)
        abandonFrequencyEditor();
    else if (m_openEditor)
        hideDropDown(static_cast<QComboBox*>(m_openEditor));
}

bool CellEditing::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (watched == &m_grid && type == QEvent::KeyPress) return gridKeyPress(static_cast<QKeyEvent*>(event));
    if (watched == m_grid.viewport() && type == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        // The number column never becomes current, so a click there must not
        // open the editor of whichever cell happens to be current.
        if (mouse->button() == Qt::LeftButton && m_grid.indexAt(mouse->position().toPoint()).column() > 0)
            gridLeftRelease();
        return false;
    }
    if (watched == txtMemChannel && type == QEvent::KeyPress)
        return forwardShortcut(static_cast<QKeyEvent*>(event));
    for (QComboBox* editor : {cboFeature_0, cboFeature_1}) {
        if (watched != editor) continue;
        if (type == QEvent::KeyPress) return dropDownKeyPress(editor, static_cast<QKeyEvent*>(event));
        if (type == QEvent::FocusOut && !IsTransientFocusLoss(*event)) {
            if (m_openEditor == editor) m_openEditor = nullptr;
            editor->hide();
        }
    }
    return false;
}

bool CellEditing::gridKeyPress(QKeyEvent* event)
{
    const int key = event->key();
    if (IsEnter(key)) {
        gridLeftRelease();
        return true;
    }
    if (const char digit = GridDigit(*event)) {
        const int n = m_state.currentRow;
        const int col = m_state.currentCol;
        if (col != ChannelGrid::kRxFreqCol && col != ChannelGrid::kTxFreqCol) return true;
        if (const int target = EditCell(m_state, n, col); target != col) m_grid.makeCurrent(n, target);
        BeginCellEdit();
        txtMemChannel->setText(QString(QLatin1Char(digit)));
        txtMemChannel->end(false);
        return true;
    }
    if (forwardShortcut(event)) return true;
    // Moving keys stay the grid's whatever the modifiers (Shift+Tab, keypad
    // arrows, Ctrl+End), except those an open drop-down passed on unused (Left,
    // Right): the current cell must not wander away from the cell being edited.
    // Letters would otherwise jump between cells by keyboard search.
    return dropDownOpen() || !IsNavigationKey(key);
}

void CellEditing::gridLeftRelease()
{
    const int n = m_state.currentRow;
    const int col = EditCell(m_state, n, m_state.currentCol);
    if (col != m_state.currentCol) m_grid.makeCurrent(n, col);
    BeginCellEdit();
}

bool CellEditing::dropDownKeyPress(QComboBox* editor, QKeyEvent* event)
{
    if (IsEnter(event->key())) {
        dropDownEnter(editor);
        return true;
    }
    if (forwardShortcut(event)) return true;
    // Ctrl+D is the delete shortcut; it must not also act as typing.
    return event->key() == Qt::Key_D && event->modifiers() == Qt::ControlModifier;
}

bool CellEditing::forwardShortcut(QKeyEvent* event)
{
    return m_shortcutSink && m_shortcutSink(event->key(), event->modifiers());
}

void CellEditing::openFrequencyEditor(int n, int col)
{
    const QString text = m_grid.cellText(n, col);
    m_editRow = n;
    m_editCol = col;
    m_editOriginalText = text;
    txtMemChannel->setGeometry(m_grid.cellRect(n, col).adjusted(1, 1, -1, -1));
    txtMemChannel->setText(text);
    txtMemChannel->show();
    txtMemChannel->selectAll();
    txtMemChannel->setFocus(Qt::OtherFocusReason);
    m_openEditor = txtMemChannel;
}

void CellEditing::openDropDown(QComboBox* editor, int n, int col)
{
    m_editRow = n;
    m_editCol = col;
    const QString text = m_grid.cellText(n, col);
    // Among the three entries the option editor ever holds, a later match wins.
    int index = 0;
    for (int i = editor->count() - 1; i > 0; --i) {
        if (editor->itemText(i) == text) {
            index = i;
            break;
        }
    }
    editor->setCurrentIndex(index);
    editor->setGeometry(m_grid.cellRect(n, col));
    editor->show();
    editor->setFocus(Qt::OtherFocusReason);
    m_openEditor = editor;
}

void CellEditing::commitFrequencyEditor()
{
    if (m_openEditor != txtMemChannel) return;
    m_openEditor = nullptr;
    const QString typed = txtMemChannel->text();
    // Keep the focus in the grid rather than letting it fall to the next control.
    if (txtMemChannel->hasFocus()) m_grid.setFocus();
    txtMemChannel->hide();
    const int n = m_editRow;
    const int col = m_editCol;
    commitEntry(n, col, typed, Entry::Typed);
}

void CellEditing::abandonFrequencyEditor()
{
    m_openEditor = nullptr;
    m_grid.setCellText(m_editRow, m_editCol, m_editOriginalText);
    m_grid.setFocus();
    txtMemChannel->hide();
}

void CellEditing::commitEntry(int n, int col, const QString& text, Entry entry)
{
    if (!m_committer) return;
    const std::optional<CellNotice> notice = m_committer(n, col, text.toStdString(), entry);
    m_grid.RenderChannelRow(n);
    if (notice)
        ShowNotice(m_prompter, &m_dialogParent, QString::fromStdString(notice->text), ProductTitle(),
                   Prompter::Icon::Exclamation);
}

void CellEditing::dropDownChosen(QComboBox* editor, int index)
{
    const QString text = editor->itemText(index);
    if (text == m_grid.cellText(m_editRow, m_editCol)) return;
    commitEntry(m_editRow, m_editCol, text, Entry::Chosen);
}

void CellEditing::dropDownEnter(QComboBox* editor)
{
    const int n = m_editRow;
    const int col = m_editCol;
    if (col == ChannelGrid::kDecodeCol && !m_grid.cellEmpty(n, ChannelGrid::kEncodeCol))
        m_grid.makeCurrent(n, ChannelGrid::kEncodeCol);
    else if (col == ChannelGrid::kDecodeCol || col == ChannelGrid::kEncodeCol)
        m_grid.makeCurrent(n, ChannelGrid::kWideCol);
    else if (col < ChannelGrid::kBclCol)
        m_grid.makeCurrent(n, col + 1);
    else if (n < m_state.channelCount)
        m_grid.makeCurrent(n + 1, ChannelGrid::kRxFreqCol);
    hideDropDown(editor);
}

void CellEditing::hideDropDown(QComboBox* editor)
{
    if (m_openEditor == editor) m_openEditor = nullptr;
    if (editor->hasFocus()) m_grid.setFocus();
    editor->hide();
}

void CellEditing::placeEditors()
{
    if (m_openEditor == txtMemChannel)
        txtMemChannel->setGeometry(m_grid.cellRect(m_editRow, m_editCol).adjusted(1, 1, -1, -1));
    else if (m_openEditor)
        m_openEditor->setGeometry(m_grid.cellRect(m_editRow, m_editCol));
}

bool CellEditing::dropDownOpen() const { return m_openEditor && m_openEditor != txtMemChannel; }
