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
    Frame2->setTitle(QText(1649));
    Frame4[0]->setTitle(QText(1207));
    Frame4[1]->setTitle(QText(1209));
    Frame1[0]->setTitle(QText(1639));
    Frame1[1]->setTitle(QText(1650));
    for (int k : {0, 4}) {
        Label1[k]->setText(QText(1206) + QStringLiteral("(MHz)"));
        Label1[k + 1]->setText(QText(1223));
        Label1[k + 2]->setText(QText(1223) + QText(1651));
        Label1[k + 3]->setText(QText(1206) + QText(1246));
        Option1[k]->setText(QText(1652) + QText(1223));
        Option1[k + 1]->setText(QText(1211));
    }
    for (int i = 0; i < 3; ++i) {
        Option2[i]->setText(QText(1640 + i));
        Label2[i]->setText(QText(1653 + i));
    }
    Command1[0]->setText(QText(1102));
    Command1[0]->hide();
    Command1[1]->setText(QText(1103));
    Command1[1]->hide();

    TreeTest->clear();
    const auto node = [](QTreeWidgetItem* item, const char* key, int id) {
        item->setText(0, QText(id));
        item->setData(0, Qt::UserRole, QLatin1String(key));
        return item;
    };
    QTreeWidgetItem* tuning = node(new QTreeWidgetItem(TreeTest), "T", 1639);
    node(new QTreeWidgetItem(tuning), "T1", 1640);
    node(new QTreeWidgetItem(tuning), "T2", 1641);
    node(new QTreeWidgetItem(tuning), "T3", 1642);
    QTreeWidgetItem* project = node(new QTreeWidgetItem(TreeTest), "S", 1643);
    node(new QTreeWidgetItem(project), "S1", 1644);
    node(new QTreeWidgetItem(project), "S2", 1645);
    node(new QTreeWidgetItem(project), "S3", 1646);
    node(new QTreeWidgetItem(project), "S4", 1647);
    node(new QTreeWidgetItem(TreeTest), "Q", 1648);
    TreeTest->expandAll();
}
