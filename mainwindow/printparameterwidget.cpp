// SPDX-License-Identifier: GPL-3.0-or-later
#include "printparameterwidget.h"
#include "ui_printparameterwidget.h"

#include "controllog.h"
#include "printparameterfields.h"

#include <QButtonGroup>
#include <QSignalBlocker>

#include <cmath>

namespace {

constexpr int kHeadCount = 4;

quint8 headBit(int head)
{
    return quint8(1u << (head - 1));
}

// Sets a check box through the partially checked state, so that its
// stateChanged handler runs even when the box already showed the value.
void passThroughPartial(QCheckBox *box, bool checked)
{
    box->setTristate(true);
    box->setCheckState(Qt::PartiallyChecked);
    box->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
    box->setTristate(false);
}

// Marks the entry made for a code the list does not know.
constexpr int kUnknownRole = Qt::UserRole + 1;

// Selects the entry carrying the code.  A code no entry carries gets an
// entry of its own, "Unknown (code)", so that the panel shows what the
// coder reported; the entry of an earlier unknown code goes.
void selectCode(QComboBox *list, int code)
{
    for (int i = list->count() - 1; i >= 0; --i) {
        if (list->itemData(i, kUnknownRole).toBool() && list->itemData(i).toInt() != code)
            list->removeItem(i);
    }
    int index = list->findData(code);
    if (index < 0) {
        list->addItem(PrintParameterWidget::tr("Unknown (%1)").arg(code), code);
        index = list->count() - 1;
        list->setItemData(index, true, kUnknownRole);
    }
    list->setCurrentIndex(index);
}

// The code of the selected entry, 0 with no selection.
qint8 selectedCode(const QComboBox *list)
{
    return qint8(list->currentData().toInt());
}

// Checks one button of an exclusive group, or none when button is null
// (an exclusive group does not let its last checked button go by itself).
void checkInGroup(QButtonGroup *group, QAbstractButton *button)
{
    if (button) {
        button->setChecked(true);
        return;
    }
    if (QAbstractButton *checked = group->checkedButton()) {
        group->setExclusive(false);
        checked->setChecked(false);
        group->setExclusive(true);
    }
}

} // namespace

PrintParameterWidget::PrintParameterWidget(QWidget *parent)
    : QWidget(parent), ui(std::make_unique<Ui::PrintParameterWidget>())
{
    // setupUi connects the on_<object>_<signal> handlers by name.
    ui->setupUi(this);
    applyRanges();

    // Run the splice and encoder handlers once with "unchecked", so that the
    // right direction panel and speed or encoder panel are shown.
    passThroughPartial(ui->spliceCheckBox, false);
    passThroughPartial(ui->encodeCheckbox, false);
    // Filling an empty list selects its first entry and runs its handler:
    // triggerMode 3, sprayMode 1, dpiCode 4 from here on.
    fillLists();
    // The other controls show the block's defaults, so that what the operator
    // sees is what "Apply Print Parameter" sends before any reply arrived.
    showBlock();
}

PrintParameterWidget::~PrintParameterWidget() = default;

// The spin boxes take the ranges of the block's fields.
void PrintParameterWidget::applyRanges()
{
    using P = PrintParameters;
    const auto limit = [](QSpinBox *box, qint32 P::*member) {
        const PrintParameterField *field = PrintParameterField::of(member);
        box->setRange(int(field->minimum), int(field->maximum));
    };
    limit(ui->encoderPPRspinBox, &P::encoderPpr);
    limit(ui->encoderDiameterSpinBox, &P::encoderDiameter);
    limit(ui->productionLineSpeedSpinBox, &P::lineSpeed);
    limit(ui->signalIntervalSpinBox, &P::signalInterval);
    const std::pair<QDoubleSpinBox *, double P::*> offsets[] = {
        {ui->head1DoubleSpinBox, &P::headOffset1},
        {ui->head2DoubleSpinBox, &P::headOffset2},
        {ui->head3DoubleSpinBox, &P::headOffset3},
        {ui->head4DoubleSpinBox, &P::headOffset4}};
    for (const auto &[box, member] : offsets) {
        const PrintParameterField *field = PrintParameterField::of(member);
        box->setDecimals(field->decimals);
        box->setRange(field->minimum, field->maximum);
        box->setSingleStep(std::pow(10.0, -field->decimals));
    }
}

void PrintParameterWidget::fillLists()
{
    ui->triggerModeComboBox->addItem(tr("Internal Singal"), 3);
    ui->triggerModeComboBox->addItem(tr("External Singal"), 2);

    ui->sprayModeComboBox->addItem(tr("Left Spary"), 1);
    ui->sprayModeComboBox->addItem(tr("Right Spary"), 2);
    ui->sprayModeComboBox->addItem(tr("Hight Quanlity"), 4);
    ui->sprayModeComboBox->addItem(tr("Hight Speed"), 5);

    // dpi = 600 / code
    ui->dpiComboBox->addItem(tr("150"), 4);
    ui->dpiComboBox->addItem(tr("200"), 3);
    ui->dpiComboBox->addItem(tr("300"), 2);
    ui->dpiComboBox->addItem(tr("600"), 1);
}

// Shows the block in the controls without writing anything back into it.
void PrintParameterWidget::showBlock()
{
    const PrintParameters &p = m_parameters;
    const QSignalBlocker spliceBlocker(ui->spliceCheckBox);
    ui->spliceCheckBox->setChecked(p.splice);
    ui->singleHeadDirectWidget->setVisible(!p.splice);
    ui->directWidget->setVisible(p.splice);

    const QSignalBlocker encoderBlocker(ui->encodeCheckbox);
    ui->encodeCheckbox->setChecked(p.encoderEnabled);
    ui->encoderParameterWidget->setVisible(p.encoderEnabled);
    ui->productionLineSpeedWidget->setVisible(!p.encoderEnabled);

    const QSignalBlocker beepBlocker(ui->beepCheckBox);
    ui->beepCheckBox->setChecked(p.beepEnabled);

    for (int head = 1; head <= kHeadCount; ++head) {
        const bool enabled = quint8(p.headEnableMask) & headBit(head);
        QCheckBox *box = headCheckBoxes()[head - 1];
        const QSignalBlocker boxBlocker(box);
        box->setChecked(enabled);
        headRadioButtons()[head - 1]->setVisible(enabled);
        QDoubleSpinBox *offset = offsetSpinBoxes()[head - 1];
        const QSignalBlocker offsetBlocker(offset);
        offset->setValue(headOffset(head));
    }
    checkInGroup(ui->entireDirectionGroup, entireDirectionButton(p.entireDirection));
    const int head = qMax(firstEnabledHead(), 1);
    headRadioButtons()[head - 1]->setChecked(true);
    showHeadDirection(head);

    const QSignalBlocker pprBlocker(ui->encoderPPRspinBox);
    ui->encoderPPRspinBox->setValue(p.encoderPpr);
    const QSignalBlocker diameterBlocker(ui->encoderDiameterSpinBox);
    ui->encoderDiameterSpinBox->setValue(p.encoderDiameter);
    const QSignalBlocker speedBlocker(ui->productionLineSpeedSpinBox);
    ui->productionLineSpeedSpinBox->setValue(p.lineSpeed);
    const QSignalBlocker intervalBlocker(ui->signalIntervalSpinBox);
    ui->signalIntervalSpinBox->setValue(p.signalInterval);
}

bool PrintParameterWidget::loadParameters(const QByteArray &payload)
{
    // A short reply would read as zeros (no heads, spray mode 0, ...) and the
    // next apply would send those made-up values to the coders.
    if (payload.size() < PrintParameters::kSize) {
        const QString reason =
            tr("Parameter reply ignored: %1 bytes received, a parameter block has %2.")
                .arg(payload.size())
                .arg(PrintParameters::kSize);
        qCWarning(lcControl).noquote() << reason;
        emit parametersRefused(reason);
        return false;
    }
    if (payload.size() > PrintParameters::kSize)
        qCDebug(lcControl) << "parameter reply:" << payload.size() - PrintParameters::kSize
                           << "bytes after the block ignored";

    // The handlers below rewrite the block from the controls, which clamp
    // and round; the received values are read from this copy.
    const PrintParameters received = PrintParameters::fromBytes(payload);
    m_parameters = received;

    selectCode(ui->sprayModeComboBox, received.sprayMode);
    selectCode(ui->triggerModeComboBox, received.triggerMode);
    selectCode(ui->dpiComboBox, received.dpiCode);

    passThroughPartial(ui->spliceCheckBox, received.splice);
    // All four head boxes are partial before any is set, so that the range
    // mask is recomputed from the final boxes when the last one is set.
    for (QCheckBox *box : headCheckBoxes()) {
        box->setTristate(true);
        box->setCheckState(Qt::PartiallyChecked);
    }
    for (int head = 1; head <= kHeadCount; ++head) {
        const bool enabled = quint8(received.headEnableMask) & headBit(head);
        headCheckBoxes()[head - 1]->setCheckState(enabled ? Qt::Checked : Qt::Unchecked);
    }
    for (QCheckBox *box : headCheckBoxes())
        box->setTristate(false);

    // A spin box would show a NaN as its maximum; 0 mm is the neutral offset.
    const auto offset = [](double mm) { return std::isnan(mm) ? 0.0 : mm; };
    ui->head1DoubleSpinBox->setValue(offset(received.headOffset1));
    ui->head2DoubleSpinBox->setValue(offset(received.headOffset2));
    ui->head3DoubleSpinBox->setValue(offset(received.headOffset3));
    ui->head4DoubleSpinBox->setValue(offset(received.headOffset4));

    checkInGroup(ui->entireDirectionGroup, entireDirectionButton(received.entireDirection));

    passThroughPartial(ui->encodeCheckbox, received.encoderEnabled);
    passThroughPartial(ui->beepCheckBox, received.beepEnabled);

    ui->encoderPPRspinBox->setValue(received.encoderPpr);
    ui->encoderDiameterSpinBox->setValue(received.encoderDiameter);
    ui->productionLineSpeedSpinBox->setValue(received.lineSpeed);
    ui->signalIntervalSpinBox->setValue(received.signalInterval);

    // Show the first enabled head's direction (head 1 with no head enabled),
    // so that the direction buttons never edit a head whose radio button is
    // hidden.
    headRadioButtons()[qMax(firstEnabledHead(), 1) - 1]->click();

    // What a control could not show exactly (a line speed over its range,
    // an offset of two decimals) goes back to the coder as it reported it,
    // until the operator edits that field.  The range mask follows the heads.
    const qint8 rangeMask = m_parameters.headRangeMask;
    m_parameters = received;
    m_parameters.headRangeMask = rangeMask;
    qCDebug(lcControl) << "parameters loaded:" << m_parameters.toBytes().toHex();
    return true;
}

void PrintParameterWidget::on_spliceCheckBox_stateChanged(int state)
{
    if (state == Qt::PartiallyChecked)
        return;
    const bool spliced = state == Qt::Checked;
    m_parameters.splice = spliced;
    ui->singleHeadDirectWidget->setVisible(!spliced);
    ui->directWidget->setVisible(spliced);
}

void PrintParameterWidget::on_triggerModeComboBox_currentIndexChanged(int index)
{
    m_parameters.triggerMode = selectedCode(ui->triggerModeComboBox);
    // The interval only applies to the internal signal, the first entry.
    ui->signalIntervalWidget->setVisible(index == 0);
}

void PrintParameterWidget::on_sprayModeComboBox_currentIndexChanged(int)
{
    m_parameters.sprayMode = selectedCode(ui->sprayModeComboBox);
}

void PrintParameterWidget::on_dpiComboBox_currentIndexChanged(int)
{
    m_parameters.dpiCode = selectedCode(ui->dpiComboBox);
}

void PrintParameterWidget::on_encodeCheckbox_stateChanged(int state)
{
    if (state == Qt::PartiallyChecked)
        return;
    const bool encoder = state == Qt::Checked;
    m_parameters.encoderEnabled = encoder;
    ui->encoderParameterWidget->setVisible(encoder);
    ui->productionLineSpeedWidget->setVisible(!encoder);
}

void PrintParameterWidget::on_beepCheckBox_stateChanged(int state)
{
    if (state == Qt::PartiallyChecked)
        return;
    m_parameters.beepEnabled = state == Qt::Checked;
}

void PrintParameterWidget::headCheckBoxChanged(int head, int state)
{
    if (state == Qt::PartiallyChecked)
        return;
    const bool enabled = state == Qt::Checked;
    quint8 mask = quint8(m_parameters.headEnableMask);
    mask = enabled ? (mask | headBit(head)) : (mask & ~headBit(head));
    m_parameters.headEnableMask = qint8(mask);
    QRadioButton *radio = headRadioButtons()[head - 1];
    radio->setVisible(enabled);
    // The direction buttons edit the head of the checked radio button: move
    // away from a head being switched off, to the first one still enabled.
    if (!enabled && radio->isChecked() && firstEnabledHead() > 0)
        headRadioButtons()[firstEnabledHead() - 1]->click();
    recomputeHeadRangeMask();
}

// The lowest head whose box is checked, 0 with none.
int PrintParameterWidget::firstEnabledHead() const
{
    const auto boxes = headCheckBoxes();
    for (int head = 1; head <= kHeadCount; ++head) {
        if (boxes[head - 1]->checkState() == Qt::Checked)
            return head;
    }
    return 0;
}

// Heads are used from head 1 up to the highest enabled one: 1, 3, 7 or 15.
// With no head enabled the mask keeps its value.
void PrintParameterWidget::recomputeHeadRangeMask()
{
    quint8 checked = 0;
    for (int head = 1; head <= kHeadCount; ++head) {
        // A box still partially checked during a load counts as not checked.
        if (headCheckBoxes()[head - 1]->checkState() == Qt::Checked)
            checked |= headBit(head);
    }
    if (const std::optional<qint8> range = PrintHeads::rangeMaskFor(checked))
        m_parameters.headRangeMask = *range;
}

// The direction buttons show the direction of the head whose radio button
// is checked.
void PrintParameterWidget::showHeadDirection(int head)
{
    singleDirectionButton(headDirection(head))->setChecked(true);
}

void PrintParameterWidget::setSelectedHeadDirection(qint8 code)
{
    const auto radios = headRadioButtons();
    for (int head = 1; head <= kHeadCount; ++head) {
        if (radios[head - 1]->isChecked()) {
            headDirection(head) = code;
            return;
        }
    }
}

std::array<QCheckBox *, 4> PrintParameterWidget::headCheckBoxes() const
{
    return {ui->head1CheckBox, ui->head2CheckBox, ui->head3CheckBox, ui->head4CheckBox};
}

std::array<QDoubleSpinBox *, 4> PrintParameterWidget::offsetSpinBoxes() const
{
    return {ui->head1DoubleSpinBox, ui->head2DoubleSpinBox, ui->head3DoubleSpinBox,
            ui->head4DoubleSpinBox};
}

std::array<QRadioButton *, 4> PrintParameterWidget::headRadioButtons() const
{
    return {ui->singleHead1RadioButton, ui->singleHead2RadioButton, ui->singleHead3RadioButton,
            ui->singleHead4RadioButton};
}

// Any code other than 1, 2 or 3 shows as Forward.
QAbstractButton *PrintParameterWidget::singleDirectionButton(qint8 code) const
{
    switch (code) {
    case kReverse:
        return ui->singleReverseBtn;
    case kInverse:
        return ui->singleInverseBtn;
    case kRevInv:
        return ui->singleRevInvBtn;
    default:
        return ui->singleForwardBtn;
    }
}

// An unknown code shows no button; the code itself is kept in the block.
QAbstractButton *PrintParameterWidget::entireDirectionButton(qint8 code) const
{
    switch (code) {
    case kForward:
        return ui->entireForwardBtn;
    case kReverse:
        return ui->entireReverseBtn;
    case kInverse:
        return ui->entireInverseBtn;
    case kRevInv:
        return ui->entireRevInvBtn;
    default:
        return nullptr;
    }
}

qint8 &PrintParameterWidget::headDirection(int head)
{
    qint8 *fields[] = {&m_parameters.headDirection1, &m_parameters.headDirection2,
                       &m_parameters.headDirection3, &m_parameters.headDirection4};
    return *fields[head - 1];
}

double &PrintParameterWidget::headOffset(int head)
{
    double *fields[] = {&m_parameters.headOffset1, &m_parameters.headOffset2,
                        &m_parameters.headOffset3, &m_parameters.headOffset4};
    return *fields[head - 1];
}
