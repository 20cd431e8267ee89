#include "frmTest.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "platform/QtText.h"

namespace {

template <typename T>
T* named(T* widget, const QString& name)
{
    widget->setObjectName(name);
    return widget;
}

QString indexed(const char* base, int index)
{
    return QStringLiteral("%1_%2").arg(QLatin1String(base)).arg(index);
}

}  // namespace

frmTest::frmTest(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmTest"));
    setWindowTitle(QStringLiteral("Form1"));

    TreeTest = named(new QTreeWidget(this), QStringLiteral("TreeTest"));
    TreeTest->setHeaderHidden(true);
    TreeTest->setMinimumWidth(170);

    Frame2 = named(new QGroupBox(this), QStringLiteral("Frame2"));
    Frame2->setMinimumHeight(24);

    Frame1[0] = named(new QGroupBox(this), indexed("Frame1", 0));
    auto* choice = new QHBoxLayout(Frame1[0]);
    for (int i = 0; i < 3; ++i) {
        Option2[i] = named(new QRadioButton(Frame1[0]), indexed("Option2", i));
        choice->addWidget(Option2[i]);
    }

    auto* panels = new QHBoxLayout;
    for (int p = 0; p < 2; ++p) panels->addWidget(buildPanel(p));

    Frame1[1] = named(new QGroupBox(this), indexed("Frame1", 1));
    auto* value = new QGridLayout(Frame1[1]);
    Slider1 = named(new QSlider(Qt::Horizontal, Frame1[1]), QStringLiteral("Slider1"));
    for (int i = 0; i < 3; ++i) Label2[i] = named(new QLabel(Frame1[1]), indexed("Label2", i));
    value->addWidget(Label2[0], 0, 0, Qt::AlignLeft);
    value->addWidget(Label2[2], 0, 1, Qt::AlignHCenter);
    value->addWidget(Label2[1], 0, 2, Qt::AlignRight);
    value->addWidget(Slider1, 1, 0, 1, 3);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (int i = 0; i < 2; ++i) {
        Command1[i] = named(new QPushButton(this), indexed("Command1", i));
        buttons->addWidget(Command1[i]);
    }

    auto* right = new QVBoxLayout;
    right->addWidget(Frame2);
    right->addWidget(Frame1[0]);
    right->addLayout(panels);
    right->addWidget(Frame1[1]);
    right->addLayout(buttons);
    right->addStretch();

    auto* top = new QHBoxLayout(this);
    top->addWidget(TreeTest);
    top->addLayout(right, 1);

    applyTexts();
    const auto closeOnExit = [this](QTreeWidgetItem* item) {
        if (item->data(0, Qt::UserRole).toString() == QLatin1String("Q")) reject();
    };
    connect(TreeTest, &QTreeWidget::itemClicked, this, closeOnExit);
    connect(TreeTest, &QTreeWidget::itemActivated, this, closeOnExit);
}

QGroupBox* frmTest::buildPanel(int panel)
{
    auto* frame = named(new QGroupBox(this), indexed("Frame4", panel));
    Frame4[panel] = frame;
    auto* grid = new QGridLayout(frame);
    const int k = 4 * panel;
    for (int i = 0; i < 4; ++i) {
        Label1[k + i] = named(new QLabel(frame), indexed("Label1", k + i));
        Text1[k + i] = named(new QLineEdit(frame), indexed("Text1", k + i));
        Text1[k + i]->setMinimumWidth(90);
        Text1[k + i]->setReadOnly(true);
        Option1[k + i] = named(new QRadioButton(frame), indexed("Option1", k + i));
        grid->addWidget(Label1[k + i], i, 0);
        grid->addWidget(Text1[k + i], i, 1);
    }
    // Signalling kind and step are each a choice of two.
    for (int pair = 0; pair < 2; ++pair) {
        auto* group = new QButtonGroup(frame);
        auto* row = new QHBoxLayout;
        for (int j = 0; j < 2; ++j) {
            QRadioButton* option = Option1[k + 2 * pair + j];
            group->addButton(option);
            row->addWidget(option);
        }
        grid->addLayout(row, 2 + pair, 2);
    }
    grid->setColumnStretch(1, 1);
    Option1[k + 2]->setText(QStringLiteral("6.25KHZ"));
    Option1[k + 3]->setText(QStringLiteral("5.00KHZ"));
    return frame;
}

void frmTest::applyTexts()
{
    Frame2->setTitle(QText(TextId::SetTuningFreqFirst));
    Frame4[0]->setTitle(QText(TextId::Receive));
    Frame4[1]->setTitle(QText(TextId::Transmit));
    Frame1[0]->setTitle(QText(TextId::TuningFreq));
    Frame1[1]->setTitle(QText(TextId::TuningValue));
    for (int k : {0, 4}) {
        Label1[k]->setText(QText(TextId::Frequency) + QStringLiteral("(MHz)"));
        Label1[k + 1]->setText(QText(TextId::Signalling));
        Label1[k + 2]->setText(QText(TextId::Signalling) + QText(TextId::Kind));
        Label1[k + 3]->setText(QText(TextId::Frequency) + QText(TextId::Step));
        Option1[k]->setText(QText(TextId::Simulate) + QText(TextId::Signalling));
        Option1[k + 1]->setText(QText(TextId::Decode));
    }
    constexpr int kPointIds[3] = {TextId::HighFreq, TextId::MidFreq, TextId::LowFreq};
    constexpr int kLimitIds[3] = {TextId::Min, TextId::Max, TextId::CurrentValue};
    for (int i = 0; i < 3; ++i) {
        Option2[i]->setText(QText(kPointIds[i]));
        Label2[i]->setText(QText(kLimitIds[i]));
    }
    Command1[0]->setText(QText(TextId::Ok));
    Command1[0]->hide();
    Command1[1]->setText(QText(TextId::Cancel));
    Command1[1]->hide();

    TreeTest->clear();
    const auto node = [](QTreeWidgetItem* item, const char* key, int id) {
        item->setText(0, QText(id));
        item->setData(0, Qt::UserRole, QLatin1String(key));
        return item;
    };
    QTreeWidgetItem* tuning = node(new QTreeWidgetItem(TreeTest), "T", TextId::TuningFreq);
    node(new QTreeWidgetItem(tuning), "T1", TextId::HighFreq);
    node(new QTreeWidgetItem(tuning), "T2", TextId::MidFreq);
    node(new QTreeWidgetItem(tuning), "T3", TextId::LowFreq);
    QTreeWidgetItem* project = node(new QTreeWidgetItem(TreeTest), "S", TextId::TuningProject);
    node(new QTreeWidgetItem(project), "S1", TextId::TuningTxFreq);
    node(new QTreeWidgetItem(project), "S2", TextId::VoltageWarning);
    node(new QTreeWidgetItem(project), "S3", TextId::TuningSquelch);
    node(new QTreeWidgetItem(project), "S4", TextId::TuningTxPower);
    node(new QTreeWidgetItem(TreeTest), "Q", TextId::TuningExit);
    TreeTest->expandAll();
}
