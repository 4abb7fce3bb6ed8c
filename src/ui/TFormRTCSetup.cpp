#include "TFormRTCSetup.h"

#include "CurrentLanguage.h"
#include "FormControls.h"
#include "LanguageRows.h"
#include "UserPrompts.h"
#include "config/LengthUnits.h"

#include <QDateTime>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace norvane::ui {

namespace {

struct ClockField
{
    const char* label;
    const char* caption;
    const char* edit;
    int maxLength;
    std::int32_t ClockSetting::*value;
};

/// In the order the fields are shown, taken and sent; three to a row.
const ClockField kFields[] = {
    {"LabelYear", "Year", "EditYear", 4, &ClockSetting::year},
    {"LabelMonth", "Month", "EditMonth", 3, &ClockSetting::month},
    {"LabelDate", "Date", "EditDate", 3, &ClockSetting::date},
    {"LabelHour", "Hour", "EditHour", 3, &ClockSetting::hour},
    {"LabelMinute", "Minute", "EditMinute", 3, &ClockSetting::minute},
    {"LabelSecond", "Second", "EditSecond", 3, &ClockSetting::second},
};
/// The dialog's texts from the language table, put on when it opens.
const LanguageRow kClockRows[] = {
    {"FormRTCSetup", 37}, {"LabelYear", 247},   {"LabelMonth", 248},       {"LabelDate", 249}, {"LabelHour", 250},
    {"LabelMinute", 251}, {"LabelSecond", 252}, {"ButtonSetSysTime", 253}, {"ButtonSet", 4},   {"ButtonCancel", 2},
};
constexpr int kFieldsPerRow = 3;
constexpr int kEditWidth = 64;

} // namespace

TFormRTCSetup::TFormRTCSetup(ClockSetting& clock, UserPrompts& prompts, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), m_clock(clock), m_prompts(prompts)
{
    setObjectName(QStringLiteral("FormRTCSetup"));
    setWindowTitle(QStringLiteral("RTC Setup"));

    auto* fields = new QGridLayout;
    fields->setHorizontalSpacing(8);
    for (int index = 0; index < 6; ++index) {
        const ClockField& field = kFields[index];
        QLineEdit* edit = NewEdit(field.edit, field.maxLength);
        edit->setFixedWidth(kEditWidth);
        const int row = index / kFieldsPerRow;
        const int column = (index % kFieldsPerRow) * 2;
        fields->addWidget(CaptionFor(*edit, field.caption, field.label), row, column, Qt::AlignRight);
        fields->addWidget(edit, row, column + 1);
        m_edits[static_cast<std::size_t>(index)] = edit;
    }

    auto* buttonSetSysTime = Named<QPushButton>("ButtonSetSysTime", QStringLiteral("Get System Time"));
    auto* buttonSet = Named<QPushButton>("ButtonSet", QStringLiteral("Set"));
    buttonSet->setDefault(true);
    auto* buttonCancel = Named<QPushButton>("ButtonCancel", QStringLiteral("Cancel"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(buttonSetSysTime);
    buttons->addStretch();
    buttons->addWidget(buttonSet);
    buttons->addWidget(buttonCancel);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    ApplyLanguageRows(*this, kClockRows, CurrentLanguage());

    connect(buttonSetSysTime, &QPushButton::clicked, this, &TFormRTCSetup::ButtonSetSysTimeClick);
    connect(buttonSet, &QPushButton::clicked, this, &TFormRTCSetup::ButtonSetClick);
    connect(buttonCancel, &QPushButton::clicked, this, &TFormRTCSetup::reject);

    m_clock.confirmed = false;
    showClock();
}

void TFormRTCSetup::reject()
{
    m_clock.confirmed = false;
    QDialog::reject();
}

void TFormRTCSetup::ButtonSetSysTimeClick()
{
    const ClockSetting now = ClockSettingAt(QDateTime::currentDateTime());
    for (const ClockField& field : kFields)
        m_clock.*field.value = now.*field.value;
    showClock();
}

void TFormRTCSetup::ButtonSetClick()
{
    m_clock.confirmed = true;
    for (std::size_t index = 0; index < m_edits.size(); ++index) {
        const QString text = m_edits[index]->text();
        bool converted = false;
        const int value = text.toInt(&converted, 10);
        if (!converted) {
            m_prompts.showMessage(MessageKind::Error, InvalidIntegerMessage(text));
            m_edits[index]->setFocus();
            return;
        }
        m_clock.*kFields[index].value = value;
    }
    accept();
}

void TFormRTCSetup::showClock()
{
    for (std::size_t index = 0; index < m_edits.size(); ++index)
        m_edits[index]->setText(QString::number(m_clock.*kFields[index].value));
}

} // namespace norvane::ui
