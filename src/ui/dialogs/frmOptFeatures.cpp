#include "frmOptFeatures.h"

#include <optional>

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/Layout.h"
#include "platform/QtText.h"
#include "platform/TypedTextFilter.h"
#include "strings/Strings.h"

namespace {

QComboBox* makeList(QWidget* parent, const char* name, const std::vector<std::string>& choices)
{
    auto* box = new QComboBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setEditable(true);
    // Typed text never becomes an entry: it reads as "no selection".
    box->setInsertPolicy(QComboBox::NoInsert);
    for (const std::string& choice : choices) box->addItem(QString::fromStdString(choice));
    return box;
}

int selectedIndex(const QComboBox* box)
{
    const int index = box->currentIndex();
    return index >= 0 && box->currentText() == box->itemText(index) ? index : -1;
}

template <typename T>
T* named(QWidget* parent, const char* name)
{
    auto* widget = new T(parent);
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

// Name characters are "!".."z", stored in upper case.
std::optional<QChar> AcceptNameChar(QChar typed)
{
    return typed.unicode() >= 33 && typed.unicode() <= 122 ? std::optional<QChar>(typed.toUpper())
                                                           : std::nullopt;
}

}  // namespace

frmOptFeatures::frmOptFeatures(MemoryImage& image, QWidget* parent) : QDialog(parent), m_image(image)
{
    setObjectName(QStringLiteral("frmOptFeatures"));
    buildControls();
    applyCaptions();
    showFeatures(ReadOptionalFeatures(m_image));
}

void frmOptFeatures::buildControls()
{
    fraGenFunction = named<QGroupBox>(this, "fraGenFunction");
    fraVOX = named<QGroupBox>(this, "fraVOX");
    fraPTTID = named<QGroupBox>(this, "fraPTTID");

    cboFeatureGen[1] = makeList(fraGenFunction, "cboFeatureGen_1", FeatureChoices(Feature::TimeOutTimer));
    cboFeatureGen[2] = makeList(fraGenFunction, "cboFeatureGen_2", FeatureChoices(Feature::SquelchLevel));
    cboFeatureGen[3] = makeList(fraGenFunction, "cboFeatureGen_3", FeatureChoices(Feature::ChordLanguage));
    cboFeatureVox[1] = makeList(fraVOX, "cboFeatureVox_1", FeatureChoices(Feature::VoxGain));
    cboFeatureVox[2] = makeList(fraVOX, "cboFeatureVox_2", FeatureChoices(Feature::VoxDelay));

    const char* genLabels[] = {"", "lblFeatureGen_1", "lblFeatureGen_2", "lblFeatureGen_3"};
    const char* genChecks[] = {"", "chkFeatureGen_1", "chkFeatureGen_2", "chkFeatureGen_3"};
    for (int i = 1; i <= 3; ++i) {
        lblFeatureGen[i] = named<QLabel>(fraGenFunction, genLabels[i]);
        lblFeatureGen[i]->setBuddy(cboFeatureGen[i]);
        chkFeatureGen[i] = named<QCheckBox>(fraGenFunction, genChecks[i]);
    }
    const char* voxLabels[] = {"", "lblFeatureVox_1", "lblFeatureVox_2"};
    const char* pttLabels[] = {"", "lblFeaturePTTID_1", "lblFeaturePTTID_2"};
    const char* pttChecks[] = {"", "chkFeaturePTTID_1", "chkFeaturePTTID_2"};
    for (int i = 1; i <= 2; ++i) {
        lblFeatureVox[i] = named<QLabel>(fraVOX, voxLabels[i]);
        lblFeatureVox[i]->setBuddy(cboFeatureVox[i]);
        lblFeaturePTTID[i] = named<QLabel>(fraPTTID, pttLabels[i]);
        chkFeaturePTTID[i] = named<QCheckBox>(fraPTTID, pttChecks[i]);
    }
    txtPTTID_Ani = named<QLineEdit>(fraPTTID, "txtPTTID_Ani");
    txtPTTID_Name = named<QLineEdit>(fraPTTID, "txtPTTID_Name");
    lblFeaturePTTID[1]->setBuddy(txtPTTID_Ani);
    lblFeaturePTTID[2]->setBuddy(txtPTTID_Name);
    new TypedTextFilter(*txtPTTID_Ani, AcceptDigit, layout::kAniLength, TypedTextFilter::Full::Always);
    new TypedTextFilter(*txtPTTID_Name, AcceptNameChar, layout::kNameLength, TypedTextFilter::Full::Always);
    for (QLineEdit* box : {txtPTTID_Ani, txtPTTID_Name}) box->installEventFilter(this);
    txtPTTID_Ani->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 12);
    txtPTTID_Name->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("WWWWWW")) + 12);

    cmdOK = named<QPushButton>(this, "cmdOK");
    cmdCancel = named<QPushButton>(this, "cmdCancel");
    for (QPushButton* button : {cmdOK, cmdCancel}) {
        button->setAutoDefault(false);
        button->setDefault(false);
    }
    connect(cmdOK, &QPushButton::clicked, this, &frmOptFeatures::acceptAndWrite);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* general = new QGridLayout(fraGenFunction);
    for (int i = 1; i <= 3; ++i) {
        general->addWidget(lblFeatureGen[i], i - 1, 0);
        general->addWidget(cboFeatureGen[i], i - 1, 1);
    }
    general->addWidget(chkFeatureGen[1], 3, 0);
    general->addWidget(chkFeatureGen[2], 3, 1);
    general->addWidget(chkFeatureGen[3], 4, 0);
    general->setRowStretch(5, 1);
    general->setColumnStretch(1, 1);

    auto* vox = new QGridLayout(fraVOX);
    for (int i = 1; i <= 2; ++i) {
        vox->addWidget(lblFeatureVox[i], i - 1, 0);
        vox->addWidget(cboFeatureVox[i], i - 1, 1);
    }
    vox->setColumnStretch(1, 1);

    auto* ptt = new QGridLayout(fraPTTID);
    ptt->addWidget(lblFeaturePTTID[1], 0, 0);
    ptt->addWidget(txtPTTID_Ani, 0, 1);
    ptt->addWidget(chkFeaturePTTID[1], 0, 2);
    ptt->addWidget(lblFeaturePTTID[2], 1, 0);
    ptt->addWidget(txtPTTID_Name, 1, 1);
    ptt->addWidget(chkFeaturePTTID[2], 1, 2);
    ptt->setColumnStretch(1, 1);

    auto* right = new QVBoxLayout;
    right->addWidget(fraVOX);
    right->addWidget(fraPTTID);
    right->addStretch(1);

    auto* frames = new QHBoxLayout;
    frames->addWidget(fraGenFunction, 1);
    frames->addLayout(right, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);

    auto* outer = new QVBoxLayout(this);
    outer->addLayout(frames);
    outer->addLayout(buttons);
    outer->setSizeConstraint(QLayout::SetFixedSize);

    QWidget* order[] = {cboFeatureGen[1],
                        cboFeatureGen[2],
                        cboFeatureGen[3],
                        chkFeatureGen[1],
                        chkFeatureGen[2],
                        chkFeatureGen[3],
                        cboFeatureVox[1],
                        cboFeatureVox[2],
                        txtPTTID_Ani,
                        chkFeaturePTTID[1],
                        txtPTTID_Name,
                        chkFeaturePTTID[2],
                        cmdOK,
                        cmdCancel};
    for (std::size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);
    cboFeatureGen[1]->setFocus();
}

void frmOptFeatures::applyCaptions()
{
    setWindowTitle(QText(TextId::OptionalFeatures));
    cmdOK->setText(QText(TextId::Ok));
    cmdCancel->setText(QText(TextId::Cancel));
    fraGenFunction->setTitle(QText(TextId::GeneralFunction));
    const auto label = [](Feature feature) { return QString::fromStdString(FeatureLabel(feature)); };
    lblFeatureGen[1]->setText(label(Feature::TimeOutTimer));
    lblFeatureGen[2]->setText(label(Feature::SquelchLevel));
    lblFeatureGen[3]->setText(label(Feature::ChordLanguage));
    chkFeatureGen[1]->setText(label(Feature::BeepTone));
    chkFeatureGen[2]->setText(label(Feature::BatterySave));
    chkFeatureGen[3]->setText(label(Feature::Scrambler));
    fraVOX->setTitle(QText(TextId::Vox));
    lblFeatureVox[1]->setText(label(Feature::VoxGain));
    lblFeatureVox[2]->setText(label(Feature::VoxDelay));
    fraPTTID->setTitle(QText(TextId::PttId));
    lblFeaturePTTID[1]->setText(label(Feature::Ani));
    lblFeaturePTTID[2]->setText(label(Feature::Name));
    chkFeaturePTTID[1]->setText(label(Feature::PttIdBot));
    chkFeaturePTTID[2]->setText(label(Feature::PttIdEot));
}

void frmOptFeatures::showFeatures(const OptionalFeatures& features)
{
    cboFeatureGen[1]->setCurrentIndex(features.timeOutTimer);
    cboFeatureGen[2]->setCurrentIndex(features.squelchLevel);
    cboFeatureGen[3]->setCurrentIndex(features.chordLanguage);
    cboFeatureVox[1]->setCurrentIndex(features.voxGain);
    cboFeatureVox[2]->setCurrentIndex(features.voxDelay);
    chkFeatureGen[1]->setChecked(features.beepTone);
    chkFeatureGen[2]->setChecked(features.batterySave);
    chkFeatureGen[3]->setChecked(features.scrambler);
    txtPTTID_Ani->setText(QString::fromStdString(features.ani));
    txtPTTID_Name->setText(QString::fromStdString(features.name));
    chkFeaturePTTID[1]->setChecked(features.pttIdBot);
    chkFeaturePTTID[2]->setChecked(features.pttIdEot);
}

OptionalFeatures frmOptFeatures::shownFeatures() const
{
    OptionalFeatures features;
    features.timeOutTimer = selectedIndex(cboFeatureGen[1]);
    features.squelchLevel = selectedIndex(cboFeatureGen[2]);
    features.chordLanguage = selectedIndex(cboFeatureGen[3]);
    features.voxGain = selectedIndex(cboFeatureVox[1]);
    features.voxDelay = selectedIndex(cboFeatureVox[2]);
    features.beepTone = chkFeatureGen[1]->isChecked();
    features.batterySave = chkFeatureGen[2]->isChecked();
    features.scrambler = chkFeatureGen[3]->isChecked();
    // Latin-1 keeps one byte per character; anything it cannot hold is not a
    // storable character anyway and ends the code.
    features.ani = txtPTTID_Ani->text().toLatin1().toStdString();
    features.name = txtPTTID_Name->text().toLatin1().toStdString();
    features.pttIdBot = chkFeaturePTTID[1]->isChecked();
    features.pttIdEot = chkFeaturePTTID[2]->isChecked();
    return features;
}

void frmOptFeatures::acceptAndWrite()
{
    WriteOptionalFeatures(m_image, shownFeatures());
    accept();
}

bool frmOptFeatures::eventFilter(QObject* watched, QEvent* event)
{
    const bool textBox = watched == txtPTTID_Ani || watched == txtPTTID_Name;
    if (textBox && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            focusNextChild();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
