#include "PrinterInfoGroup.h"

#include "FormControls.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

namespace norvane::ui {

namespace {

// The version is the longest text; the other fields get what their contents need.
constexpr int kCounterWidth = 60;
constexpr int kChecksumWidth = 84;

QLineEdit* fixedEdit(const char* name, int width)
{
    QLineEdit* edit = NewReadOnlyEdit(name);
    edit->setFixedWidth(width);
    return edit;
}

} // namespace

PrinterInfoGroup::PrinterInfoGroup(QWidget* parent) : QGroupBox(QStringLiteral("Printer Information"), parent)
{
    setObjectName(QStringLiteral("GroupBoxPrinterInfo"));
    m_editVersion = NewReadOnlyEdit("EditVersion");
    m_editSerial = NewReadOnlyEdit("EditSerial");
    m_editCuttingCounter = fixedEdit("EditCuttingCounter", kCounterWidth);
    m_editResetCuttingCounter = fixedEdit("EditResetCuttingCounter", kCounterWidth);
    m_editMilage = fixedEdit("EditMilage", kCounterWidth);
    m_editResetMilage = fixedEdit("EditResetMilage", kCounterWidth);
    m_editChecksum = fixedEdit("EditChecksum", kChecksumWidth);

    auto* grid = new QGridLayout(this);
    grid->addWidget(NewLabel("LabelVersion", QStringLiteral("Version:")), 0, 0);
    grid->addWidget(m_editVersion, 0, 1);
    grid->addWidget(NewLabel("LabelSerial", QStringLiteral("Serial No.")), 1, 0);
    grid->addWidget(m_editSerial, 1, 1);
    grid->addWidget(NewLabel("LabelCuttingCounter", QStringLiteral("Cutting Counter:")), 0, 2);
    grid->addWidget(m_editCuttingCounter, 0, 3);
    grid->addWidget(m_editResetCuttingCounter, 0, 4);
    grid->addWidget(NewLabel("LabelMilage", QStringLiteral("Milage:")), 1, 2);
    grid->addWidget(m_editMilage, 1, 3);
    grid->addWidget(m_editResetMilage, 1, 4);
    grid->addWidget(NewLabel("LabelKm", QStringLiteral("Km")), 1, 5);
    grid->addWidget(NewLabel("LabelCHecksum", QStringLiteral("Check Sum:")), 0, 6);
    grid->addWidget(m_editChecksum, 0, 7);
    grid->setColumnStretch(1, 1);
}

void PrinterInfoGroup::showConfig(const PrinterConfig& record)
{
    m_editVersion->setText(QString::fromLatin1(record.version.text()));
    m_editMilage->setText(QString::fromLatin1(record.mileage.text()));
    m_editResetMilage->setText(QString::fromLatin1(record.resetMileage.text()));
    m_editChecksum->setText(QString::fromLatin1(record.checksum.text()));
    m_editSerial->setText(QString::fromLatin1(record.serialNumber.text()));
    m_editCuttingCounter->setText(QString::number(record.cutCounter));
    m_editResetCuttingCounter->setText(QString::number(record.resetCutCounter));
}

} // namespace norvane::ui
