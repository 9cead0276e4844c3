// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "printparameters.h"

#include <QWidget>

#include <array>
#include <memory>

class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QRadioButton;

namespace Ui {
class PrintParameterWidget;
}

// The coder's print settings on the control window's parameter tab. The panel
// owns one 81-byte parameter block; every control writes its field when the
// operator changes it, and a parameter reply is brought into the controls by
// loadParameters(). Heads are numbered 1 to 4 throughout.
class PrintParameterWidget : public QWidget
{
    Q_OBJECT
public:
    explicit PrintParameterWidget(QWidget *parent = nullptr);
    ~PrintParameterWidget() override;

    // The block the window sends with "Apply Print Parameter".
    const PrintParameters &parameters() const { return m_parameters; }

    // Applies the payload of a parameter reply. A payload shorter than the
    // block is refused: the block and the controls stay as they were,
    // parametersRefused() is emitted and false returned. Bytes after the
    // 81st are ignored. After loading, the block holds what the coder
    // reported, also where a control shows a value clamped to its range or
    // rounded to 0.1 mm; a code no list entry has shows as "Unknown (code)".
    bool loadParameters(const QByteArray &payload);

signals:
    // Why a parameter reply was not applied, for the window's event log.
    void parametersRefused(const QString &reason);

private slots:
    void on_spliceCheckBox_stateChanged(int state);
    void on_triggerModeComboBox_currentIndexChanged(int index);
    void on_sprayModeComboBox_currentIndexChanged(int index);
    void on_dpiComboBox_currentIndexChanged(int index);
    void on_encodeCheckbox_stateChanged(int state);
    void on_beepCheckBox_stateChanged(int state);
    void on_head1CheckBox_stateChanged(int state) { headCheckBoxChanged(1, state); }
    void on_head2CheckBox_stateChanged(int state) { headCheckBoxChanged(2, state); }
    void on_head3CheckBox_stateChanged(int state) { headCheckBoxChanged(3, state); }
    void on_head4CheckBox_stateChanged(int state) { headCheckBoxChanged(4, state); }
    void on_head1DoubleSpinBox_valueChanged(double mm) { m_parameters.headOffset1 = mm; }
    void on_head2DoubleSpinBox_valueChanged(double mm) { m_parameters.headOffset2 = mm; }
    void on_head3DoubleSpinBox_valueChanged(double mm) { m_parameters.headOffset3 = mm; }
    void on_head4DoubleSpinBox_valueChanged(double mm) { m_parameters.headOffset4 = mm; }
    void on_singleHead1RadioButton_clicked() { showHeadDirection(1); }
    void on_singleHead2RadioButton_clicked() { showHeadDirection(2); }
    void on_singleHead3RadioButton_clicked() { showHeadDirection(3); }
    void on_singleHead4RadioButton_clicked() { showHeadDirection(4); }
    void on_entireForwardBtn_clicked() { m_parameters.entireDirection = kForward; }
    void on_entireReverseBtn_clicked() { m_parameters.entireDirection = kReverse; }
    void on_entireInverseBtn_clicked() { m_parameters.entireDirection = kInverse; }
    void on_entireRevInvBtn_clicked() { m_parameters.entireDirection = kRevInv; }
    void on_singleForwardBtn_clicked() { setSelectedHeadDirection(kForward); }
    void on_singleReverseBtn_clicked() { setSelectedHeadDirection(kReverse); }
    void on_singleInverseBtn_clicked() { setSelectedHeadDirection(kInverse); }
    void on_singleRevInvBtn_clicked() { setSelectedHeadDirection(kRevInv); }
    void on_productionLineSpeedSpinBox_valueChanged(int mPerMin)
    {
        m_parameters.lineSpeed = mPerMin;
    }
    void on_encoderPPRspinBox_valueChanged(int ppr) { m_parameters.encoderPpr = ppr; }
    void on_encoderDiameterSpinBox_valueChanged(int mm) { m_parameters.encoderDiameter = mm; }
    void on_signalIntervalSpinBox_valueChanged(int interval)
    {
        m_parameters.signalInterval = interval;
    }

private:
    // Print direction codes, the same for the joined image and for each head.
    static constexpr qint8 kForward = 0;
    static constexpr qint8 kReverse = 1;
    static constexpr qint8 kInverse = 2;
    static constexpr qint8 kRevInv = 3;

    void applyRanges();
    void fillLists();
    void showBlock();

    void headCheckBoxChanged(int head, int state);
    void recomputeHeadRangeMask();
    int firstEnabledHead() const;
    void showHeadDirection(int head);
    void setSelectedHeadDirection(qint8 code);

    std::array<QCheckBox *, 4> headCheckBoxes() const;
    std::array<QDoubleSpinBox *, 4> offsetSpinBoxes() const;
    std::array<QRadioButton *, 4> headRadioButtons() const;
    QAbstractButton *singleDirectionButton(qint8 code) const;
    QAbstractButton *entireDirectionButton(qint8 code) const;
    qint8 &headDirection(int head);
    double &headOffset(int head);

    std::unique_ptr<Ui::PrintParameterWidget> ui;
    PrintParameters m_parameters;
};
