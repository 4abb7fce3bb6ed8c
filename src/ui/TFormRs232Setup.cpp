#include "TFormRs232Setup.h"

#include "CurrentLanguage.h"
#include "DialogButtons.h"
#include "LanguageRows.h"
#include "PortNumber.h"
#include "link/DevicePaths.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace norvane::ui {

namespace {

/// The dialog's texts from the language table, put on when it opens.
const LanguageRow kRs232Rows[] = {
    {"ButtonCancel", 2},    {"ButtonSet", 4},          {"LabelBaudRate", 131},
    {"LabelDataBits", 132}, {"LabelParityCheck", 133}, {"LabelStopBits", 134},
    {"LabelComPort", 200},  {"LabelHardwareS", 201},   {"LabelSoftwareS", 202},
};

constexpr int kComPortCount = 30;

QComboBox* addList(QFormLayout& form, const char* labelName, const QString& labelText, const char* listName,
                   const QStringList& items)
{
    auto* label = new QLabel(labelText);
    label->setObjectName(QLatin1StringView(labelName));
    auto* list = new QComboBox;
    list->setObjectName(QLatin1StringView(listName));
    list->addItems(items);
    form.addRow(label, list);
    return list;
}

QStringList comPortNames()
{
    QStringList names;
    for (int number = 1; number <= kComPortCount; ++number)
        names << QStringLiteral("COM%1").arg(number);
    return names;
}

} // namespace

TFormRs232Setup::TFormRs232Setup(SerialLinkSettings& record, QWidget* parent) : QDialog(parent), m_record(record)
{
    setObjectName(QStringLiteral("FormRs232Setup"));
    setWindowTitle(QStringLiteral("RS232 Setup"));

    auto* form = new QFormLayout;
    form->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_comboBoxComPort = addList(*form, "LabelComPort", QStringLiteral("COM Port"), "ComboBoxComPort", comPortNames());
    // Which Linux device the Windows-style port name stands for, so the user knows which port is meant.
    m_labelComDevice = new QLabel;
    m_labelComDevice->setObjectName(QStringLiteral("LabelComDevice"));
    form->addRow(QString(), m_labelComDevice);
    // The eighth, empty baud item is a choice of its own: it stores index 7, which opens at 9600.
    m_comboBoxBaudRate =
        addList(*form, "LabelBaudRate", QStringLiteral("Baud Rate"), "ComboBoxBaudRate",
                {QStringLiteral("2400"), QStringLiteral("4800"), QStringLiteral("9600"), QStringLiteral("19200"),
                 QStringLiteral("38400"), QStringLiteral("57600"), QStringLiteral("115200"), QString()});
    m_comboBoxDataBit = addList(*form, "LabelDataBits", QStringLiteral("Data Bits"), "ComboBoxDataBit",
                                {QStringLiteral("7"), QStringLiteral("8")});
    m_comboBoxParity = addList(*form, "LabelParityCheck", QStringLiteral("Parity"), "ComboBoxParity",
                               {QStringLiteral("None"), QStringLiteral("Odd"), QStringLiteral("Even")});
    m_comboBoxStopBit = addList(*form, "LabelStopBits", QStringLiteral("Stop Bit(s)"), "ComboBoxStopBit",
                                {QStringLiteral("1"), QStringLiteral("1.5"), QStringLiteral("2")});
    m_comboBoxHdShak = addList(*form, "LabelHardwareS", QStringLiteral("Hardware Handshaking"), "ComboBoxHdShak",
                               {QStringLiteral("None"), QStringLiteral("RTS"), QStringLiteral("RTS/CTS")});
    m_comboBoxSWShak = addList(*form, "LabelSoftwareS", QStringLiteral("Software Handshaking"), "ComboBoxSWShak",
                               {QStringLiteral("None"), QStringLiteral("Xon/Xoff")});

    const auto [buttons, set, cancel] = MakeDialogButtons(QStringLiteral("Set"), "ButtonSet");

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    ApplyLanguageRows(*this, kRs232Rows, CurrentLanguage());

    m_comboBoxComPort->setCurrentIndex(PortItemIndex(record.portName, kComPortCount));
    m_comboBoxBaudRate->setCurrentIndex(record.baudRate);
    m_comboBoxDataBit->setCurrentIndex(record.dataBits);
    m_comboBoxParity->setCurrentIndex(record.parity);
    m_comboBoxStopBit->setCurrentIndex(record.stopBits);
    m_comboBoxHdShak->setCurrentIndex(record.hardwareHandshake);
    m_comboBoxSWShak->setCurrentIndex(record.softwareHandshake);
    ComboBoxComPortChange();

    connect(m_comboBoxComPort, &QComboBox::currentIndexChanged, this, &TFormRs232Setup::ComboBoxComPortChange);
    connect(set, &QPushButton::clicked, this, &TFormRs232Setup::ButtonSetClick);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TFormRs232Setup::ComboBoxComPortChange()
{
    // A port given as a device path (development only) selects no item; show the path it stands for.
    const QString portName =
        m_comboBoxComPort->currentIndex() < 0 ? m_record.portName : m_comboBoxComPort->currentText();
    m_labelComDevice->setText(QStringLiteral("Linux device: %1").arg(ComDevicePath(portName)));
}

void TFormRs232Setup::ButtonSetClick()
{
    if (m_comboBoxComPort->currentIndex() >= 0)
        m_record.portName = QStringLiteral("COM%1").arg(m_comboBoxComPort->currentIndex() + 1);
    m_record.baudRate = m_comboBoxBaudRate->currentIndex();
    m_record.dataBits = m_comboBoxDataBit->currentIndex();
    m_record.parity = m_comboBoxParity->currentIndex();
    m_record.stopBits = m_comboBoxStopBit->currentIndex();
    m_record.hardwareHandshake = m_comboBoxHdShak->currentIndex();
    m_record.softwareHandshake = m_comboBoxSWShak->currentIndex();
    accept();
}

} // namespace norvane::ui
