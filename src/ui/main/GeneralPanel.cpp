#include "GeneralPanel.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>

#include "core/BandTable.h"
#include "platform/QtText.h"
#include "strings/Strings.h"

namespace {

QComboBox* MakeList(const char* name, QWidget* parent)
{
    auto* list = new QComboBox(parent);
    list->setObjectName(QString::fromLatin1(name));
    list->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    return list;
}

constexpr int kLabelIds[4] = {TextId::Model, TextId::BandFrequency, TextId::PowerLevel, TextId::Manual};
constexpr int kNewDocumentPower = 9;
constexpr int kManualEnable = 0;

}  // namespace

GeneralPanel::GeneralPanel(QWidget* parent)
    : QGroupBox(parent),
      cboGenModel(MakeList("cboGenModel", this)),
      cboGenFreq(MakeList("cboGenFreq", this)),
      cboGenPower(MakeList("cboGenPower", this)),
      cboGenManual(MakeList("cboGenManual", this))
{
    setObjectName(QStringLiteral("fraGeneral"));
    for (std::string_view model : ModelTexts())
        cboGenModel->addItem(QString::fromUtf8(model.data(), model.size()));
    for (const Band& band : Bands())
        cboGenFreq->addItem(QString::fromUtf8(band.text.data(), band.text.size()));
    for (int level = 0; level <= 9; ++level) cboGenPower->addItem(QString::number(level));
    cboGenManual->addItems({QText(TextId::Enable), QText(TextId::Disable)});

    auto* row = new QHBoxLayout(this);
    row->setSpacing(8);
    const std::array<QComboBox*, 4> lists{cboGenModel, cboGenFreq, cboGenPower, cboGenManual};
    for (std::size_t i = 0; i < lists.size(); ++i) {
        lblGeneral[i] = new QLabel(this);
        lblGeneral[i]->setObjectName(QStringLiteral("lblGeneral_%1").arg(i));
        lblGeneral[i]->setBuddy(lists[i]);
        if (i > 0) row->addSpacing(16);
        row->addWidget(lblGeneral[i]);
        row->addWidget(lists[i]);
        lists[i]->installEventFilter(this);
    }
    row->addStretch(1);
    connect(cboGenModel, &QComboBox::activated, this, &GeneralPanel::modelChosen);
    connect(cboGenFreq, &QComboBox::activated, this, &GeneralPanel::bandChosen);
    connect(cboGenPower, &QComboBox::activated, this, &GeneralPanel::powerChosen);
    connect(cboGenManual, &QComboBox::activated, this, &GeneralPanel::manualChosen);
}

void GeneralPanel::Show(const GeneralSelection& selection)
{
    cboGenModel->setCurrentIndex(selection.model);
    cboGenFreq->setCurrentIndex(selection.band);
    cboGenPower->setCurrentIndex(selection.power);
    cboGenManual->setCurrentIndex(selection.manual);
}

GeneralSelection GeneralPanel::selection() const
{
    return {cboGenModel->currentIndex(), cboGenFreq->currentIndex(), cboGenPower->currentIndex(),
            cboGenManual->currentIndex()};
}

void GeneralPanel::SelectForNewDocument(const MemoryImage& image)
{
    // A model or band byte a loaded file left outside the tables shows the
    // same fallback entry as after the load, never an empty list.
    GeneralSelection selection = GeneralSettingsIndexes(image);
    selection.power = kNewDocumentPower;
    selection.manual = kManualEnable;
    Show(selection);
}

void GeneralPanel::ApplyLanguage()
{
    setTitle(QText(TextId::General));
    for (std::size_t i = 0; i < lblGeneral.size(); ++i) lblGeneral[i]->setText(QText(kLabelIds[i]));
    cboGenManual->setItemText(0, QText(TextId::Enable));
    cboGenManual->setItemText(1, QText(TextId::Disable));
}

bool GeneralPanel::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            focusNextPrevChild(true);
            return true;
        }
    }
    return QGroupBox::eventFilter(watched, event);
}

void ShowGeneralSettings(GeneralPanel& panel, const MemoryImage& image)
{
    panel.Show(GeneralSettingsIndexes(image));
}
